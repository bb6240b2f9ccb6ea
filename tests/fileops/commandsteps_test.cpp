// The window-free steps and texts of the copy and delete commands.

#include "fileops/commandsteps.h"
#include "fileops/optexts.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace tandara::test {
namespace {

TEST(CommandSteps, SizingTheSelectionAndCheckingItsRoom)
{
    // The other side of each list.
    EXPECT_EQ((std::array{partner(0), partner(1), partner(2), partner(3)}), (std::array{1, 0, 3, 2}));

    ResultList list(IconKey::NuovoO);
    for (int64_t size : {100, 0, 2000, 7})
        list.append("f", "/", size, 0, true);
    list.setSelected(0, true);
    list.setSelected(1, true);
    list.setSelected(3, true);

    int yields = 0;
    const auto sizes = sizeSelection(list, [&] { return ++yields > 0; });
    ASSERT_TRUE(sizes);
    EXPECT_EQ(sizes->selected, 3u);
    EXPECT_EQ(sizes->total, 107.0);
    EXPECT_EQ(sizes->required, 107u + 3 * 64) << "64 bytes more per file, empty files too";
    EXPECT_EQ(yields, 3);
    EXPECT_TRUE(enoughSpace(sizes->required, sizes->required));
    EXPECT_FALSE(enoughSpace(sizes->required - 1, sizes->required));

    int calls = 0;
    EXPECT_EQ(sizeSelection(list, [&] { return ++calls < 2; }), std::nullopt) << "cancel ends the pass";
    EXPECT_EQ(calls, 2);

    list.setAllSelected(false);
    const auto none = sizeSelection(list, [] { return true; });
    ASSERT_TRUE(none);
    EXPECT_EQ(none->selected, 0u);
}

TEST(CommandTexts, SpaceMessageShowsRequiredPlusHundredAndFreeGrouped)
{
    EXPECT_EQ(spaceMessage(1234567, 0),
              QString::fromUtf8("Lo spazio per copiare i file prescelti è insufficiente.\r\n\r\n"
                                "Occorrono almeno 1.234.667 byte liberi, invece\r\n\r\n"
                                "vi sono solo 0 byte liberi nel disco."));
    EXPECT_TRUE(spaceMessage(0, 5368709120).endsWith("vi sono solo 5.368.709.120 byte liberi nel disco."));
    EXPECT_TRUE(spaceMessage(0, 5).contains("almeno 100 byte"));
}

TEST(CommandTexts, PercentLineCutsTheFraction)
{
    EXPECT_EQ(percentLine(0, 300, Operation::Copy), " 0% di File Copiati");
    EXPECT_EQ(percentLine(2, 3, Operation::Copy), " 66% di File Copiati");
    EXPECT_EQ(percentLine(999.9, 1000, Operation::Delete), " 99% di File Eliminati");
    EXPECT_EQ(percentLine(5e12, 5e12, Operation::Delete), " 100% di File Eliminati");
}

TEST(CommandTexts, FailureMessages)
{
    const fs::FsError denied = fs::FsError::fromErrno(EACCES);
    const QString description = QString::fromLocal8Bit(strerror(EACCES));
    // Paths up to the system's limit are ordinary: a long one shows the
    // system's own error; only the system's "too long" gets its text.
    const std::string longPath = "/" + std::string(4000, 'a');
    EXPECT_EQ(copyFailureText(denied, longPath, longPath), QString::number(EACCES) + " " + description);
    EXPECT_EQ(copyFailureText(fs::FsError::fromErrno(ENOSPC), "/x", longPath),
              QString::number(ENOSPC) + " " + QString::fromLocal8Bit(strerror(ENOSPC)));
    EXPECT_EQ(copyFailureText(fs::FsError::fromErrno(ENAMETOOLONG), "/x", "/y"),
              "Nome troppo lungo, impossibile copiarlo.");
    EXPECT_EQ(deleteFailureText(denied, "/x"), description);
    // Causes of our own name the file.
    const fs::FsError link = fs::FsError::because(fs::FsCause::LinkOnPath);
    EXPECT_TRUE(deleteFailureText(link, "/r/w/f").endsWith("/r/w/f"));
    EXPECT_TRUE(copyFailureText(fs::FsError::because(fs::FsCause::NotRegular), "/o/pipe", "/d/pipe").endsWith("/o/pipe"));
    EXPECT_EQ(copyFailureText(fs::FsError::because(fs::FsCause::Changed), "/o/log", "/d/log"),
              "Il file è cambiato durante la copia: /o/log");
}

} // namespace
} // namespace tandara::test
