// tandara-makeabout OUTDIR: writes the About window's pictures as PNG files
// into OUTDIR (normally src/about/res).
#include "drawings.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

bool save(const QImage &image, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tandara-makeabout OUTDIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int frame = 0; frame < 4; ++frame)
        ok &= save(makeabout::logoFrame(frame), dir, QStringLiteral("logo%1.png").arg(frame));
    ok &= save(makeabout::webIcon(), dir, QStringLiteral("web.png"));
    ok &= save(makeabout::mailIcon(), dir, QStringLiteral("mail.png"));
    ok &= save(makeabout::handPointer(), dir, QStringLiteral("manina.png"));
    return ok ? 0 : 1;
}
