#pragma once
// The pictures of the main window, each drawn from nothing by a function.

#include <QImage>
#include <QString>
#include <vector>

namespace makeart {

struct Picture {
    QString file; // relative to the output folder; the suffix picks the format
    QImage image;
};

// Background of the main window and the shared title-bar strip.
std::vector<Picture> backgrounds();
// The seven 16 x 16 pictures of the result lists' image list.
std::vector<Picture> listIcons();
// The program's icon at every size of the icon set: appicon/<size>.png.
std::vector<Picture> programIcons();
// Title-bar buttons and the pictures of the command buttons.
std::vector<Picture> buttonPictures();
// The small pictures of the folder trees.
std::vector<Picture> treeIcons();

} // namespace makeart
