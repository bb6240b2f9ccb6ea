#pragma once
// The pictures compiled into the controls library (drawn by
// tools/makeart) and the call that makes them available.

namespace tandara {

// Registers the pictures with Qt's resource system; safe to call often.
// Every class of this library that uses them calls it; other windows that
// read the paths below directly call it before their first use.
void initControlResources();

namespace res {
inline constexpr const char *kSfondo = ":/mainwindow/sfondo.jpg";       // 672 x 542 background
inline constexpr const char *kBarra = ":/shared/barra.jpg";             // 592 x 25 title-bar strip
inline constexpr const char *kMinimizza = ":/mainwindow/titlebar/minimizza.png";   // 21 x 20
inline constexpr const char *kMassimizza = ":/mainwindow/titlebar/massimizza.png"; // 21 x 20
inline constexpr const char *kChiudi = ":/mainwindow/titlebar/chiudi.png";         // 21 x 20
inline constexpr const char *kScansione = ":/mainwindow/buttons/scansione.png";    // 24 x 24
inline constexpr const char *kAutore = ":/mainwindow/buttons/autore.png";          // 24 x 24
inline constexpr const char *kEsci = ":/mainwindow/buttons/esci.png";              // 24 x 24
inline constexpr const char *kTreeDesktop = ":/mainwindow/tree/desktop.png";       // 16 x 16
inline constexpr const char *kTreeComputer = ":/mainwindow/tree/computer.png";
inline constexpr const char *kTreeDrive = ":/mainwindow/tree/drive.png";
inline constexpr const char *kTreeHome = ":/mainwindow/tree/home.png";
inline constexpr const char *kTreeFolder = ":/mainwindow/tree/folder.png";
inline constexpr const char *kTreeFile = ":/mainwindow/tree/file.png";
// The image list's pictures are ":/mainwindow/imlico/<key>.png"; the
// program's icon set is in programicon.h.
} // namespace res

} // namespace tandara
