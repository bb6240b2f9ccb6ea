// The About window's controls, placed in twips as the window was drawn.
#include "frminfo.h"

#include "infotext.h"
#include "slideview.h"

#include "widgets/looks.h"
#include "widgets/picturebar.h"
#include "widgets/twips.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <algorithm>

namespace tandara {

namespace {

const QString kExitTip = QStringLiteral("Per Uscire, clicca in una qualsiasi parte della Finestra");
const QColor kLinkHot(255, 0, 0);
// The title-bar picture's middle tone, shown by the bars when the picture
// is missing.
const QColor kBarFace(86, 75, 189);

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPxX(left), twipsToPxY(top), twipsToPxX(width), twipsToPxY(height)};
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

// The free fonts run wider than the ones the layout was drawn for: a
// caption grows to the right, as far as the panel allows, rather than be
// cut short.
void widenToText(QLabel *label, const QRect &panel)
{
    const int wanted = std::max(label->width(), label->sizeHint().width());
    label->resize(std::min(wanted, panel.right() + 1 - label->x()), label->height());
}

void setLinkLook(QLabel *link, bool hot)
{
    setColour(link, QPalette::WindowText, hot ? kLinkHot : kNavy);
    QFont font = link->font();
    font.setUnderline(hot);
    link->setFont(font);
}

} // namespace

void frmInfo::buildBars()
{
    for (size_t i = 0; i < picBarra.size(); ++i) {
        picBarra[i] = new PictureBar(this);
        picBarra[i]->setObjectName(QStringLiteral("picBarra%1").arg(i));
        setColour(picBarra[i], QPalette::Window, kBarFace);
        setColour(picBarra[i], QPalette::WindowText, kBarTextColour);
        picBarra[i]->setAutoFillBackground(true);
    }
    const int barHeight = twipsToPxY(375);
    picBarra[0]->setGeometry(0, 0, width(), barHeight);
    picBarra[1]->setGeometry(0, height() - barHeight, width(), barHeight);

    // The caption is printed clear of the rounded top-left corner.
    picBarra[0]->setFont(windowsFont(kTimes, 12, true));
    const int captionHeight = QFontMetrics(picBarra[0]->font()).height();
    picBarra[0]->setPrintPosition(QPoint(20, (barHeight - captionHeight) / 2));
    picBarra[0]->setDragWindow(this);
}

void frmInfo::buildContainer()
{
    picContainer = new QFrame(this);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    picContainer->setFrameStyle(QFrame::Box | QFrame::Plain);
    picContainer->setLineWidth(1);
    picContainer->setGeometry(twipsRect(45, 350, 4950, 3495));
    setColour(picContainer, QPalette::Window, kWindowBackground);
    picContainer->setAutoFillBackground(true);
    picContainer->setToolTip(kExitTip);
    listenTo(picContainer);

    buildHeading();
    buildLinks();
    buildViewport();
}

QRect frmInfo::insidePanel(const QRect &twips) const
{
    // Positions count from the inside of the panel's frame, and nothing
    // covers the frame.
    const QRect inner = picContainer->contentsRect();
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height())
               .translated(inner.topLeft())
               .intersected(inner);
}

QLabel *frmInfo::addLabel(const char *name, const QRect &twips)
{
    auto *label = new QLabel(picContainer);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(insidePanel(twips));
    setColour(label, QPalette::WindowText, kNavy);
    listenTo(label);
    return label;
}

void frmInfo::listenTo(QWidget *control)
{
    control->setMouseTracking(true);
    control->installEventFilter(this);
}

void frmInfo::buildHeading()
{
    // Index 1 first, so that the navy index 0 lies over it and index 1
    // shows as a light shadow 2 px right and 1 px down.
    lblInt[1] = addLabel("lblInt1", QRect(480, 40, 4125, 300));
    lblInt[0] = addLabel("lblInt0", QRect(450, 30, 4125, 300));
    setColour(lblInt[1], QPalette::WindowText, kIdleFace);
    for (QLabel *notice : {lblInt[0], lblInt[1]}) {
        notice->setFont(windowsFont(kSansSerif, 12, true));
        notice->setAlignment(Qt::AlignCenter);
        notice->setText(about::authorNotice());
    }
    lblInt[2] = addLabel("lblInt2", QRect(1335, 480, 1380, 195));
    lblInt[2]->setFont(windowsFont(kSansSerif, 8.25, true));
    lblInt[2]->setText(QStringLiteral("Per Contattarmi:"));
    widenToText(lblInt[2], picContainer->contentsRect());

    for (int frame = 0; frame < 4; ++frame)
        m_frames[size_t(frame)] = QPixmap(QStringLiteral(":/about/logo%1.png").arg(frame));
    imgAnim = addLabel("imgAnim0", QRect(240, 885, 720, 720));
    imgAnim->setPixmap(m_frames[0]);
}

void frmInfo::buildLinks()
{
    const QCursor hand(QPixmap(QStringLiteral(":/about/manina.png")), 12, 1);
    const char *iconNames[] = {"imgWeb1", "imgWeb2"};
    const char *iconFiles[] = {":/about/web.png", ":/about/mail.png"};
    const char *linkNames[] = {"lblWeb0", "lblWeb1"};
    const int linkWidths[] = {2295, 2085};
    for (size_t i = 0; i < 2; ++i) {
        const int top = 1080 + int(i) * 600;
        imgWeb[i] = addLabel(iconNames[i], QRect(1380, top, 480, 480));
        imgWeb[i]->setPixmap(QPixmap(QLatin1String(iconFiles[i])));
        lblWeb[i] = addLabel(linkNames[i], QRect(2100, top + 120, linkWidths[i], 195));
        lblWeb[i]->setFont(windowsFont(kSansSerif, 8.25, false));
        lblWeb[i]->setText(about::linkCaption(int(i)));
        widenToText(lblWeb[i], picContainer->contentsRect());
        lblWeb[i]->setCursor(hand);
    }
}

void frmInfo::buildViewport()
{
    picsfondo = new about::SlideView(kWindowBackground, picContainer);
    picsfondo->setObjectName(QStringLiteral("picsfondo"));
    picsfondo->setGeometry(insidePanel(QRect(0, 2400, 4935, 975)));
    picsfondo->setToolTip(kExitTip);
    listenTo(picsfondo);
}

void frmInfo::lblWeb_MouseMove(int index)
{
    setLinkLook(lblWeb[size_t(index)], true);
}

void frmInfo::picContainer_MouseMove()
{
    for (QLabel *link : lblWeb)
        setLinkLook(link, false);
}

} // namespace tandara
