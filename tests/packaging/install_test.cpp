// `cmake --install` into a temporary prefix: exactly the program and its
// desktop files land, and the system's checkers accept them.
#include "packagingtools.h"

#include "version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace tandara::test {
namespace {

class InstalledTree : public ::testing::Test {
protected:
    // One install serves every test of the suite.
    static void SetUpTestSuite()
    {
        prefix_ = std::make_unique<QTemporaryDir>();
        install_ = runTool(QStringLiteral(TANDARA_CMAKE),
                           {QStringLiteral("--install"), QStringLiteral(TANDARA_BUILD_DIR),
                            QStringLiteral("--prefix"), prefix_->path()});
    }
    static void TearDownTestSuite() { prefix_.reset(); }

    void SetUp() override { ASSERT_EQ(install_.exitCode, 0) << install_.output.toStdString(); }

    static QString installed(const QString &relative) { return QDir(prefix_->path()).filePath(relative); }

    static inline std::unique_ptr<QTemporaryDir> prefix_;
    static inline ToolRun install_;
};

// Runs a checker on one installed file; it must pass without a remark.
void expectAccepted(const QString &tool, const QStringList &args)
{
    if (findTool(tool).isEmpty())
        GTEST_SKIP() << tool.toStdString() << " is not installed (scripts/install-deps.sh brings it)";
    const ToolRun run = runTool(tool, args);
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    QStringList remarks = run.output.split(u'\n', Qt::SkipEmptyParts);
    remarks.removeIf([](const QString &line) { return line.contains(QLatin1String("Validation was successful")); });
    EXPECT_TRUE(remarks.isEmpty()) << run.output.toStdString();
}

std::map<QString, QString> desktopEntry(const QString &path)
{
    QFile file(path);
    std::map<QString, QString> keys;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u'['))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (const qsizetype eq = line.indexOf(u'='); inGroup && eq > 0)
            keys[line.left(eq)] = line.mid(eq + 1);
    }
    return keys;
}

struct Metainfo {
    QString id, launchable, license;
    QStringList releases, screenshots;
};

Metainfo readMetainfo(const QString &path)
{
    QFile file(path);
    Metainfo info;
    if (!file.open(QIODevice::ReadOnly))
        return info;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("release"))
            info.releases << xml.attributes().value(QLatin1String("version")).toString();
        else if (name == QLatin1String("id"))
            info.id = xml.readElementText();
        else if (name == QLatin1String("launchable"))
            info.launchable = xml.readElementText();
        else if (name == QLatin1String("project_license"))
            info.license = xml.readElementText();
        else if (name == QLatin1String("image"))
            info.screenshots << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return info;
}

TEST_F(InstalledTree, HoldsTheProgramAndItsDesktopFilesOnly)
{
    EXPECT_EQ(filesUnder(prefix_->path()), expectedInstall());
    EXPECT_TRUE(QFileInfo(installed(QStringLiteral("bin/tandara"))).isExecutable());
}

TEST_F(InstalledTree, EveryIconHasTheSizeOfItsFolder)
{
    static const QRegularExpression sizeFolder(QStringLiteral("/(\\d+)x\\1/"));
    for (const QString &file : expectedInstall().filter(QStringLiteral("icons/hicolor/"))) {
        const QImage icon(installed(file));
        const int size = sizeFolder.match(file).captured(1).toInt();
        EXPECT_EQ(icon.size(), QSize(size, size)) << file.toStdString();
        EXPECT_TRUE(icon.hasAlphaChannel()) << file.toStdString();
    }
}

TEST_F(InstalledTree, DesktopEntryIsValidAndStartsTheInstalledProgramWithItsIcon)
{
    const QString path = installed(QStringLiteral("share/applications/%1.desktop").arg(kAppId));
    const std::map<QString, QString> keys = desktopEntry(path);
    EXPECT_EQ(keys.count(QStringLiteral("Exec")) ? keys.at(QStringLiteral("Exec")) : QString(),
              QStringLiteral("tandara"));
    EXPECT_EQ(keys.count(QStringLiteral("Icon")) ? keys.at(QStringLiteral("Icon")) : QString(), kAppId);
    expectAccepted(QStringLiteral("desktop-file-validate"), {path});
}

TEST_F(InstalledTree, MetadataIsValidAndMatchesTheProgram)
{
    const QString path = installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId));
    const Metainfo info = readMetainfo(path);
    EXPECT_EQ(info.id, kAppId);
    EXPECT_EQ(info.launchable, kAppId + QStringLiteral(".desktop"));
    EXPECT_EQ(info.license, QStringLiteral("GPL-3.0-or-later"));
    ASSERT_FALSE(info.releases.isEmpty());
    EXPECT_EQ(info.releases.first(), QStringLiteral(TANDARA_VERSION)) << "the newest release comes first";
    EXPECT_EQ(info.screenshots.size(), 4);
    for (const QString &url : info.screenshots) {
        const QString picture = QStringLiteral(TANDARA_SOURCE_DIR "/docs/") + QFileInfo(url).fileName();
        EXPECT_TRUE(QFileInfo::exists(picture)) << url.toStdString();
    }
    expectAccepted(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"), path});
}

} // namespace
} // namespace tandara::test
