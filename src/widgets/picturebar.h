#pragma once
// A picture bar: a strip that draws a stretched picture as its background,
// can have text printed into it, and serves a window as its title bar.
//
// A left press on a bar that has a drag window moves that window: through
// the window system when it can (Trascina), by following the mouse itself
// otherwise.

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace tandara {

class PictureBar : public QWidget {
    Q_OBJECT
public:
    explicit PictureBar(QWidget *parent = nullptr);

    // Draws picture stretched into target (bar pixels); the part outside
    // the bar is cut off.
    void paintPicture(const QPixmap &picture, const QRect &target);
    // Prints text at the current print position in the bar's font and
    // colour; the position moves on past the text, as a printer's would.
    void printText(const QString &text);
    void setPrintPosition(QPoint position) { printPosition_ = position; }
    QString printedText() const;

    void setDragWindow(QWidget *window) { dragWindow_ = window; }

signals:
    void pressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Printed {
        QPoint at;
        QString text;
    };
    QPixmap picture_;
    QRect target_;
    QList<Printed> printed_;
    QPoint printPosition_;
    QWidget *dragWindow_ = nullptr;
    bool draggingByHand_ = false;
    QPoint grabOffset_;
};

} // namespace tandara
