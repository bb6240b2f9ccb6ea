#include "about/infotext.h"

#include "version.h"

#include <gtest/gtest.h>

using namespace tandara::about;

TEST(InfoText, CaptionCarriesProductAndVersion)
{
    EXPECT_EQ(infoCaption(),
              QStringLiteral("Tandara " TANDARA_VERSION " - Informazioni sull'autore"));
}

TEST(InfoText, LinksOpenWithTheirSchemes)
{
    EXPECT_EQ(linkAddress(0, linkCaption(0)), QStringLiteral("http://tandara.example.org"));
    EXPECT_EQ(linkAddress(1, linkCaption(1)), QStringLiteral("mailto:info@tandara.example.org"));
    EXPECT_EQ(linkAddress(0, QStringLiteral("altro.example.org")),
              QStringLiteral("http://altro.example.org"));
}

TEST(InfoText, ParagraphsStartWhereTheScrollPauses)
{
    const QStringList lines = infoLines();
    ASSERT_EQ(lines.size(), 57);
    // One-based numbers of the lines that stand near the top at the pauses.
    for (int start : {3, 8, 13, 18, 23, 28, 32, 39, 44, 48, 52, 56}) {
        EXPECT_FALSE(lines[start - 1].isEmpty()) << "line " << start;
        EXPECT_TRUE(lines[start - 2].isEmpty()) << "line before " << start;
    }
    EXPECT_TRUE(lines.last().isEmpty());
}

TEST(InfoText, QuotedNamesAndCredits)
{
    const QStringList lines = infoLines();
    ASSERT_EQ(lines.size(), 57);
    EXPECT_EQ(lines[4], QStringLiteral("per il Web \"Tandara\"."));
    EXPECT_EQ(lines[12], QStringLiteral("Cliccando su \"File Nuovi\", verranno"));
    EXPECT_EQ(lines[38], QStringLiteral("Per prima, alla \"GRANDE\" Mailing List di"));
    EXPECT_EQ(lines[39], QStringLiteral("forum.tandara.example.org, che mi ha aiutato"));
    for (int credit : {44, 48, 52})
        EXPECT_EQ(lines[credit - 1], QStringLiteral("A il team di Tandara"));
    EXPECT_EQ(lines[44], QStringLiteral("per FolderView ActiveX."));
    EXPECT_EQ(lines[48], QStringLiteral("per cpvButton.OCX"));
    EXPECT_EQ(lines[52], QStringLiteral("per la classe CAnimate"));
}
