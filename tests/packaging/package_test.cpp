// The .deb, built by CPack into a temporary folder from the build's own
// package configuration, read back with dpkg-deb.
#include "packagingtools.h"

#include "version.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace tandara::test {
namespace {

// The control fields that `dpkg-deb --info` prints (" Name: value").
std::map<QString, QString> controlFields(const QString &info)
{
    static const QRegularExpression field(QStringLiteral("^ ([A-Za-z-]+): (.*)$"),
                                          QRegularExpression::MultilineOption);
    std::map<QString, QString> fields;
    for (auto it = field.globalMatch(info); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        fields[m.captured(1)] = m.captured(2);
    }
    return fields;
}

// The package names of a Depends field, without their versions.
QStringList dependencyNames(const QString &depends)
{
    QStringList names;
    for (const QString &item : depends.split(u',', Qt::SkipEmptyParts))
        names << item.trimmed().section(u' ', 0, 0);
    return names;
}

TEST(DebianPackage, CarriesTheInstalledFilesTheirModesAndTheDependencies)
{
    for (const char *tool : {"dpkg", "dpkg-deb", "dpkg-shlibdeps"})
        if (findTool(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed: no .deb can be made here";
    QTemporaryDir out;
    const ToolRun pack = runTool(QStringLiteral(TANDARA_CPACK),
                                 {QStringLiteral("--config"), QStringLiteral(TANDARA_BUILD_DIR "/CPackConfig.cmake"),
                                  QStringLiteral("-B"), out.path()});
    ASSERT_EQ(pack.exitCode, 0) << pack.output.toStdString();
    const QString arch = runTool(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).output.trimmed();
    const QString deb = out.filePath(QStringLiteral("tandara_" TANDARA_VERSION "_%1.deb").arg(arch));
    ASSERT_TRUE(QFileInfo::exists(deb)) << pack.output.toStdString();

    const ToolRun info = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--info"), deb});
    ASSERT_EQ(info.exitCode, 0) << info.output.toStdString();
    std::map<QString, QString> fields = controlFields(info.output);
    EXPECT_EQ(fields[QStringLiteral("Package")], QStringLiteral("tandara"));
    EXPECT_EQ(fields[QStringLiteral("Version")], QStringLiteral(TANDARA_VERSION));
    EXPECT_EQ(fields[QStringLiteral("Architecture")], arch);
    EXPECT_EQ(fields[QStringLiteral("Section")], QStringLiteral("utils"));
    EXPECT_EQ(fields[QStringLiteral("Maintainer")], QStringLiteral("Il team di Tandara <info@tandara.example.org>"));
    EXPECT_EQ(fields[QStringLiteral("Homepage")], QStringLiteral("https://tandara.example.org"));
    const QStringList depends = dependencyNames(fields[QStringLiteral("Depends")]);
    for (const char *needed : {"qt6-qpa-plugins", "libqt6widgets6", "libqt6gui6", "libqt6core6", "libc6", "libstdc++6"})
        EXPECT_TRUE(depends.contains(QString::fromLatin1(needed))) << needed << " missing from: "
                                                                   << fields[QStringLiteral("Depends")].toStdString();

    // "-rwxr-xr-x root/root 479264 2026-12-08 11:23 ./usr/bin/tandara"
    const ToolRun contents = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb});
    ASSERT_EQ(contents.exitCode, 0) << contents.output.toStdString();
    QStringList files;
    for (const QString &line : contents.output.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList columns = line.split(u' ', Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 6) << line.toStdString();
        const QString &mode = columns.first(), &path = columns.last();
        EXPECT_EQ(columns[1], QStringLiteral("root/root")) << line.toStdString();
        EXPECT_TRUE(path.startsWith(QLatin1String("./usr/"))) << line.toStdString();
        if (mode.startsWith(u'd')) {
            EXPECT_EQ(mode, QStringLiteral("drwxr-xr-x")) << line.toStdString();
            continue;
        }
        files << path.mid(6);
        const bool program = files.last().startsWith(QLatin1String("bin/"));
        EXPECT_EQ(mode, program ? QStringLiteral("-rwxr-xr-x") : QStringLiteral("-rw-r--r--")) << line.toStdString();
    }
    files.sort();
    EXPECT_EQ(files, expectedInstall());
}

} // namespace
} // namespace tandara::test
