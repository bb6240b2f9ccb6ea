#include "qtanimationsystem.h"

#include "animation/animationwidget.h"
#include "animation/canimate.h"
#include "animation/clipsource.h"
#include "animation/windowregistry.h"

#include <QWidget>

#include <cstring>

// The clip resources live in this static library; registering them by
// hand keeps the linker from dropping them.
static void registerClipResources()
{
    Q_INIT_RESOURCE(clips);
}

namespace tandara {

namespace {

AnimationWidget *animationWidget(WindowHandle window)
{
    return qobject_cast<AnimationWidget *>(windowFromHandle(window));
}

std::optional<Clip> clipFor(intptr_t lParam)
{
    const std::optional<QByteArray> bytes = isIntResource(lParam)
        ? readClipResource(int(lParam))
        : readClipFile(reinterpret_cast<const char *>(lParam));
    return bytes ? loadClip(*bytes) : std::nullopt;
}

intptr_t animationMessage(AnimationWidget *widget, uint32_t message, uintptr_t wParam,
                          intptr_t lParam)
{
    switch (message) {
    case ACM_OPENA:
        return widget->open(clipFor(lParam));
    case ACM_PLAY: {
        const auto range = static_cast<uint32_t>(lParam);
        return widget->play(static_cast<int32_t>(wParam), int(range & 0xFFFF), int(range >> 16));
    }
    case ACM_STOP:
        widget->stop();
        return 1;
    default:
        return 0;
    }
}

AnimationSystem *installed = nullptr;

} // namespace

QtAnimationSystem::QtAnimationSystem()
{
    registerClipResources();
}

void QtAnimationSystem::initCommonControls(uint32_t)
{
    // The animation widget needs no registration.
}

WindowHandle QtAnimationSystem::createWindow(uint32_t, const char *className, uint32_t style,
                                             int32_t x, int32_t y, int32_t width,
                                             int32_t height, WindowHandle parent)
{
    QWidget *parentWidget = windowFromHandle(parent);
    if (!parentWidget || std::strcmp(className, kAnimateClass) != 0)
        return 0;
    auto *widget = new AnimationWidget(style, parentWidget);
    widget->setGeometry(x, y, width, height);
    widget->setVisible(style & WS_VISIBLE);
    return windowHandle(widget);
}

bool QtAnimationSystem::destroyWindow(WindowHandle window)
{
    AnimationWidget *widget = animationWidget(window);
    delete widget;
    return widget != nullptr;
}

bool QtAnimationSystem::showWindow(WindowHandle window, int command)
{
    QWidget *widget = windowFromHandle(window);
    if (!widget)
        return false;
    widget->setVisible(command != SW_HIDE);
    return true;
}

bool QtAnimationSystem::moveWindow(WindowHandle window, int32_t x, int32_t y, int32_t width,
                                   int32_t height, bool repaint)
{
    QWidget *widget = windowFromHandle(window);
    if (!widget)
        return false;
    widget->setGeometry(x, y, width, height);
    if (repaint)
        widget->update();
    return true;
}

intptr_t QtAnimationSystem::sendMessage(WindowHandle window, uint32_t message,
                                        uintptr_t wParam, intptr_t lParam)
{
    if (message == WM_PAINT) {
        if (QWidget *widget = windowFromHandle(window))
            widget->update();
        return 0;
    }
    AnimationWidget *widget = animationWidget(window);
    return widget ? animationMessage(widget, message, wParam, lParam) : 0;
}

AnimationSystem &animationSystem()
{
    static QtAnimationSystem qt;
    return installed ? *installed : qt;
}

void setAnimationSystem(AnimationSystem *system)
{
    installed = system;
}

CAnimate::CAnimate()
    : CAnimate(animationSystem())
{
}

} // namespace tandara
