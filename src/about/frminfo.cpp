#include "frminfo.h"

#include "infotext.h"
#include "linkopener.h"
#include "pausewait.h"
#include "slidescroll.h"
#include "slideview.h"
#include "textpicture.h"

#include "widgets/looks.h"
#include "widgets/picturebar.h"
#include "widgets/programicon.h"
#include "widgets/resources.h"
#include "widgets/twips.h"
#include "widgets/windowshape.h"
#include "widgets/windowsystem.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>

// The window's pictures live in a static library: registered by name,
// outside any namespace, once.
static void registerAboutPictures()
{
    Q_INIT_RESOURCE(about);
}

static void initAboutResources()
{
    static const bool registered = (registerAboutPictures(), true);
    Q_UNUSED(registered);
}

namespace tandara {

frmInfo *frmInfo::showInfo(QWidget *owner)
{
    static QPointer<frmInfo> open;
    if (open && !open->m_bClosed) {
        open->raise();
        open->activateWindow();
        return open;
    }
    open = new frmInfo;
    tieToOwner(open, owner);
    open->show();
    return open;
}

QFont frmInfo::textFont()
{
    return windowsFont(kArial, 10.5, true);
}

frmInfo::frmInfo() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
{
    initAboutResources();
    setObjectName(QStringLiteral("frmInfo"));
    setAttribute(Qt::WA_DeleteOnClose);
    Form_Load();
}

frmInfo::~frmInfo() = default;

void frmInfo::Form_Load()
{
    setWindowTitle(about::infoCaption());
    setWindowIcon(programIcon());
    storeTwipsPerPixel();
    setFixedSize(twipsToPxX(5025), twipsToPxY(4200));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kWindowBackground);
    setPalette(colours);
    setAutoFillBackground(true);

    buildContainer();
    buildBars();
    paintBars();
    Arrotonda(this, picBarra[0]);
    prepareText();

    connect(&tmrImage, &QTimer::timeout, this, &frmInfo::tmrImage_Timer);
    connect(&tmrSlider, &QTimer::timeout, this, &frmInfo::tmrSlider_Timer);
    tmrImage.start(200);
    tmrSlider.start(30);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmInfo::paintBars()
{
    // The shared title-bar picture, 150 twips over each end of the bar.
    // Without it the bars show their background colour.
    initWidgetResources();
    const QPixmap barra(QString::fromLatin1(res::kBarra));
    if (barra.isNull())
        return;
    const QRect target(twipsToPxX(-150), 0, twipsToPxX(5325), twipsToPxY(375));
    for (PictureBar *bar : picBarra)
        bar->paintPicture(barra, target);
}

void frmInfo::prepareText()
{
    const QStringList lines = about::infoLines();
    about::TextPicture text(twipsToPxX(4875), textFont(), kWindowBackground,
                            int(lines.size()));
    for (const QString &line : lines)
        text.PrintText(line);
    picsfondo->setPicture(text.image());
    m_scroll = std::make_unique<about::SlideScroll>(picsfondo->height(), text.image().height(),
                                                    text.image().width());
}

void frmInfo::tmrSlider_Timer()
{
    picsfondo->copyAt(QPoint(m_scroll->posX(), m_scroll->posY()));
    if (m_scroll->advance())
        Sleep(3);
}

void frmInfo::Sleep(int iSec)
{
    // The scroll timer stands still while the nested loop serves the other
    // events (logo, hover, clicks); a close ends the wait at once.
    tmrSlider.stop();
    m_bInPause = true;
    about::PauseWait pause;
    connect(this, &frmInfo::closing, &pause, &about::PauseWait::cancel);
    pause.wait(iSec * 1000);
    m_bInPause = false;
    if (m_bDeleteAfterPause)
        deleteLater();
    else if (!m_bClosed)
        tmrSlider.start();
}

void frmInfo::tmrImage_Timer()
{
    ++iFotogramma;
    if (iFotogramma > 3)
        iFotogramma = 0;
    imgAnim->setPixmap(m_frames[size_t(iFotogramma)]);
}

void frmInfo::closeEvent(QCloseEvent *event)
{
    TogliContorno(this);
    tmrSlider.stop();
    tmrImage.stop();
    m_bClosed = true;
    if (m_bInPause) {
        // The scroll tick that paused is still on the stack: the window
        // may only go once that tick has returned.
        setAttribute(Qt::WA_DeleteOnClose, false);
        m_bDeleteAfterPause = true;
    }
    emit closing();
    event->accept();
}

void frmInfo::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        close();
}

bool frmInfo::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        return mouseMovedOver(watched);
    case QEvent::MouseButtonRelease:
        return clickedOn(watched, static_cast<const QMouseEvent *>(event));
    default:
        return false;
    }
}

int frmInfo::linkIndex(const QObject *control) const
{
    for (size_t i = 0; i < lblWeb.size(); ++i)
        if (lblWeb[i] == control)
            return int(i);
    return -1;
}

bool frmInfo::mouseMovedOver(QObject *control)
{
    const int link = linkIndex(control);
    if (link >= 0)
        lblWeb_MouseMove(link);
    else if (control == picContainer)
        picContainer_MouseMove();
    // Moves over the other controls change nothing, and must not reach the
    // panel beneath them.
    return true;
}

bool frmInfo::clickedOn(QObject *control, const QMouseEvent *event)
{
    const auto *widget = static_cast<const QWidget *>(control);
    if (event->button() != Qt::LeftButton || !widget->rect().contains(event->position().toPoint()))
        return true;
    const int link = linkIndex(control);
    if (link >= 0)
        lblWeb_Click(link);
    else
        close();
    return true;
}

void frmInfo::lblWeb_Click(int index)
{
    about::Navigate(this, about::linkAddress(index, lblWeb[size_t(index)]->text()));
    close();
}

} // namespace tandara
