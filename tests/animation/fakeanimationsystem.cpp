#include "fakeanimationsystem.h"

#include <cstdio>

namespace tandara::test {

namespace {

std::string hex(uint64_t value)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string messageName(uint32_t message)
{
    switch (message) {
    case ACM_OPENA: return "open";
    case ACM_PLAY: return "play";
    case ACM_STOP: return "stop";
    case WM_PAINT: return "paint";
    default: return hex(message);
    }
}

std::string parameter(uint32_t message, intptr_t lParam)
{
    if (message == ACM_OPENA && !isIntResource(lParam)) {
        std::string quoted(1, '"');
        quoted.append(reinterpret_cast<const char *>(lParam)).push_back('"');
        return quoted;
    }
    if (message == ACM_PLAY)
        return hex(static_cast<uint32_t>(lParam));
    return std::to_string(lParam);
}

} // namespace

void FakeAnimationSystem::initCommonControls(uint32_t classes)
{
    calls.push_back("init " + hex(classes));
}

WindowHandle FakeAnimationSystem::createWindow(uint32_t exStyle, const char *className,
                                               uint32_t style, int32_t x, int32_t y,
                                               int32_t width, int32_t height, WindowHandle parent)
{
    calls.push_back("create " + std::to_string(exStyle) + " " + className + " " + hex(style) + " "
                    + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(width)
                    + "x" + std::to_string(height) + " in " + std::to_string(parent) + " -> "
                    + std::to_string(nextWindow));
    return nextWindow ? nextWindow++ : 0;
}

bool FakeAnimationSystem::destroyWindow(WindowHandle window)
{
    calls.push_back("destroy " + std::to_string(window));
    return true;
}

bool FakeAnimationSystem::showWindow(WindowHandle window, int command)
{
    calls.push_back("show " + std::to_string(window) + " " + std::to_string(command));
    return true;
}

bool FakeAnimationSystem::moveWindow(WindowHandle window, int32_t x, int32_t y, int32_t width,
                                     int32_t height, bool repaint)
{
    calls.push_back("move " + std::to_string(window) + " " + std::to_string(x) + ","
                    + std::to_string(y) + " " + std::to_string(width) + "x"
                    + std::to_string(height) + (repaint ? " repaint" : ""));
    return true;
}

intptr_t FakeAnimationSystem::sendMessage(WindowHandle window, uint32_t message,
                                          uintptr_t wParam, intptr_t lParam)
{
    calls.push_back(messageName(message) + " " + std::to_string(window) + " "
                    + std::to_string(static_cast<int32_t>(wParam)) + " "
                    + parameter(message, lParam));
    switch (message) {
    case ACM_OPENA: return openResult;
    case ACM_PLAY: return playResult;
    case ACM_STOP: return stopResult;
    default: return 0;
    }
}

std::vector<std::string> FakeAnimationSystem::take()
{
    std::vector<std::string> taken;
    taken.swap(calls);
    return taken;
}

} // namespace tandara::test
