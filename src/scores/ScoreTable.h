// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/GridSort.h"
#include "scores/Records.h"
#include "scores/ScoreFilePlace.h"
#include "scores/ScoreGrid.h"

#include <functional>
#include <string>
#include <vector>

namespace kluvian {

class Dialogs;

// The score table as data: the ten best results, the records entered since the last save and
// where the file lives. No widget: TFWynik shows it.
class ScoreTable {
public:
    // Writes the table to path as SaveMergingRecords does; calls written once the file holds
    // the new bytes, even when a failure follows. Tests put faults in here.
    using Saver = std::function<ScoreGrid(const std::string& path, const ScoreGrid& own,
                                          const std::vector<ScoreRecord>& records,
                                          SortDirection direction, const RandomBelowFn& randomBelow,
                                          const std::function<void()>& written)>;

    // place: where the table is read and kept; randomBelow draws the ranking's pivots. The
    // table holds the defaults until Load.
    ScoreTable(ScoreFilePlace place, RandomBelowFn randomBelow, Saver saver = SaveMergingRecords);

    // The defaults, then the table read from place.loadFrom, ranked, if that file exists. A
    // file that cannot be read is reported in the error box; what was read before stays, the
    // rest keeps the defaults, and the table is not ranked. Either way a table short of
    // 4 x 11 is completed with default cells.
    void Load(Dialogs& dialogs);
    // Another place's table (another hunting area's), loaded as Load does. Records are on disk
    // once entered; any whose save failed are saved first, and when that fails again the
    // table stays where it was (throws IoError).
    void Open(ScoreFilePlace place, Dialogs& dialogs);

    // Sorts the result rows by score in Direction and renumbers the place column.
    void Rank();
    // The end of a game's entry: the record over row 10, then Rank. Save merges it into the
    // table on disk.
    void Enter(ScoreRecord record);
    // Saves the table to ScoreFilePath with the records entered since the last save merged
    // into the table there, and then holds the table written. Throws IoError; the records
    // stay to be saved again unless the file already holds them.
    void Save();

    const ScoreGrid& Grid() const { return grid_; }
    // Where the table is kept: place.saveTo.
    const std::string& ScoreFilePath() const { return place_.saveTo; }
    bool HasUnsavedRecords() const { return !entered_.empty(); }

    SortDirection Direction() const { return direction_; }
    void SetDirection(SortDirection direction) { direction_ = direction; }

    // Called after every change of the grid.
    void OnChange(std::function<void()> changed) { changed_ = std::move(changed); }

private:
    void Changed() const;

    ScoreFilePlace place_;
    RandomBelowFn randomBelow_;
    Saver saver_;
    ScoreGrid grid_ = DefaultScoreTable();
    std::vector<ScoreRecord> entered_; // since the last save
    SortDirection direction_ = SortDirection::Descending;
    std::function<void()> changed_;
};

} // namespace kluvian
