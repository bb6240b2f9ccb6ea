#include "animationwidget.h"

#include "animation/animationsystem.h"

#include <QPainter>

#include <algorithm>

namespace tandara {

namespace {

// The frames in the form they are painted; with transparent the clip's
// background index becomes fully transparent.
std::vector<QImage> framesToShow(const Clip &clip, bool transparent)
{
    QList<QRgb> colours = clip.frames.front().colorTable();
    if (transparent)
        colours[clip.backgroundIndex()] = qRgba(0, 0, 0, 0);
    std::vector<QImage> shown;
    for (QImage frame : clip.frames) {
        frame.setColorTable(colours);
        shown.push_back(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    return shown;
}

} // namespace

AnimationWidget::AnimationWidget(uint32_t style, QWidget *parent)
    : QWidget(parent)
    , style_(style)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &AnimationWidget::nextFrame);
}

bool AnimationWidget::open(std::optional<Clip> clip)
{
    stop();
    clip_ = std::move(clip);
    shown_.clear();
    frame_ = 0;
    update();
    if (!clip_)
        return false;
    shown_ = framesToShow(*clip_, style_ & ACS_TRANSPARENT);
    if (!(style_ & ACS_CENTER))
        resize(clip_->frameSize);
    if (style_ & ACS_AUTOPLAY)
        play(-1, 0, 0xFFFF);
    return true;
}

bool AnimationWidget::play(int repeat, int from, int to)
{
    if (!clip_ || repeat == 0)
        return false;
    to = std::min(to, int(shown_.size()) - 1);
    if (from < 0 || from > to)
        return false;
    from_ = from;
    to_ = to;
    frame_ = from;
    repeatsLeft_ = repeat;
    timer_.start(std::max(1, int(clip_->microSecPerFrame / 1000)));
    update();
    return true;
}

void AnimationWidget::stop()
{
    timer_.stop();
}

void AnimationWidget::nextFrame()
{
    if (frame_ < to_) {
        ++frame_;
    } else if (repeatsLeft_ > 0 && --repeatsLeft_ == 0) {
        stop();
        return;
    } else {
        frame_ = from_;
    }
    update();
}

void AnimationWidget::paintEvent(QPaintEvent *)
{
    if (shown_.empty())
        return;
    QPainter painter(this);
    const QImage &frame = shown_[frame_];
    if (!(style_ & ACS_TRANSPARENT))
        painter.fillRect(rect(), clip_->frames.front().color(clip_->backgroundIndex()));
    QPoint at(0, 0);
    if (style_ & ACS_CENTER)
        at = QPoint((width() - frame.width()) / 2, (height() - frame.height()) / 2);
    painter.drawImage(at, frame);
}

} // namespace tandara
