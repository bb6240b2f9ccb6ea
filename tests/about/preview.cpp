// Opens the About window on its own, for looking at it and for the
// screenshot in docs/about.png:
//   xvfb-run -a -s '-screen 0 1280x1024x24' about_preview &
//   sleep 6; /usr/bin/import -window root docs/about.png
#include "about/frminfo.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    tandara::frmInfo::showInfo();
    return app.exec();
}
