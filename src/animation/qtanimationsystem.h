#pragma once
// The animation windows of the program: each window is an AnimationWidget
// inside the parent widget, and handles are those of windowregistry.h, so
// a CAnimate's Parent is windowHandle(parentWidget).
//
// ACM_OPENA opens the clip resource ":/clips/<number>" (compiled into this
// library: 101 copy, 102 delete) or, for a file name, that file.

#include "animation/animationsystem.h"

namespace tandara {

class QtAnimationSystem final : public AnimationSystem {
public:
    QtAnimationSystem();

    void initCommonControls(uint32_t classes) override;
    WindowHandle createWindow(uint32_t exStyle, const char *className, uint32_t style,
                              int32_t x, int32_t y, int32_t width, int32_t height,
                              WindowHandle parent) override;
    bool destroyWindow(WindowHandle window) override;
    bool showWindow(WindowHandle window, int command) override;
    bool moveWindow(WindowHandle window, int32_t x, int32_t y, int32_t width, int32_t height,
                    bool repaint) override;
    intptr_t sendMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                         intptr_t lParam) override;
};

// The window system that CAnimate() drives: the Qt one unless a test
// installed another.
AnimationSystem &animationSystem();
// Installs system (not owned); nullptr goes back to the Qt one.
void setAnimationSystem(AnimationSystem *system);

} // namespace tandara
