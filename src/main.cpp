#include "mainwindow/frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tandara"));
    tandara::frmMain window;
    window.show();
    return app.exec();
}
