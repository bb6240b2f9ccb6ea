// Writes every picture of the main window into the folder given as the one
// argument (normally src/widgets/res). Run it on the offscreen platform.
#include "art.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool write(const QString &folder, const makeart::Picture &picture)
{
    const QString path = QDir(folder).filePath(picture.file);
    QDir().mkpath(QFileInfo(path).path());
    const bool jpeg = path.endsWith(QLatin1String(".jpg"));
    if (picture.image.save(path, jpeg ? "JPG" : "PNG", jpeg ? 92 : -1))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tandara-makeart OUTPUT-FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (const auto &group : {makeart::backgrounds(), makeart::listIcons(),
                              makeart::programIcons(),
                              makeart::buttonPictures(), makeart::treeIcons()}) {
        for (const makeart::Picture &picture : group)
            ok = write(folder, picture) && ok;
    }
    return ok ? 0 : 1;
}
