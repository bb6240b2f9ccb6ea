#pragma once
// The off-screen picture that holds the whole scrolling text. Each line is
// printed once, centred, with a light shadow up and to the left of the
// navy text; the scroll then only copies the finished picture.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace tandara::about {

class TextPicture {
public:
    // A picture `width` pixels wide, tall enough for lineCount lines plus a
    // margin: lineCount text heights + 100 pixels, filled with background.
    TextPicture(int width, const QFont &font, const QColor &background, int lineCount);

    // Prints one centred line at the current line position and moves on to
    // the next line (text height + 2 pixels further down). An empty Text
    // only moves on.
    void PrintText(const QString &Text);

    const QImage &image() const { return image_; }
    // The height of a line of text in the picture's font.
    int textHeight() const { return textHeight_; }

private:
    void print(const QString &text, const QColor &colour);

    QFont font_;
    int textHeight_;
    QImage image_;
    double currentX_ = 0.0;
    double currentY_ = 0.0;
};

} // namespace tandara::about
