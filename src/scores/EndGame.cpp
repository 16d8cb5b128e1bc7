// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/EndGame.h"

#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "scores/IntegerText.h"
#include "scores/SaveTable.h"
#include "scores/ScoreTable.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <algorithm>
#include <string>

namespace kluvian {
namespace {

constexpr int kNameLength = 255;

// A cell must never hold a line break or the byte that ends a text file: either would
// shift every later cell of the saved file.
std::string CellText(const QString& text) {
    std::string bytes = ToCp1250(text);
    std::replace_if(
        bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n' || c == 0x1A; },
        '?');
    return bytes;
}

} // namespace

void EndGame(std::int32_t Score, ScoreTable& table, Dialogs& dialogs,
             const std::function<void()>& showTable) {
    const std::string& lastScore = table.Grid().Cell(kScoreColumn, kLastPlaceRow);
    const auto last = ParseInteger(lastScore);
    if (!last) {
        dialogs.ShowError(
            QCoreApplication::translate("EndGame", "'%1' is not a valid integer value")
                .arg(FromCp1250(lastScore))
                .toStdString());
        return;
    }
    if (*last >= Score) {
        // Qt breaks lines at "\n"; a CR before it would show as a stray character.
        dialogs.ShowMessage({},
                            QCoreApplication::translate(
                                "EndGame", "Tym razem wynik jest poza finałową dziesiątką.\n"
                                           "  Następnym razem napewno będzie lepiej.")
                                .toStdString(),
                            DialogIcon::None);
        return;
    }
    const auto name = dialogs.AskText(
        QCoreApplication::translate("EndGame", "Gratulacje z dobrego wyniku!").toStdString(),
        QCoreApplication::translate("EndGame", "Podaj więc swoją nazwę").toStdString(),
        kNameLength);
    if (!name)
        return;
    std::string nameBytes = CellText(QString::fromStdString(*name));
    nameBytes.resize(std::min(nameBytes.size(), std::size_t(kNameLength)));
    table.Enter({std::move(nameBytes),
                 CellText(RecordDate(QDate::currentDate(), QLocale::system())),
                 std::to_string(Score)});
    SaveTableAtEntry(table, dialogs);
    if (showTable)
        showTable();
}

QString RecordDate(const QDate& date, const QLocale& locale) {
    // The date format follows LC_TIME, which may be regional while the language is C.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (locale.language() == QLocale::C && format == QLocale::c().dateFormat(QLocale::ShortFormat))
        return date.toString(QStringLiteral("dd.MM.yyyy"));
    return locale.toString(date, QLocale::ShortFormat);
}

} // namespace kluvian
