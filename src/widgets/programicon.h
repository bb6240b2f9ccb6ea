#pragma once
// The program's icon set, drawn by tools/makeart and compiled in with the
// window kit's pictures. The same files are installed into the hicolor theme.

#include <QIcon>

namespace tandara {

// Every size of the set, in pixels; each is ":/widgets/appicon/<size>.png".
inline constexpr int kProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon with one picture per size, for every window of the program.
QIcon programIcon();

} // namespace tandara
