#include "textpicture.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace tandara::about {

namespace {

const QColor kShadow(193, 212, 255);
const QColor kNavy(0, 0, 128);

// Plain pixels on whole-pixel glyph positions, as a bitmap font would
// give: the shadow must stay a clean one-pixel offset of the text.
QFont unsmoothed(QFont font)
{
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace

TextPicture::TextPicture(int width, const QFont &font, const QColor &background, int lineCount)
    : font_(unsmoothed(font)),
      // The height of a one-line text is the font's line height, whatever
      // the text.
      textHeight_(QFontMetrics(font_).height()),
      image_(width, textHeight_ * lineCount + 100, QImage::Format_RGB32)
{
    image_.fill(background);
}

void TextPicture::print(const QString &text, const QColor &colour)
{
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(colour);
    painter.drawText(QPointF(currentX_, currentY_ + QFontMetrics(font_).ascent()), text);
}

void TextPicture::PrintText(const QString &Text)
{
    const QFontMetrics metrics(font_);
    currentX_ = image_.width() / 2.0 - metrics.horizontalAdvance(Text) / 2.0;
    // std::rint rounds halves to the even neighbour.
    double x0 = std::rint(currentX_);
    double y0 = std::rint(currentY_);
    for (int copy = 0; copy < 2; ++copy) {
        print(Text, kShadow);
        x0 += 1.0;
        y0 += 1.0;
        currentX_ = x0;
        currentY_ = y0;
    }
    print(Text, kNavy);
    currentX_ = 0.0;
    currentY_ = y0 + textHeight_;
}

} // namespace tandara::about
