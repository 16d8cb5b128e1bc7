#include "scores/SaveOnClose.h"

#include "platform/Dialogs.h"
#include "platform/IoError.h"
#include "scores/GridFile.h"
#include "scores/TFWynik.h"

namespace kluvian {

void SaveTableBeforeClose(const TFWynik& table, Dialogs& dialogs) {
    for (;;) {
        try {
            SaveGrid(table.Grid(), table.ScoreFilePath, table.UnreadFile());
            return;
        } catch (const IoError& e) {
            dialogs.ShowError(e.what());
        }
        // Escape and the close box try again: quitting without the table takes a choice.
        if (!dialogs.AskYesNo(
                {},
                "Nie udało się zapisać tabeli wyników do pliku „wynik.ok”.\n"
                "Spróbować jeszcze raz? Jeśli nie, gra zakończy się bez zapisania wyników.",
                {.yes = "Tak", .no = "Nie", .escapeMeansYes = true}))
            return;
    }
}

} // namespace kluvian
