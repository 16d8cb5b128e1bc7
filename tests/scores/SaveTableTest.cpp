// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/SaveTable.h"

#include "platform/IoError.h"
#include "scores/GridFile.h"
#include "scores/ScoreTable.h"
#include "support/FileFaults.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace kluvian {
namespace {

std::set<std::string> FilesIn(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(SaveTableBeforeClose, WritesTheTableAtOnceWithoutAQuestion) {
    const test::TempDir dir;
    RecordingDialogs dialogs;
    ScoreTable table(BesideExecutable(dir.Path()), [](std::uint32_t) { return 0u; });
    table.Load(dialogs);
    SaveTableBeforeClose(table, dialogs);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(test::ContentsOf(table.ScoreFilePath()), GridFileBytes(DefaultScoreTable()));
    EXPECT_EQ(test::ContentsOf(table.ScoreFilePath()).size(), 215u);
}

TEST(SaveTableBeforeClose, AnUnwritableDirectoryIsReportedAndAskedAbout) {
    const test::TempDir dir;
    RecordingDialogs dialogs;
    ScoreTable table(BesideExecutable(dir.Path()), [](std::uint32_t) { return 0u; });
    table.Load(dialogs);
    ::chmod(dir.Path().c_str(), 0555);
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
        EXPECT_FALSE(std::filesystem::exists(table.ScoreFilePath()));

        // "Yes" tries again; the second attempt succeeds once the directory is writable.
        dialogs.shown.clear();
        dialogs.yesNoAnswers = {true, true};
        dialogs.whileOpen = [&](const RecordingDialogs::Shown& s) {
            if (s.kind == RecordingDialogs::Kind::YesNo && dialogs.yesNoAnswers.size() == 1) {
                unprivileged.reset();
                ::chmod(dir.Path().c_str(), 0777);
            }
        };
        SaveTableBeforeClose(table, dialogs);
    }
    EXPECT_EQ(dialogs.MessageTexts(),
              (std::vector<std::string>{"File access denied.", "File access denied."}));
    EXPECT_EQ(test::ContentsOf(table.ScoreFilePath()), GridFileBytes(DefaultScoreTable()));
    ::chmod(dir.Path().c_str(), 0700);
}

TEST(SaveTableBeforeClose, NeverDestroysWhatItReplaces) {
    const std::string onFile = GridFileBytes(DefaultScoreTable());
    const std::string damaged = "four\r\n11\r\n";
    struct Case {
        const char* fault;
        // Lays out the folder before the table loads.
        std::function<void(const test::TempDir&)> prepare;
        bool saved;                  // or refused with "File access denied."
        std::set<std::string> after; // the folder's names after the save
        std::string replaced = "wynik.ok";
        mode_t folderMode = 0777; // while the save runs as an ordinary user
    };
    const auto put = [](const test::TempDir& dir, const char* name, const std::string& bytes,
                        mode_t mode) { ::chmod(dir.Write(name, bytes).c_str(), mode); };
    const auto scoreFile = [&](const std::string& bytes, mode_t mode) {
        return [=](const test::TempDir& d) { put(d, "wynik.ok", bytes, mode); };
    };
    const std::vector<Case> cases{
        {"a link",
         [&](const test::TempDir& d) {
             std::filesystem::create_directory(d.File("real"));
             ::chmod(d.File("real").c_str(), 0777);
             put(d, "real/scores", onFile, 0666);
             std::filesystem::create_symlink("real/scores", d.File("wynik.ok"));
         },
         true,
         {"real", "wynik.ok"},
         "real/scores"},
        {"a file of its own mode", scoreFile(onFile, 0660), true, {"wynik.ok"}},
        {"a read-only file", scoreFile(onFile, 0444), false, {"wynik.ok"}},
        {"a read-only folder", scoreFile(onFile, 0666), true, {"wynik.ok"}, "wynik.ok", 0555},
        {"an unreadable table",
         [&](const test::TempDir& d) {
             put(d, "wynik.ok", damaged, 0666);
             put(d, "wynik.ok.old", "older", 0666);
         },
         true,
         {"wynik.ok", "wynik.ok.old"}},
        {"an unreadable table in a read-only folder",
         scoreFile(damaged, 0666),
         false,
         {"wynik.ok"},
         "wynik.ok",
         0555},
        {"a temporary file left by a killed save",
         [&](const test::TempDir& d) {
             put(d, "wynik.ok", onFile, 0666);
             put(d, "wynik.ok.tmp", "4\r\n11\r\nhalf", 0644);
         },
         true,
         {"wynik.ok"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        const test::TempDir dir;
        c.prepare(dir);
        const std::string replaced = dir.File(c.replaced);
        const std::string before = test::ContentsOf(replaced);
        const mode_t mode = ModeOf(replaced);
        RecordingDialogs dialogs;
        ScoreTable table(BesideExecutable(dir.Path()), [](std::uint32_t) { return 0u; });
        table.Load(dialogs);
        table.Enter({"Nowy", "", "9"});
        dialogs.shown.clear();
        ::chmod(dir.Path().c_str(), c.folderMode);
        {
            const test::UnprivilegedFiles unprivileged;
            dialogs.yesNoAnswers = {false};
            SaveTableBeforeClose(table, dialogs);
            // The save's second attempt does not keep the new table as the old one.
            if (c.saved)
                SaveTableBeforeClose(table, dialogs);
        }
        ::chmod(dir.Path().c_str(), 0700);
        EXPECT_EQ(FilesIn(dir.Path()), c.after);
        EXPECT_FALSE(std::filesystem::exists(replaced + ".tmp"));
        EXPECT_TRUE(c.replaced == "wynik.ok" || std::filesystem::is_symlink(dir.File("wynik.ok")));
        EXPECT_EQ(ModeOf(replaced), mode);
        if (c.after.contains("wynik.ok.old")) {
            EXPECT_EQ(test::ContentsOf(dir.File("wynik.ok.old")), before);
        }
        if (c.saved) {
            EXPECT_TRUE(dialogs.shown.empty());
            EXPECT_EQ(test::ContentsOf(replaced), GridFileBytes(table.Grid()));
        } else {
            EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"File access denied."});
            EXPECT_EQ(test::ContentsOf(replaced), before);
        }
    }
}

TEST(SaveTable, ARecordTheFileAlreadyHoldsIsNotEnteredAgainAfterTheSaveFailedLate) {
    const test::TempDir dir;
    RecordingDialogs dialogs;
    bool failLate = true; // the bytes are in the file, then flushing them to the disk fails
    ScoreTable table(
        BesideExecutable(dir.Path()), [](std::uint32_t) { return 0u; },
        [&](const std::string& path, const ScoreGrid& own, const std::vector<ScoreRecord>& records,
            SortDirection direction, const RandomBelowFn& randomBelow,
            const std::function<void()>& written) {
            ScoreGrid saved =
                SaveMergingRecords(path, own, records, direction, randomBelow, written);
            if (std::exchange(failLate, false))
                throw IoError(IoError::DiskFull);
            return saved;
        });
    table.Load(dialogs);
    table.Enter({"Nowy", "", "9"});
    dialogs.yesNoAnswers = {true};
    SaveTableBeforeClose(table, dialogs);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Disk full."});
    ScoreGrid onDisk = DefaultScoreTable();
    LoadGrid(onDisk, table.ScoreFilePath());
    EXPECT_EQ(onDisk.Cell(1, 1), "Nowy");
    EXPECT_EQ(onDisk.Cell(1, 2), "Anonim1"); // once
    // The end by a signal: no dialog, only the failure's text.
    std::filesystem::remove(table.ScoreFilePath());
    std::filesystem::create_directory(table.ScoreFilePath());
    EXPECT_EQ(SaveTableQuietly(table), "File access denied");
}

} // namespace
} // namespace kluvian
