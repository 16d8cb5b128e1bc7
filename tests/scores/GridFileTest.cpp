// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/GridFile.h"

#include "platform/IoError.h"
#include "support/FileFaults.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace kluvian {
namespace {

int LoadFailure(ScoreGrid& grid, const std::string& path) {
    try {
        LoadGrid(grid, path);
    } catch (const IoError& e) {
        return e.Code();
    }
    return 0;
}

const std::string kDefaultFile =
    "4\r\n11\r\n"
    "Lp.\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n"
    "Nazwa Gracza\r\nAnonim1\r\nAnonim2\r\nAnonim3\r\nAnonim4\r\n"
    "Anonim5\r\nAnonim6\r\nAnonim7\r\nAnonim8\r\nAnonim9\r\nOstatni\r\n"
    " Data  \r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
    " Wynik \r\n8\r\n7\r\n6\r\n5\r\n4\r\n3\r\n3\r\n2\r\n1\r\n0\r\n";

TEST(SaveGrid, WritesTheDefaultTableAs46LinesOf215BytesAndNoTemporaryFile) {
    const test::TempDir dir;
    SaveGrid(DefaultScoreTable(), dir.File("wynik.ok"));
    const std::string bytes = test::ContentsOf(dir.File("wynik.ok"));
    EXPECT_EQ(bytes, kDefaultFile);
    EXPECT_EQ(bytes.size(), 215u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 46);
    EXPECT_EQ(dir.EntryCount(), 1u);
    // Saving over an existing file replaces it whole.
    ScoreGrid small(2, 2);
    small.SetCell(1, 1, "x");
    SaveGrid(small, dir.File("wynik.ok"));
    EXPECT_EQ(test::ContentsOf(dir.File("wynik.ok")), "2\r\n2\r\n\r\n\r\n\r\nx\r\n");
    EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST(LoadGrid, ReadsBackWhatSaveGridWroteBytesIncluded) {
    const test::TempDir dir;
    ScoreGrid grid = DefaultScoreTable();
    grid.SetCell(1, 3, "Za\xBF\xF3\xB3\xE6 g\xEA\x9C\x6C\xB9 \x81");
    grid.SetCell(2, 3, "2024-01-31");
    grid.SetCell(3, 3, "-17");
    grid.SetCell(1, 4, "");
    SaveGrid(grid, dir.File("wynik.ok"));
    ScoreGrid loaded(4, 11);
    LoadGrid(loaded, dir.File("wynik.ok"));
    EXPECT_EQ(loaded, grid);
}

TEST(LoadGrid, TakesEveryLineEndStopsAt1AAndLeavesMissingCellsEmpty) {
    const test::TempDir dir;
    ScoreGrid grid = DefaultScoreTable();
    // Blank lines before a count and text after it on its line are skipped; CR LF, lone
    // CR and lone LF all end lines.
    LoadGrid(grid, dir.Write("a", "\r\n  2 columns\n2\rLp.\r\nx\ny\rz\r\nignored\r\n"));
    EXPECT_EQ(grid.ColCount(), 2);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(0, 0), "Lp.");
    EXPECT_EQ(grid.Cell(0, 1), "x");
    EXPECT_EQ(grid.Cell(1, 0), "y");
    EXPECT_EQ(grid.Cell(1, 1), "z");

    grid = DefaultScoreTable();
    LoadGrid(grid, dir.Write("b", "4\r\n11\r\nLp.\r\n1\r\n2\x1A"
                                  "3\r\n4\r\n"));
    EXPECT_EQ(grid.Cell(0, 2), "2");
    EXPECT_EQ(grid.Cell(0, 3), "");
    EXPECT_EQ(grid.Cell(3, 10), "");

    grid = DefaultScoreTable();
    const std::string truncated = kDefaultFile.substr(0, 120);
    LoadGrid(grid, dir.Write("c", truncated));
    EXPECT_EQ(grid.Cell(1, 5), "Anonim5");
    EXPECT_EQ(grid.Cell(3, 1), "");
    EXPECT_EQ(grid.Cell(1, 10), "");
}

TEST(LoadGrid, CountsBelowOneBecomeOneAndAnEmptyFileGivesOneEmptyCell) {
    const test::TempDir dir;
    ScoreGrid grid = DefaultScoreTable();
    LoadGrid(grid, dir.Write("a", ""));
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(0, 0), "");

    grid = DefaultScoreTable();
    LoadGrid(grid, dir.Write("b", "-3\r\n0\r\nonly\r\n"));
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Cell(0, 0), "only");

    grid = DefaultScoreTable();
    LoadGrid(grid, dir.Write("c", "$3\r\n0x2\r\na\r\nb\r\nc\r\nd\r\ne\r\nf\r\n"));
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(2, 1), "f");
}

TEST(LoadGrid, RefusesBadOrHugeCountsKeepingWhatWasReadBefore) {
    const test::TempDir dir;
    ScoreGrid grid = DefaultScoreTable();
    EXPECT_EQ(LoadFailure(grid, dir.Write("a", "four\r\n11\r\n")), IoError::InvalidNumericInput);
    EXPECT_EQ(grid, DefaultScoreTable());

    EXPECT_EQ(LoadFailure(grid, dir.Write("b", "5\r\n11x\r\nLp.\r\n")),
              IoError::InvalidNumericInput);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 11);
    EXPECT_EQ(grid.Cell(0, 0), "Lp.");
    EXPECT_EQ(grid.Cell(1, 10), "Ostatni");

    grid = DefaultScoreTable();
    EXPECT_EQ(LoadFailure(grid, dir.Write("c", "4\r\n1001\r\n")), IoError::InvalidNumericInput);
    EXPECT_EQ(grid, DefaultScoreTable());
    EXPECT_EQ(LoadFailure(grid, dir.Write("d", "99999999999\r\n1\r\n")),
              IoError::InvalidNumericInput);
    EXPECT_EQ(IoError(IoError::InvalidNumericInput).what(), std::string("Invalid numeric input"));
}

TEST(LoadGrid, AFileThatCannotBeOpenedIsAccessDenied) {
    const test::TempDir dir;
    const std::string path = dir.Write("wynik.ok", kDefaultFile);
    ::chmod(path.c_str(), 0);
    ScoreGrid grid = DefaultScoreTable();
    const test::UnprivilegedFiles unprivileged;
    EXPECT_EQ(LoadFailure(grid, path), IoError::AccessDenied);
    EXPECT_EQ(grid, DefaultScoreTable());
}

} // namespace
} // namespace kluvian
