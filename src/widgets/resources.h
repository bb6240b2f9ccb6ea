#pragma once
// The pictures compiled into the window kit (drawn by tools/makeart) and
// the call that makes them available.

namespace tandara {

// Registers the pictures with Qt's resource system; safe to call often.
// Every class that reads the paths below calls it before its first use.
void initWidgetResources();

namespace res {
inline constexpr const char *kSfondo = ":/widgets/sfondo.jpg";           // 672 x 542 background
inline constexpr const char *kBarra = ":/widgets/barra.jpg";             // 592 x 25 title-bar strip
inline constexpr const char *kMinimizza = ":/widgets/titlebar/minimizza.png"; // 21 x 20
inline constexpr const char *kMassimizza = ":/widgets/titlebar/massimizza.png"; // 21 x 20
inline constexpr const char *kChiudi = ":/widgets/titlebar/chiudi.png";  // 21 x 20
inline constexpr const char *kScansione = ":/widgets/buttons/scansione.png"; // 24 x 24
inline constexpr const char *kAutore = ":/widgets/buttons/autore.png";   // 24 x 24
inline constexpr const char *kEsci = ":/widgets/buttons/esci.png";       // 24 x 24
inline constexpr const char *kTreeDesktop = ":/widgets/tree/desktop.png"; // 16 x 16
inline constexpr const char *kTreeComputer = ":/widgets/tree/computer.png";
inline constexpr const char *kTreeDrive = ":/widgets/tree/drive.png";
inline constexpr const char *kTreeHome = ":/widgets/tree/home.png";
inline constexpr const char *kTreeFolder = ":/widgets/tree/folder.png";
inline constexpr const char *kTreeFile = ":/widgets/tree/file.png";
// The image list's pictures are ":/widgets/imlico/<key>.png"; the
// program's icon set is in programicon.h.
} // namespace res

} // namespace tandara
