#pragma once
// The viewport of the scrolling text. It shows the finished text picture
// at the offset of the latest copy; each copy is one block transfer of the
// picture, cut to the viewport, and no text is drawn here.

#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

namespace tandara::about {

class SlideView : public QWidget {
    Q_OBJECT
public:
    SlideView(const QColor &background, QWidget *parent);

    // The picture to copy from, set once when the window loads.
    void setPicture(const QImage &picture);
    // Copies the picture with its top-left corner at `at` (viewport pixels).
    void copyAt(QPoint at);
    // Where the latest copy went; before the first, just below the viewport,
    // so that it starts empty.
    QPoint copiedAt() const { return at_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
    QPoint at_;
};

} // namespace tandara::about
