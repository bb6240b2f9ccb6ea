#pragma once
// Running the build's tools and the system's checkers from the packaging
// tests, and what a complete install is made of.

#include <QString>
#include <QStringList>

namespace tandara::test {

inline const QString kAppId = QStringLiteral("org.example.tandara.Tandara");

struct ToolRun {
    int exitCode = -1; // -1 when the program could not start or crashed
    QString output;    // standard output and standard error together
};

// Runs program with args from the build folder, without any DESTDIR of the
// caller's environment.
ToolRun runTool(const QString &program, const QStringList &args);
// The path of a program on PATH, or empty when it is not installed.
QString findTool(const QString &name);
// Every file under root that is not a folder, relative to root, sorted.
QStringList filesUnder(const QString &root);
// The files that a complete install puts under its prefix, sorted.
QStringList expectedInstall();

} // namespace tandara::test
