// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/EndGame.h"

#include "scores/GridFile.h"
#include "scores/TFWynik.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"

#include <QDate>
#include <QLocale>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace kluvian {
namespace {

const char* const kConsolation = "Tym razem wynik jest poza finałową dziesiątką.\n"
                                 "  Następnym razem napewno będzie lepiej.";

struct Fixture {
    test::TempDir dir;
    RecordingDialogs dialogs;
    std::unique_ptr<TFWynik> table;
    int shows = 0;

    explicit Fixture(std::string_view file = {}) {
        if (!file.empty())
            dir.Write("wynik.ok", file);
        table = std::make_unique<TFWynik>(
            dialogs, [](std::uint32_t) { return 0u; }, dir.Path(), nullptr);
    }
    void PlayTo(std::int32_t score) {
        EndGame(score, *table, dialogs, [this] {
            ++shows;
            table->show();
        });
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
    EXPECT_TRUE(f.table->isVisible());

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
    EXPECT_EQ(f.table->G2->model()->index(row, 1).data().toString(), QString::fromUtf8("Zażółć"));
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

TEST(EndGame, AnOpenTableChangesInPlaceAndStaysVisible) {
    Fixture f;
    f.table->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.table.get()));
    f.dialogs.textAnswers.push_back("Ola");
    f.PlayTo(9);
    EXPECT_TRUE(f.table->isVisible());
    EXPECT_EQ(f.table->G2->model()->index(1, 1).data().toString(), "Ola");
    EXPECT_EQ(f.table->G2->model()->index(1, 3).data().toString(), "9");
    // A second qualifying game overwrites whatever is tenth now.
    f.dialogs.textAnswers.push_back("Ela");
    f.PlayTo(2);
    const ScoreGrid& grid = f.table->Grid();
    EXPECT_EQ(grid.Cell(1, 9) + grid.Cell(1, 10),
              grid.Cell(1, 9) == "Ela" ? "ElaAnonim8" : "Anonim8Ela");
    EXPECT_EQ(grid.Cell(3, 10), "2");
}

} // namespace
} // namespace kluvian
