// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace kluvian {

class Dialogs;
class ScoreTable;

// The table saved with ScoreTable::Save (the records entered merged into the table on disk, a
// file that does not read as a table kept as wynik.ok.old first), its folder made first when
// there is none.

// For the main window's close handler. When saving fails, the failure is shown in the error
// box and the player is asked whether to try again ("Tak", also Escape and the close box) or
// to quit without the table ("Nie"). Returns when the main window may close: the table has
// been saved or the player chose to quit without it.
void SaveTableBeforeClose(ScoreTable& table, Dialogs& dialogs);

// Right after a record is entered, so that nothing ends the game with it unsaved. A failure
// is shown and asked about as at closing; "Nie" keeps the record in memory, and closing tries
// again.
void SaveTableAtEntry(ScoreTable& table, Dialogs& dialogs);

// For an end nobody waits at (a signal, a logout): no dialog. Returns the failure's text,
// nothing when the table was saved.
std::optional<std::string> SaveTableQuietly(ScoreTable& table);

} // namespace kluvian
