#pragma once
// Window handles for widgets. CAnimate keeps its parent window and its
// animation window as 32-bit handles; these numbers stand for widgets. A
// widget gets its handle on first request and keeps it until it is
// destroyed; handles are never reused.

#include "animation/animationsystem.h"

class QWidget;

namespace tandara {

// The widget's handle (0 for nullptr), given out on first request.
WindowHandle windowHandle(QWidget *widget);
// The widget a handle stands for; nullptr when unknown or destroyed.
QWidget *windowFromHandle(WindowHandle handle);

} // namespace tandara
