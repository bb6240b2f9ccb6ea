#pragma once
// A window system that only records the calls it gets, one line each,
// and answers with values the test chooses.

#include "animation/animationsystem.h"

#include <string>
#include <vector>

namespace tandara::test {

class FakeAnimationSystem : public AnimationSystem {
public:
    // Answers: the next window handle (0: creation fails) and the results
    // of the three animation messages.
    WindowHandle nextWindow = 10;
    intptr_t openResult = 1;
    intptr_t playResult = 1;
    intptr_t stopResult = 1;

    std::vector<std::string> calls;

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

    // The calls recorded since the last take, which empties the record.
    std::vector<std::string> take();
};

} // namespace tandara::test
