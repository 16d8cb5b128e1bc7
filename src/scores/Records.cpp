// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Records.h"

#include "platform/IoError.h"
#include "platform/SafeFile.h"
#include "scores/GridFile.h"

namespace kluvian {

void RankScoreTable(ScoreGrid& grid, SortDirection direction, const RandomBelowFn& randomBelow) {
    SortGrid(grid, kScoreColumn, CompareKind::Integer, direction, randomBelow);
    for (int r = 1; r < grid.RowCount(); ++r)
        grid.SetCell(kPlaceColumn, r, std::to_string(r));
}

void EnterRecord(ScoreGrid& grid, const ScoreRecord& record, SortDirection direction,
                 const RandomBelowFn& randomBelow) {
    grid.SetCell(kNameColumn, kLastPlaceRow, record.name);
    grid.SetCell(kDateColumn, kLastPlaceRow, record.date);
    grid.SetCell(kScoreColumn, kLastPlaceRow, record.score);
    RankScoreTable(grid, direction, randomBelow);
}

ScoreGrid SaveMergingRecords(const std::string& path, const ScoreGrid& own,
                             const std::vector<ScoreRecord>& records, SortDirection direction,
                             const RandomBelowFn& randomBelow,
                             const std::function<void()>& written) {
    ScoreGrid table;
    ReplaceFile(
        path,
        [&](FileReader* current) {
            table = own;
            if (!current)
                return Replacement{GridFileBytes(table)};
            ScoreGrid onDisk = DefaultScoreTable();
            try {
                ReadGrid(onDisk, *current);
            } catch (const IoError&) {
                // Damaged: kept for the player, who may want it back.
                return Replacement{GridFileBytes(table), true};
            }
            table = CompletedScoreTable(onDisk);
            for (const ScoreRecord& record : records)
                if (CompareCells(record.score, table.Cell(kScoreColumn, kLastPlaceRow),
                                 CompareKind::Integer) > 0)
                    EnterRecord(table, record, direction, randomBelow);
            return Replacement{GridFileBytes(table)};
        },
        written);
    return table;
}

} // namespace kluvian
