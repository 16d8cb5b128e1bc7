// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/GridSort.h"
#include "scores/ScoreGrid.h"

#include <functional>
#include <string>
#include <vector>

namespace kluvian {

// A result entered at the end of a game: the name, date and score cells of its row (code page
// 1250 bytes).
struct ScoreRecord {
    std::string name;
    std::string date;
    std::string score;
    friend bool operator==(const ScoreRecord&, const ScoreRecord&) = default;
};

// Sorts the result rows by score (column 3, as integers) in direction and renumbers the place
// column "1".."n" from the top.
void RankScoreTable(ScoreGrid& grid, SortDirection direction, const RandomBelowFn& randomBelow);

// Writes the record over row 10 and ranks the table.
void EnterRecord(ScoreGrid& grid, const ScoreRecord& record, SortDirection direction,
                 const RandomBelowFn& randomBelow);

// Saves the table to path so that no record of another copy of the game is lost: the table
// there now, read under the save's lock, gets the records, each one whose score is above
// row 10's entered as the end of a game enters it, so that the ten best stay. Where there is
// no table, own is written (it holds the records already); a file that does not read as a
// table is kept as path + ".old" and own is written. Returns the table written. Throws
// IoError (see ReplaceFile); written is called once the file holds the new bytes, even when a
// failure follows.
ScoreGrid SaveMergingRecords(const std::string& path, const ScoreGrid& own,
                             const std::vector<ScoreRecord>& records, SortDirection direction,
                             const RandomBelowFn& randomBelow,
                             const std::function<void()>& written = {});

} // namespace kluvian
