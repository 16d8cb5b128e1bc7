// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>

namespace kluvian {
namespace {

// Where the build puts the translations (qt_add_translations' resource prefix).
const QString kFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("kluvian_");
const QString kSourceLanguage = QStringLiteral("pl");
const QString kFallback = QStringLiteral("en");

} // namespace

QString ChooseTranslation(bool cLocale, const QStringList& uiLanguages,
                          const QStringList& available) {
    // As gettext does, a C locale keeps the program's own texts whatever LANGUAGE says.
    if (cLocale)
        return {};
    for (const QString& entry : uiLanguages) {
        // "pt-Latn-BR" is tried as "pt_Latn_BR", then as "pt": a region alone (de-AT) may
        // have no translation of its own where its language has one.
        const QString name = QString(entry).replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString& candidate : {name, name.section(QLatin1Char('_'), 0, 0)}) {
            if (candidate.compare(kSourceLanguage, Qt::CaseInsensitive) == 0)
                return {};
            for (const QString& translation : available)
                if (candidate.compare(translation, Qt::CaseInsensitive) == 0)
                    return translation;
        }
    }
    return kFallback;
}

QStringList AvailableTranslations() {
    QStringList names;
    const QStringList files =
        QDir(kFolder).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files)
        names << file.mid(kPrefix.size()).chopped(3);
    return names;
}

PlayerLanguage::PlayerLanguage() {
    const QLocale system = QLocale::system();
    name_ = ChooseTranslation(system.language() == QLocale::C, system.uiLanguages(),
                              AvailableTranslations());
    if (name_.isEmpty())
        return;
    if (game_.load(kPrefix + name_, kFolder))
        QCoreApplication::installTranslator(&game_);
    // Qt's own texts (the dialogs' OK and Cancel, the text boxes' menus), when installed.
    if (qt_.load(QStringLiteral("qtbase_") + name_,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

PlayerLanguage::~PlayerLanguage() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
}

} // namespace kluvian
