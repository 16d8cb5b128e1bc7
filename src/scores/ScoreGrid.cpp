// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreGrid.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kluvian {

const std::string& ScoreGrid::Cell(int column, int row) const {
    static const std::string empty;
    return Inside(column, row) ? cells_[std::size_t(column) * std::size_t(rows_) + std::size_t(row)]
                               : empty;
}

void ScoreGrid::SetCell(int column, int row, std::string text) {
    if (Inside(column, row))
        cells_[std::size_t(column) * std::size_t(rows_) + std::size_t(row)] = std::move(text);
}

void ScoreGrid::Resize(int columns, int rows) {
    columns = std::max(columns, 1);
    rows = std::max(rows, 1);
    std::vector<std::string> cells(std::size_t(columns) * std::size_t(rows));
    for (int c = 0; c < std::min(columns, columns_); ++c)
        for (int r = 0; r < std::min(rows, rows_); ++r)
            cells[std::size_t(c) * std::size_t(rows) + std::size_t(r)] =
                std::move(cells_[std::size_t(c) * std::size_t(rows_) + std::size_t(r)]);
    cells_ = std::move(cells);
    columns_ = columns;
    rows_ = rows;
    fixedCols_ = std::min(fixedCols_, columns_ - 1);
    fixedRows_ = std::min(fixedRows_, rows_ - 1);
}

ScoreGrid DefaultScoreTable() {
    ScoreGrid grid(4, 11);
    static constexpr std::array<const char*, 4> kHeaders = {"Lp.", "Nazwa Gracza", " Data  ",
                                                            " Wynik "};
    static constexpr std::array<const char*, 10> kNames = {
        "Anonim1", "Anonim2", "Anonim3", "Anonim4", "Anonim5",
        "Anonim6", "Anonim7", "Anonim8", "Anonim9", "Ostatni"};
    static constexpr std::array<int, 10> kScores = {8, 7, 6, 5, 4, 3, 3, 2, 1, 0};
    for (int c = 0; c < 4; ++c)
        grid.SetCell(c, 0, kHeaders[std::size_t(c)]);
    for (int r = 1; r <= 10; ++r) {
        grid.SetCell(kPlaceColumn, r, std::to_string(r));
        grid.SetCell(kNameColumn, r, kNames[std::size_t(r - 1)]);
        grid.SetCell(kScoreColumn, r, std::to_string(kScores[std::size_t(r - 1)]));
    }
    return grid;
}

ScoreGrid CompletedScoreTable(const ScoreGrid& grid) {
    if (grid.ColCount() >= 4 && grid.RowCount() >= 11)
        return grid;
    ScoreGrid table = DefaultScoreTable();
    table.SetColCount(std::max(grid.ColCount(), 4));
    table.SetRowCount(std::max(grid.RowCount(), 11));
    for (int c = 0; c < grid.ColCount(); ++c)
        for (int r = 0; r < grid.RowCount(); ++r)
            table.SetCell(c, r, grid.Cell(c, r));
    return table;
}

} // namespace kluvian
