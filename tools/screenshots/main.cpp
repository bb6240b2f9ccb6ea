// tandara-screenshots DOCS_FOLDER
//
// Drives the main window through a scan, a copy and a delete of 1,000
// files in temporary trees and saves what the screen shows at each step:
// mainwindow.png, copy.png and delete.png; then through a scan of modified
// documents: modified.png and tooltip.png. Run it under a real X server:
//   xvfb-run -a -s '-screen 0 1280x1024x24' build/bin/tandara-screenshots docs

#include "shots.h"

#include "foldertree/folderwalk.h"
#include "mainwindow/frmmain.h"
#include "widgets/messageseam.h"
#include "widgets/resultlistview.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace tandara;

namespace tandara {

void grab(const QWidget &window, const QString &path)
{
    QApplication::processEvents();
    const QRect area = window.frameGeometry().adjusted(-20, -20, 20, 20);
    QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(path);
}

void writeFile(const QString &path, int size, qint64 mtime)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(size, 'x'));
    file.flush();
    file.setFileTime(QDateTime::fromSecsSinceEpoch(mtime), QFileDevice::FileModificationTime);
}

} // namespace tandara

namespace {

// Answers Yes to deleting and No to removing folders; every message and
// question is written to the error output.
class ScriptedAnswers : public MessageSeam {
public:
    MsgAnswer show(QWidget *, const MessageRequest &request) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(request.text));
        if (request.buttons == MsgButtons::Ok)
            return MsgAnswer::Ok;
        return request.text.startsWith(QStringLiteral("Eliminare")) ? MsgAnswer::Yes : MsgAnswer::No;
    }
};

void makeFiles(const QString &root, int count, const QString &prefix)
{
    for (int i = 0; i < count; ++i) {
        const QString folder = root + QStringLiteral("/Foto/%1").arg(2000 + i / 100);
        QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/%1%2.jpg").arg(prefix).arg(i, 4, 10, QLatin1Char('0')));
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(1000 + i * 37 % 5000, 'x'));
    }
}

// Grabs the screen once the running command has handled `after` rows of
// list k, while its progress dialog is up.
void grabDuring(frmMain &window, int k, int after, const QString &path)
{
    auto *timer = new QTimer(&window);
    const int start = window.models[k]->rowCount();
    QObject::connect(timer, &QTimer::timeout, [&window, timer, k, start, after, path] {
        if (window.progressDialog() && start - window.models[k]->rowCount() >= after) {
            timer->stop();
            grab(window, path);
        }
    });
    timer->start(0);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QString docs = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QTemporaryDir origin, dest;
    makeFiles(origin.path(), 1000, QStringLiteral("mare"));
    makeFiles(dest.path(), 1000, QStringLiteral("monti"));
    ScriptedAnswers answers;
    setMessageSeam(&answers);

    frmMain window;
    window.show();
    selectFolderPath(*window.flvList[0], QFile::encodeName(origin.path()));
    selectFolderPath(*window.flvList[1], QFile::encodeName(dest.path()));
    window.cpvScansione_Click();
    window.lvFiles[0]->selectRow(3);
    grab(window, docs + QStringLiteral("/mainwindow.png"));

    window.lvFiles[0]->selectAllRows();
    grabDuring(window, 0, 400, docs + QStringLiteral("/copy.png"));
    window.Copia(0);

    window.lvFiles[1]->selectAllRows();
    window.m_iLvCorrente = 1;
    grabDuring(window, 1, 400, docs + QStringLiteral("/delete.png"));
    window.Elimina();
    QApplication::processEvents();

    shootModified(window, docs);
    setMessageSeam(nullptr);
    return 0;
}
