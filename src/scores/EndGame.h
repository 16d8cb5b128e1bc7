// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

class QDate;
class QLocale;
class QString;

namespace kluvian {

class Dialogs;
class ScoreTable;

// Offers a finished game's Score to the table. A Score not above row 10's score gets the
// consolation message. Otherwise the player is asked for a name (Cancel changes nothing);
// name, today's date as RecordDate gives it and Score are entered, the table is saved at
// once (SaveTableAtEntry), and showTable makes its window visible. A row 10 score that is
// not an integer (damaged file, missing row) is shown in the error box as "'%s' is not a
// valid integer value" and nothing else happens. All dialogs go through dialogs; nothing is
// thrown.
void EndGame(std::int32_t Score, ScoreTable& table, Dialogs& dialogs,
             const std::function<void()>& showTable);

// The date of a record: the locale's short date format, or "dd.MM.yyyy" where there is no
// regional setting (the C or POSIX locale, whose short format spells out the month).
QString RecordDate(const QDate& date, const QLocale& locale);

} // namespace kluvian
