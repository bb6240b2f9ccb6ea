#include "packagingtools.h"

#include "widgets/programicon.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>

namespace tandara::test {

ToolRun runTool(const QString &program, const QStringList &args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DESTDIR"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QStringLiteral(TANDARA_BUILD_DIR));
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    ToolRun run;
    if (!process.waitForFinished(300000)) {
        run.output = process.errorString();
        return run;
    }
    run.output = QString::fromUtf8(process.readAll());
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    return run;
}

QString findTool(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

QStringList filesUnder(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

QStringList expectedInstall()
{
    QStringList files = {
        QStringLiteral("bin/tandara"),
        QStringLiteral("share/applications/%1.desktop").arg(kAppId),
        QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId),
        QStringLiteral("share/doc/tandara/copyright"),
    };
    for (int size : kProgramIconSizes)
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kAppId);
    files.sort();
    return files;
}

} // namespace tandara::test
