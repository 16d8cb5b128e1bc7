// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/SaveTable.h"

#include "platform/Dialogs.h"
#include "platform/IoError.h"
#include "scores/ScoreTable.h"

#include <QCoreApplication>

#include <filesystem>
#include <string>

namespace kluvian {
namespace {

// The player's own data folder may not exist yet; when it cannot be made, the save says why.
void MakeFolderAndSave(ScoreTable& table) {
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(table.ScoreFilePath()).parent_path(),
                                        ignored);
    table.Save();
}

// Saves until it works or the player answers the question with "Nie".
void SaveAsking(ScoreTable& table, Dialogs& dialogs, const QString& question) {
    for (;;) {
        try {
            MakeFolderAndSave(table);
            return;
        } catch (const IoError& e) {
            dialogs.ShowError(e.what());
        }
        // Escape and the close box try again: going on without the table takes a choice.
        const std::string yes = QCoreApplication::translate("SaveOnClose", "Tak").toStdString();
        const std::string no = QCoreApplication::translate("SaveOnClose", "Nie").toStdString();
        if (!dialogs.AskYesNo({}, question.toStdString(),
                              {.yes = yes, .no = no, .escapeMeansYes = true}))
            return;
    }
}

} // namespace

void SaveTableBeforeClose(ScoreTable& table, Dialogs& dialogs) {
    SaveAsking(table, dialogs,
               QCoreApplication::translate(
                   "SaveOnClose",
                   "Nie udało się zapisać tabeli wyników do pliku „wynik.ok”.\n"
                   "Spróbować jeszcze raz? Jeśli nie, gra zakończy się bez zapisania wyników."));
}

void SaveTableAtEntry(ScoreTable& table, Dialogs& dialogs) {
    SaveAsking(
        table, dialogs,
        QCoreApplication::translate(
            "SaveOnClose",
            "Nie udało się zapisać tabeli wyników do pliku „wynik.ok”.\n"
            "Spróbować jeszcze raz? Jeśli nie, gra spróbuje zapisać wyniki przy zamknięciu."));
}

std::optional<std::string> SaveTableQuietly(ScoreTable& table) {
    try {
        MakeFolderAndSave(table);
        return std::nullopt;
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
}

} // namespace kluvian
