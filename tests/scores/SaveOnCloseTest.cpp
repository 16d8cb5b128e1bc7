#include "scores/SaveOnClose.h"

#include "FileFaults.h"
#include "platform/RecordingDialogs.h"
#include "scores/GridFile.h"
#include "scores/TFWynik.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sys/stat.h>

namespace kluvian {
namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SaveTableBeforeClose, WritesTheTableAtOnceWithoutAQuestion) {
    const test::TempDir dir;
    RecordingDialogs dialogs;
    const TFWynik table(
        dialogs, [](std::uint32_t) { return 0u; }, dir.path(), nullptr);
    SaveTableBeforeClose(table, dialogs);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(readFile(table.ScoreFilePath), GridFileBytes(DefaultScoreTable()));
    EXPECT_EQ(readFile(table.ScoreFilePath).size(), 215u);
}

TEST(SaveTableBeforeClose, AnUnwritableDirectoryIsReportedAndAskedAbout) {
    const test::TempDir dir;
    RecordingDialogs dialogs;
    const TFWynik table(
        dialogs, [](std::uint32_t) { return 0u; }, dir.path(), nullptr);
    ::chmod(dir.path().c_str(), 0555);
    {
        std::optional<test::UnprivilegedFiles> unprivileged(std::in_place);
        // "No": the program may end without the table.
        dialogs.yesNoAnswers = {false};
        SaveTableBeforeClose(table, dialogs);
        ASSERT_EQ(dialogs.shown.size(), 2u);
        EXPECT_EQ(dialogs.shown[0].text, "File access denied.");
        EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::Error);
        EXPECT_EQ(dialogs.shown[1].kind, RecordingDialogs::Kind::YesNo);
        EXPECT_EQ(dialogs.shown[1].yes, "Tak");
        EXPECT_EQ(dialogs.shown[1].no, "Nie");
        EXPECT_TRUE(dialogs.shown[1].escapeMeansYes);
        EXPECT_FALSE(std::filesystem::exists(table.ScoreFilePath));

        // "Yes" tries again; the second attempt succeeds once the directory is writable.
        dialogs.shown.clear();
        dialogs.yesNoAnswers = {true, true};
        dialogs.whileOpen = [&](const RecordingDialogs::Shown& s) {
            if (s.kind == RecordingDialogs::Kind::YesNo && dialogs.yesNoAnswers.size() == 1) {
                unprivileged.reset();
                ::chmod(dir.path().c_str(), 0777);
            }
        };
        SaveTableBeforeClose(table, dialogs);
    }
    EXPECT_EQ(dialogs.messageTexts(),
              (std::vector<std::string>{"File access denied.", "File access denied."}));
    EXPECT_EQ(readFile(table.ScoreFilePath), GridFileBytes(DefaultScoreTable()));
    ::chmod(dir.path().c_str(), 0700);
}

} // namespace
} // namespace kluvian
