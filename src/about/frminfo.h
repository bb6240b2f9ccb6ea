#pragma once
// The About window: the author's notice, an animated logo, two contact
// links and a viewport in which the program's help text scrolls upwards
// without end, pausing at each paragraph. A click on a link opens it and
// closes the window; a click almost anywhere else just closes it.
//
// The window is frameless, modeless and has no owner widget. It deletes itself
// when closed; it is a top-level widget named "frmInfo", so the program's
// exit sequence closes it with the other top-level windows.

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QFrame;
class QLabel;

namespace tandara {

class PictureBar;

namespace about {
class SlideScroll;
class SlideView;
} // namespace about

class frmInfo : public QWidget {
    Q_OBJECT
public:
    // Opens the About window, or only brings it to the front when it is
    // already open (its scroll goes on where it was). On native Wayland
    // owner's window becomes its transient parent.
    static frmInfo *showInfo(QWidget *owner = nullptr);

    // The font of the scrolling text: Arial's stand-in, bold, at the size
    // that gives the 16 px text height the pause positions are laid out
    // for, and keeps the longest line within the text picture.
    static QFont textFont();

    ~frmInfo() override;

public slots:
    // Scroll tick (every 30 ms): one copy of the text picture into the
    // viewport, one pixel higher than the last; pauses three seconds at the
    // paragraph positions.
    void tmrSlider_Timer();
    // Logo tick (every 200 ms): the next of the four logo frames.
    void tmrImage_Timer();

signals:
    // The window is closing; a running pause ends at once.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmInfo();
    void Form_Load();
    void buildBars();
    void buildContainer();
    void buildHeading();
    void buildLinks();
    void buildViewport();
    QRect insidePanel(const QRect &twips) const;
    QLabel *addLabel(const char *name, const QRect &twips);
    void listenTo(QWidget *control);
    void paintBars();
    void prepareText();
    void Sleep(int iSec);

    bool mouseMovedOver(QObject *control);
    bool clickedOn(QObject *control, const QMouseEvent *event);
    int linkIndex(const QObject *control) const;
    void lblWeb_MouseMove(int index);
    void picContainer_MouseMove();
    void lblWeb_Click(int index);

    std::array<PictureBar *, 2> picBarra{};
    QFrame *picContainer = nullptr;
    std::array<QLabel *, 3> lblInt{};
    QLabel *imgAnim = nullptr;
    std::array<QPixmap, 4> m_frames;
    std::array<QLabel *, 2> imgWeb{}; // the icons of indices 1 and 2
    std::array<QLabel *, 2> lblWeb{};
    about::SlideView *picsfondo = nullptr;
    std::unique_ptr<about::SlideScroll> m_scroll;
    QTimer tmrImage;
    QTimer tmrSlider;
    int16_t iFotogramma = 0;
    bool m_bClosed = false;
    bool m_bInPause = false;
    bool m_bDeleteAfterPause = false;
};

} // namespace tandara
