// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreGrid.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(ScoreGrid, KeepsCellsAcrossResizesAndReadsOutsideAsEmpty) {
    ScoreGrid grid = DefaultScoreTable();
    EXPECT_EQ(grid.Cell(3, 11), "");
    EXPECT_EQ(grid.Cell(-1, 0), "");
    grid.SetCell(4, 0, "ignored");
    grid.SetColCount(6);
    EXPECT_EQ(grid.Cell(1, 10), "Ostatni");
    EXPECT_EQ(grid.Cell(5, 10), "");
    grid.SetRowCount(0);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);
    grid.SetRowCount(3);
    EXPECT_EQ(grid.FixedRows(), 0);
    EXPECT_EQ(grid.Cell(1, 0), "Nazwa Gracza");
    EXPECT_EQ(grid.FixedCols(), 1);
}

} // namespace
} // namespace kluvian
