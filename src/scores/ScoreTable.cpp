// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreTable.h"

#include "platform/Dialogs.h"
#include "platform/FileBytes.h"
#include "platform/IoError.h"
#include "scores/GridFile.h"

#include <utility>

namespace kluvian {

ScoreTable::ScoreTable(ScoreFilePlace place, RandomBelowFn randomBelow, Saver saver)
    : place_(std::move(place)), randomBelow_(std::move(randomBelow)), saver_(std::move(saver)) {}

void ScoreTable::Load(Dialogs& dialogs) {
    grid_ = DefaultScoreTable();
    Changed();
    if (!FileExists(place_.loadFrom))
        return;
    try {
        LoadGrid(grid_, place_.loadFrom);
        grid_ = CompletedScoreTable(grid_);
        Rank();
    } catch (const IoError& e) {
        // The save keeps the file as wynik.ok.old before writing over it.
        grid_ = CompletedScoreTable(grid_);
        Changed();
        dialogs.ShowError(e.what());
    }
}

void ScoreTable::Open(ScoreFilePlace place, Dialogs& dialogs) {
    if (!entered_.empty())
        Save();
    place_ = std::move(place);
    Load(dialogs);
}

void ScoreTable::Rank() {
    RankScoreTable(grid_, direction_, randomBelow_);
    Changed();
}

void ScoreTable::Enter(ScoreRecord record) {
    EnterRecord(grid_, record, direction_, randomBelow_);
    entered_.push_back(std::move(record));
    Changed();
}

void ScoreTable::Save() {
    bool written = false;
    try {
        grid_ = saver_(place_.saveTo, grid_, entered_, direction_, randomBelow_,
                       [&written] { written = true; });
    } catch (...) {
        // The file holds them already: a second save would enter them a second time.
        if (written)
            entered_.clear();
        throw;
    }
    entered_.clear();
    Changed();
}

void ScoreTable::Changed() const {
    if (changed_)
        changed_();
}

} // namespace kluvian
