// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/SaveOnClose.h"

#include "platform/Dialogs.h"
#include "platform/IoError.h"
#include "scores/TFWynik.h"

#include <QCoreApplication>

#include <filesystem>

namespace kluvian {

void SaveTableBeforeClose(TFWynik& table, Dialogs& dialogs) {
    for (;;) {
        try {
            // The player's own data folder may not exist yet; when it cannot be made, the
            // save below says why.
            std::error_code ignored;
            std::filesystem::create_directories(
                std::filesystem::path(table.ScoreFilePath).parent_path(), ignored);
            table.SaveTable();
            return;
        } catch (const IoError& e) {
            dialogs.ShowError(e.what());
        }
        // Escape and the close box try again: quitting without the table takes a choice.
        const std::string question =
            QCoreApplication::translate(
                "SaveOnClose",
                "Nie udało się zapisać tabeli wyników do pliku „wynik.ok”.\n"
                "Spróbować jeszcze raz? Jeśli nie, gra zakończy się bez zapisania wyników.")
                .toStdString();
        const std::string yes = QCoreApplication::translate("SaveOnClose", "Tak").toStdString();
        const std::string no = QCoreApplication::translate("SaveOnClose", "Nie").toStdString();
        if (!dialogs.AskYesNo({}, question, {.yes = yes, .no = no, .escapeMeansYes = true}))
            return;
    }
}

} // namespace kluvian
