// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kluvian {

class Dialogs;
class TFWynik;

// For the main window's close handler: saves the table to its ScoreFilePath with
// TFWynik::SaveTable (the records of this run merged into the table there, a file that does
// not read as a table kept as wynik.ok.old first), making its folder first when there is
// none. When saving fails, the failure is shown in the error box and the player is asked
// whether to try again ("Tak", also Escape and the close box) or to quit without the table
// ("Nie"). Returns when the main window may close: the table has been saved or the player
// chose to quit without it.
void SaveTableBeforeClose(TFWynik& table, Dialogs& dialogs);

} // namespace kluvian
