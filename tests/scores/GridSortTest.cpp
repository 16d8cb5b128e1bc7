// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/GridSort.h"
#include "support/FakeClock.h"

#include "game/Random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kluvian {
namespace {

std::vector<std::string> Column(const ScoreGrid& grid, int c) {
    std::vector<std::string> texts;
    for (int r = 0; r < grid.RowCount(); ++r)
        texts.push_back(grid.Cell(c, r));
    return texts;
}

ScoreGrid TableWithScores(const std::vector<std::string>& scores) {
    ScoreGrid grid(4, int(scores.size()) + 1);
    grid.SetCell(3, 0, " Wynik ");
    for (std::size_t k = 0; k < scores.size(); ++k) {
        grid.SetCell(1, int(k) + 1, "name" + std::to_string(k));
        grid.SetCell(3, int(k) + 1, scores[k]);
    }
    return grid;
}

TEST(CompareCells, IntegerKindCountsWhatIsNotAnIntegerAsZero) {
    EXPECT_EQ(CompareCells("abc", "0", CompareKind::Integer), 0);
    EXPECT_EQ(CompareCells("", "-1", CompareKind::Integer), 1);
    EXPECT_EQ(CompareCells("", "1", CompareKind::Integer), -1);
    EXPECT_EQ(CompareCells(" 5", "5", CompareKind::Integer), 0);
    EXPECT_EQ(CompareCells("5 ", "0", CompareKind::Integer), 0);
    EXPECT_EQ(CompareCells("$10", "15", CompareKind::Integer), 1);
    EXPECT_EQ(CompareCells("2147483648", "0", CompareKind::Integer), 0);
    EXPECT_EQ(CompareCells("-2147483648", "2147483647", CompareKind::Integer), -1);
}

TEST(CompareCells, TextKindIgnoresCaseAndRealKindReadsDecimals) {
    EXPECT_EQ(CompareCells("anonim", "ANONIM", CompareKind::Text), 0);
    EXPECT_EQ(CompareCells("a", "B", CompareKind::Text), -1);
    EXPECT_EQ(CompareCells("\xB3\xF3\x64\xBC", "\xA3\xD3\x44\xBC", CompareKind::Text), 0); // łódź
    EXPECT_EQ(CompareCells("1.5", "1.25", CompareKind::Real), 1);
    EXPECT_EQ(CompareCells(" 2.5 ", "2.5", CompareKind::Real), 0);
    EXPECT_EQ(CompareCells("x", "0", CompareKind::Real), 0);
    EXPECT_EQ(CompareCells("-0.5", "x", CompareKind::Real), -1);
}

TEST(QuickSortRows, SortsInBothDirectionsWithTheGamesGenerator) {
    FakeClock clock;
    GameRandom random(clock);
    const RandomBelowFn draw = [&random](std::uint32_t n) { return random.RandomBelow(n); };
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        random.state = seed * 2654435761u;
        std::vector<std::string> scores;
        for (int k = 0; k < 30; ++k)
            scores.push_back(std::to_string(int(random.RandomBelow(11)) - 5));
        const ScoreGrid grid = TableWithScores(scores);
        for (const auto direction : {SortDirection::Ascending, SortDirection::Descending}) {
            std::vector<int> rows;
            for (int r = 1; r <= 30; ++r)
                rows.push_back(r);
            QuickSortRows(rows, 0, 29, SortKey{grid, 3, CompareKind::Integer, direction}, draw);
            std::vector<int> values;
            for (const int r : rows)
                values.push_back(std::stoi(grid.Cell(3, r)));
            if (direction == SortDirection::Ascending)
                EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
            else
                EXPECT_TRUE(std::is_sorted(values.rbegin(), values.rend()));
            std::sort(rows.begin(), rows.end());
            EXPECT_EQ(rows.front(), 1);
            EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end()), rows.end()); // a permutation
        }
    }
}

TEST(QuickSortRows, EqualEntriesGoRightOfThePivotSoThePivotDecidesTheirOrder) {
    const ScoreGrid grid = TableWithScores({"3", "3"});
    const SortKey key{grid, 3, CompareKind::Integer, SortDirection::Descending};
    std::vector<int> rows{1, 2};
    QuickSortRows(rows, 0, 1, key, [](std::uint32_t) { return 0u; });
    EXPECT_EQ(rows, (std::vector<int>{1, 2}));
    QuickSortRows(rows, 0, 1, key, [](std::uint32_t n) { return n - 1; });
    EXPECT_EQ(rows, (std::vector<int>{2, 1}));
    // A draw out of its range never indexes outside the range.
    rows = {1, 2};
    QuickSortRows(rows, 0, 1, key, [](std::uint32_t) { return 0xFFFFFFFFu; });
    EXPECT_EQ(rows.size(), 2u);
}

TEST(SortGrid, MovesWholeRowsBelowTheHeaderAndRanksTextAsZero) {
    const std::vector<std::string> original{"5", "-3", "abc", "", "0", " 7", "7 ", "12"};
    ScoreGrid grid = TableWithScores(original);
    FakeClock clock;
    GameRandom random(clock);
    SortGrid(grid, 3, CompareKind::Integer, SortDirection::Descending,
             [&random](std::uint32_t n) { return random.RandomBelow(n); });
    const auto scores = Column(grid, 3);
    EXPECT_EQ(scores[0], " Wynik ");
    EXPECT_EQ(scores[1], "12");
    EXPECT_EQ(scores[2], " 7");
    EXPECT_EQ(scores[3], "5");
    EXPECT_TRUE(std::is_permutation(scores.begin() + 4, scores.end() - 1,
                                    std::vector<std::string>{"abc", "", "0", "7 "}.begin()));
    EXPECT_EQ(scores[8], "-3");
    // The name travelled with its score.
    for (int r = 1; r < grid.RowCount(); ++r)
        EXPECT_EQ(grid.Cell(3, r), original[std::size_t(std::stoi(grid.Cell(1, r).substr(4)))]);
}

TEST(SortGrid, DefaultTableMaySwapItsTwoEqualScores) {
    const auto sortedNames = [](std::uint32_t (*draw)(std::uint32_t)) {
        ScoreGrid grid = DefaultScoreTable();
        SortGrid(grid, 3, CompareKind::Integer, SortDirection::Descending, draw);
        return Column(grid, 1);
    };
    const auto first = sortedNames([](std::uint32_t) { return 0u; });
    const auto last = sortedNames([](std::uint32_t n) { return n - 1; });
    EXPECT_EQ(first, Column(DefaultScoreTable(), 1));
    EXPECT_EQ(last[6], "Anonim7");
    EXPECT_EQ(last[7], "Anonim6");
    EXPECT_EQ(last[10], "Ostatni");
}

} // namespace
} // namespace kluvian
