#pragma once
// The window-system side of the animation control: the few calls CAnimate
// makes to create, show, move and drive its animation window, with the
// numbers the common-controls animation window understands. The program
// uses the Qt implementation (qtanimationsystem.h); tests put their own
// in its place to watch the calls.

#include <cstdint>

namespace tandara {

// A window handle: 0 is "no window".
using WindowHandle = int32_t;

// Window class of the animation window and its registration flag.
inline constexpr const char *kAnimateClass = "SysAnimate32";
inline constexpr uint32_t ICC_ANIMATE_CLASS = 0x80;

// Messages.
inline constexpr uint32_t WM_PAINT = 0x000F;
inline constexpr uint32_t ACM_OPENA = 0x0464;
inline constexpr uint32_t ACM_PLAY = 0x0465;
inline constexpr uint32_t ACM_STOP = 0x0466;

// Window styles.
inline constexpr uint32_t WS_CHILD = 0x40000000;
inline constexpr uint32_t WS_VISIBLE = 0x10000000;
inline constexpr uint32_t WS_CLIPSIBLINGS = 0x04000000;
inline constexpr uint32_t ACS_CENTER = 0x1;
inline constexpr uint32_t ACS_TRANSPARENT = 0x2;
inline constexpr uint32_t ACS_AUTOPLAY = 0x4;

// Show commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

// ACM_OPENA's second parameter is either a resource number (it fits in the
// low 16 bits) or the address of a file name as a C string.
inline bool isIntResource(intptr_t lParam)
{
    return (static_cast<uintptr_t>(lParam) >> 16) == 0;
}

// Packs two 16-bit words as ACM_PLAY's frame range (from low, to high).
inline constexpr intptr_t makeLong(uint16_t low, uint16_t high)
{
    return static_cast<intptr_t>((static_cast<uint32_t>(high) << 16) | low);
}

class AnimationSystem {
public:
    virtual ~AnimationSystem() = default;

    // Makes the animation window class available; classes are ICC_ flags.
    virtual void initCommonControls(uint32_t classes) = 0;
    // A new window; 0 when it cannot be made.
    virtual WindowHandle createWindow(uint32_t exStyle, const char *className, uint32_t style,
                                      int32_t x, int32_t y, int32_t width, int32_t height,
                                      WindowHandle parent) = 0;
    virtual bool destroyWindow(WindowHandle window) = 0;
    virtual bool showWindow(WindowHandle window, int command) = 0;
    virtual bool moveWindow(WindowHandle window, int32_t x, int32_t y, int32_t width,
                            int32_t height, bool repaint) = 0;
    virtual intptr_t sendMessage(WindowHandle window, uint32_t message, uintptr_t wParam,
                                 intptr_t lParam) = 0;
};

} // namespace tandara
