#pragma once
// The animation window itself: a child widget that shows a decoded clip
// and plays it with a timer at the clip's own frame time.
//
// Style bits (animationsystem.h): ACS_CENTER draws the clip in the middle
// of the widget, otherwise opening a clip resizes the widget to the clip's
// frame size; ACS_AUTOPLAY plays a clip over and over as soon as it opens;
// ACS_TRANSPARENT leaves the clip's background colour out, so the parent
// shows through it.

#include "animation/clip.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

namespace tandara {

class AnimationWidget : public QWidget {
    Q_OBJECT
public:
    AnimationWidget(uint32_t style, QWidget *parent);

    // Stops any playing, replaces the clip and shows its first frame.
    // Nothing (a clip that could not be read) leaves the widget empty.
    // True when a clip is open.
    bool open(std::optional<Clip> clip);
    // Plays frames from..to (clamped to the last frame) repeat times, or
    // over and over for a negative repeat. False without a clip or with an
    // empty range or a repeat of 0.
    bool play(int repeat, int from, int to);
    void stop();

    bool isPlaying() const { return timer_.isActive(); }
    int currentFrame() const { return frame_; }
    const std::optional<Clip> &clip() const { return clip_; }
    uint32_t style() const { return style_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void nextFrame();

    uint32_t style_;
    std::optional<Clip> clip_;
    std::vector<QImage> shown_; // the frames as drawn
    QTimer timer_;
    int frame_ = 0;
    int from_ = 0;
    int to_ = 0;
    int repeatsLeft_ = 0; // negative: without end
};

} // namespace tandara
