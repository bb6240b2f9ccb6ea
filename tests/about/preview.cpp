// Opens the About window on its own, for looking at it and for the
// screenshot in docs/about.png, taken ten seconds after opening (the
// second pause) and cut to the window:
//   xvfb-run -a -s '-screen 0 1280x1024x24' sh -c 'about_preview & sleep 10;
//     /usr/bin/import -window root shot.png; kill $!'
//   /usr/bin/convert shot.png -crop 335x280+472+372 +repage docs/about.png
#include "about/frminfo.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    tandara::frmInfo::showInfo();
    return app.exec();
}
