// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/EndGame.h"

#include "scores/GridFile.h"
#include "scores/ScoreTable.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"

#include <QDate>
#include <QLocale>

#include <filesystem>

#include <gtest/gtest.h>

namespace kluvian {
namespace {

const char* const kConsolation = "Tym razem wynik jest poza finałową dziesiątką.\n"
                                 "  Następnym razem napewno będzie lepiej.";

struct Fixture {
    test::TempDir dir;
    RecordingDialogs dialogs;
    std::unique_ptr<ScoreTable> table;
    int shows = 0;

    explicit Fixture(std::string_view file = {}) {
        if (!file.empty())
            dir.Write("wynik.ok", file);
        table = std::make_unique<ScoreTable>(BesideExecutable(dir.Path()),
                                             [](std::uint32_t) { return 0u; });
        table->Load(dialogs);
    }
    void PlayTo(std::int32_t score) {
        EndGame(score, *table, dialogs, [this] { ++shows; });
    }
};

TEST(EndGame, AScoreNotAboveTheTenthRowGetsTheConsolationOnly) {
    for (const std::int32_t score : {0, -5}) {
        Fixture f;
        f.PlayTo(score);
        ASSERT_EQ(f.dialogs.shown.size(), 1u);
        EXPECT_EQ(f.dialogs.shown[0].kind, RecordingDialogs::Kind::Message);
        EXPECT_EQ(f.dialogs.shown[0].caption, "");
        EXPECT_EQ(f.dialogs.shown[0].text, kConsolation);
        EXPECT_EQ(f.dialogs.shown[0].icon, DialogIcon::None);
        EXPECT_EQ(f.table->Grid(), DefaultScoreTable());
        EXPECT_EQ(f.shows, 0);
    }
    ScoreGrid equal = DefaultScoreTable();
    equal.SetCell(3, 10, " -$A");
    Fixture f(GridFileBytes(equal));
    f.PlayTo(-10);
    EXPECT_EQ(f.dialogs.MessageTexts(), std::vector<std::string>{kConsolation});
    f.PlayTo(-9);
    EXPECT_EQ(f.dialogs.shown.back().kind, RecordingDialogs::Kind::Text);
}

TEST(EndGame, ARecordAsksForANameAndRanksItWithDateAndScore) {
    Fixture f;
    f.dialogs.textAnswers.push_back("Zażółć");
    const QString before = RecordDate(QDate::currentDate(), QLocale::system());
    f.PlayTo(7);
    const QString after = RecordDate(QDate::currentDate(), QLocale::system());
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].kind, RecordingDialogs::Kind::Text);
    EXPECT_EQ(f.dialogs.shown[0].caption, "Gratulacje z dobrego wyniku!");
    EXPECT_EQ(f.dialogs.shown[0].text, "Podaj więc swoją nazwę");
    EXPECT_EQ(f.shows, 1);

    const ScoreGrid& grid = f.table->Grid();
    // Equal to Anonim2's 7: either order, both above Anonim3.
    const int row = grid.Cell(1, 2) == "Za\xBF\xF3\xB3\xE6" ? 2 : 3;
    EXPECT_EQ(grid.Cell(1, row), "Za\xBF\xF3\xB3\xE6");
    EXPECT_EQ(grid.Cell(3, row), "7");
    const QString date = QString::fromLatin1(grid.Cell(2, row));
    EXPECT_TRUE(date == before || date == after) << grid.Cell(2, row);
    EXPECT_EQ(grid.Cell(1, 4), "Anonim3");
    EXPECT_EQ(grid.Cell(1, 10), "Anonim9");
    for (int r = 1; r <= 10; ++r)
        EXPECT_EQ(grid.Cell(0, r), std::to_string(r));
}

TEST(EndGame, TheDateIsNumericWithoutARegionalSettingAndTheUsersOwnOtherwise) {
    const QDate date(2026, 12, 8);
    EXPECT_EQ(RecordDate(date, QLocale::c()), "08.12.2026");
    EXPECT_EQ(RecordDate(date, QLocale(QLocale::Polish, QLocale::Poland)), "8.12.2026");
    EXPECT_EQ(RecordDate(date, QLocale(QLocale::English, QLocale::UnitedStates)), "12/8/26");
}

TEST(EndGame, AnEmptyNameIsEnteredAndCancelChangesNothing) {
    Fixture f;
    f.dialogs.textAnswers.push_back(std::nullopt);
    f.PlayTo(100);
    EXPECT_EQ(f.table->Grid(), DefaultScoreTable());
    EXPECT_EQ(f.shows, 0);

    f.dialogs.textAnswers.push_back("");
    f.PlayTo(100);
    EXPECT_EQ(f.table->Grid().Cell(1, 1), "");
    EXPECT_EQ(f.table->Grid().Cell(3, 1), "100");
    EXPECT_FALSE(f.table->Grid().Cell(2, 1).empty());
    EXPECT_EQ(f.shows, 1);

    // A line break cannot reach a cell and shift the saved file; names stay within 255.
    f.dialogs.textAnswers.push_back("a\nb\rc" + std::string(300, 'x'));
    f.PlayTo(200);
    EXPECT_EQ(f.table->Grid().Cell(1, 1), "a?b?c" + std::string(250, 'x'));
}

TEST(EndGame, ADamagedTenthRowIsAnErrorAndNoDialog) {
    ScoreGrid damaged = DefaultScoreTable();
    damaged.SetCell(3, 10, "ten");
    // Ranked as 0, it stays below the positive scores after loading.
    Fixture f(GridFileBytes(damaged));
    ASSERT_EQ(f.table->Grid().Cell(3, 10), "ten");
    f.PlayTo(1000);
    ASSERT_EQ(f.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.dialogs.shown[0].text, "'ten' is not a valid integer value.");
    EXPECT_EQ(f.dialogs.shown[0].icon, DialogIcon::Error);
    EXPECT_EQ(f.shows, 0);

    // A table of one row is completed with the default rows, so a record can be entered.
    Fixture small("4\r\n");
    small.dialogs.textAnswers.push_back("Ola");
    small.PlayTo(1000);
    EXPECT_TRUE(small.dialogs.MessageTexts().empty());
    EXPECT_EQ(small.table->Grid().Cell(1, 1), "Ola");
}

TEST(EndGame, ARecordIsOnDiskOnceItsNameIsEnteredAndAFailedSaveIsAskedAbout) {
    Fixture f;
    f.dialogs.textAnswers.push_back("Ola");
    f.PlayTo(9);
    ScoreGrid onDisk = DefaultScoreTable();
    LoadGrid(onDisk, f.table->ScoreFilePath());
    EXPECT_EQ(onDisk, f.table->Grid());
    EXPECT_EQ(onDisk.Cell(1, 1), "Ola");
    EXPECT_FALSE(f.table->HasUnsavedRecords());

    // Where the file cannot be written: the error, the question, and "Nie" keeps the record
    // for the save at closing.
    Fixture blocked;
    std::filesystem::create_directory(blocked.dir.File("wynik.ok")); // no file can go there
    blocked.dialogs.textAnswers.push_back("Ela");
    blocked.dialogs.yesNoAnswers = {false};
    blocked.PlayTo(9);
    ASSERT_EQ(blocked.dialogs.shown.size(), 3u);
    EXPECT_EQ(blocked.dialogs.shown[1].icon, DialogIcon::Error);
    EXPECT_EQ(blocked.dialogs.shown[2].kind, RecordingDialogs::Kind::YesNo);
    EXPECT_NE(blocked.dialogs.shown[2].text.find("przy zamknięciu"), std::string::npos);
    EXPECT_TRUE(blocked.table->HasUnsavedRecords());
    EXPECT_EQ(blocked.table->Grid().Cell(1, 1), "Ela");
    EXPECT_EQ(blocked.shows, 1);
}

} // namespace
} // namespace kluvian
