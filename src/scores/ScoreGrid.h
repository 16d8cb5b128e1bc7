// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kluvian {

// The score table's columns, and the row of its tenth place, which a new record replaces.
inline constexpr int kPlaceColumn = 0;
inline constexpr int kNameColumn = 1;
inline constexpr int kDateColumn = 2;
inline constexpr int kScoreColumn = 3;
inline constexpr int kLastPlaceRow = 10;

// A grid of text cells addressed as (column, row) from 0, the first row and column fixed
// (header style, never selectable). Cells hold the score file's bytes as they are: code page
// 1250, never a line break.
class ScoreGrid {
public:
    // The bounds that LoadGrid accepts for either count.
    static constexpr int kMaxCount = 1000;

    // A grid of the given counts (below 1 taken as 1) with one fixed row and column where
    // there are at least two of each; every cell empty.
    ScoreGrid(int columns, int rows) { Resize(columns, rows); }
    ScoreGrid() : ScoreGrid(1, 1) {}

    int ColCount() const { return columns_; }
    int RowCount() const { return rows_; }
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }

    // A count below 1 becomes 1. Cells inside both the old and the new bounds keep their
    // text; new cells are empty. The fixed row and column go when the grid shrinks to a
    // single row or column, and do not come back when it grows again.
    void SetColCount(int columns) { Resize(columns, rows_); }
    void SetRowCount(int rows) { Resize(columns_, rows); }

    // Any (column, row) may be read: a cell outside the grid reads as empty.
    const std::string& Cell(int column, int row) const;
    // Writing outside the grid does nothing.
    void SetCell(int column, int row, std::string text);

    friend bool operator==(const ScoreGrid&, const ScoreGrid&) = default;

private:
    void Resize(int columns, int rows);
    bool Inside(int column, int row) const {
        return column >= 0 && column < columns_ && row >= 0 && row < rows_;
    }

    int columns_ = 1;
    int rows_ = 1;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    std::vector<std::string> cells_ = std::vector<std::string>(1); // column-major
};

// The table before any file is read: 4 x 11, the header row, places "1".."10", the names
// "Anonim1".."Anonim9" and "Ostatni", empty dates and the scores 8 7 6 5 4 3 3 2 1 0.
ScoreGrid DefaultScoreTable();

// The rest of the game reads row 10 and column 3: a table with fewer than 4 columns or 11
// rows comes back grown to at least 4 x 11, the cells it had in their places, the cells it
// lacked from DefaultScoreTable, with the header row and place column fixed again. Any
// other table comes back as it is.
ScoreGrid CompletedScoreTable(const ScoreGrid& grid);

} // namespace kluvian
