// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTranslator>

namespace kluvian {

// The translation a player reads, chosen from the desktop's languages in their order of
// preference (QLocale::uiLanguages(), "de-DE", "pt-BR", ...) among the translations there are
// (their names: "de", "pt_BR", ...). Empty for the game's own Polish: a C or POSIX locale,
// or Polish preferred before any translation. A language without a translation gives way to
// the next one; when none has one, English ("en").
QString ChooseTranslation(bool cLocale, const QStringList& uiLanguages,
                          const QStringList& available);

// The names of the translations built into the program.
QStringList AvailableTranslations();

// Installs the translation of the desktop's language (QLocale::system()) into the running
// QCoreApplication for the object's life, with Qt's own translation of its dialogs' buttons
// and menus where the system has one. Polish installs nothing: the source texts are Polish.
class PlayerLanguage {
public:
    PlayerLanguage();
    PlayerLanguage(const PlayerLanguage&) = delete;
    PlayerLanguage& operator=(const PlayerLanguage&) = delete;
    ~PlayerLanguage();

    // The translation installed, as ChooseTranslation names it.
    const QString& Name() const { return name_; }

private:
    QString name_;
    QTranslator game_;
    QTranslator qt_;
};

} // namespace kluvian
