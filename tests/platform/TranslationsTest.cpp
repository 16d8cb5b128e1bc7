// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"

#include "platform/CodePage.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cstring>

namespace kluvian {
namespace {

TEST(Translations, ThePlayersLanguageIsTheFirstTheGameSpeaksElseEnglish) {
    const QStringList available{QStringLiteral("de"), QStringLiteral("en"),
                                QStringLiteral("pt_BR")};
    const auto choose = [&](bool cLocale, const char* languages) {
        return ChooseTranslation(cLocale, QString::fromLatin1(languages).split(u','), available)
            .toStdString();
    };
    EXPECT_EQ(choose(true, "C"), "");
    EXPECT_EQ(choose(true, "de,de-Latn-DE,de-DE"), ""); // LANGUAGE under a C locale
    EXPECT_EQ(choose(false, "pl-PL,pl-Latn-PL,pl"), "");
    EXPECT_EQ(choose(false, "en-US,en-Latn-US,en"), "en");
    EXPECT_EQ(choose(false, "de-AT,de-Latn-AT"), "de");
    EXPECT_EQ(choose(false, "fr-FR,fr-Latn-FR,fr"), "en");
    EXPECT_EQ(choose(false, "fr,fr-Latn-FR,fr-FR,de,de-Latn-DE,de-DE"), "de");
    EXPECT_EQ(choose(false, "pl,pl-Latn-PL,pl-PL,de,de-Latn-DE,de-DE"), "");
    EXPECT_EQ(choose(false, "pt-BR,pt-Latn-BR,pt"), "pt_BR");
}

// What one message of a .ts file holds.
struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = true;
};

std::vector<Message> ReadTs(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.push_back({context, {}, {}, true});
        else if (xml.name() == u"source" && !messages.empty())
            messages.back().source = xml.readElementText();
        else if (xml.name() == u"translation" && !messages.empty()) {
            const auto type = xml.attributes().value(QStringLiteral("type"));
            messages.back().finished = type.isEmpty();
            messages.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

std::string Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    QStringList found;
    for (const auto& match : placeholder.globalMatch(text))
        found << match.captured().remove(u'L');
    found.sort();
    return found.join(u' ').toStdString();
}

qsizetype Accelerators(const QString& text) {
    return QString(text).remove(QStringLiteral("&&")).count(u'&');
}

TEST(Translations, EveryTranslationIsBuiltInCompleteAndKeepsPlaceholdersAndAccelerators) {
    const QDir folder(QStringLiteral(KLUVIAN_SOURCE_DIR "/translations"));
    const QStringList files = folder.entryList({QStringLiteral("kluvian_*.ts")}, QDir::Files);
    QStringList languages;
    for (const QString& file : files)
        languages << file.mid(qsizetype(std::strlen("kluvian_"))).chopped(3);
    EXPECT_TRUE(languages.contains(u"en") && languages.contains(u"de"));
    EXPECT_EQ(AvailableTranslations(), languages);

    for (const QString& file : files) {
        const std::vector<Message> messages = ReadTs(folder.filePath(file));
        EXPECT_FALSE(messages.empty()) << file.toStdString();
        for (const Message& m : messages) {
            const std::string where = file.toStdString() + ": " + m.source.toStdString();
            EXPECT_TRUE(m.finished && !m.translation.isEmpty()) << where;
            EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source)) << where;
            EXPECT_EQ(Accelerators(m.translation), Accelerators(m.source)) << where;
            // The head-up display's bitmap font holds code page 1250 and nothing else.
            if (m.context == u"HudText") {
                EXPECT_EQ(FromCp1250(ToCp1250(m.translation)), m.translation) << where;
            }
        }
    }
}

} // namespace
} // namespace kluvian
