// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/DataSet.h"
#include "areagen/Preview.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <optional>
#include <string>

namespace {

using kluvian::areagen::Area;

QString Description() {
    QString text = "Writes the game's data directory: the shared font, cross-hair and icons, and\n"
                   "one folder per hunting area. Without --area, every area the game comes with:";
    for (const Area& area : kluvian::areagen::GameAreas())
        text += QString("\n  %1 (%2)").arg(QString::fromStdString(area.name), area.look->name);
    text += "\n\nLooks:";
    for (const kluvian::areagen::Look* look : kluvian::areagen::AllLooks())
        text += QString("\n  %1: %2").arg(look->name, look->description);
    return text;
}

// The folder becomes one path component under OUT_DIR and nothing else.
bool IsFolderName(const QString& name) {
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains(QChar(0));
}

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "areagen: %s\n"
                 "usage: areagen OUT_DIR [--area NAME [--look LOOK]]\n"
                 "       areagen --preview OUT.png [--area NAME] [--look LOOK]\n"
                 "       areagen --help\n",
                 problem);
    return 2;
}

// The one area --area and --look name: a game area by its name, or any folder name with a look.
std::optional<Area> ChosenArea(const QCommandLineParser& parser, bool preview,
                               const char*& problem) {
    const QString name = parser.value("area");
    const kluvian::areagen::Look* look = nullptr;
    if (parser.isSet("look")) {
        look = kluvian::areagen::FindLook(parser.value("look").toStdString());
        if (!look) {
            problem = "no such look (areagen --help lists them)";
            return std::nullopt;
        }
    }
    if (!parser.isSet("area")) {
        if (!preview && look) {
            problem = "--look needs --area NAME, the folder to write";
            return std::nullopt;
        }
        const std::vector<Area> game = kluvian::areagen::GameAreas();
        return Area{look ? look->name : game.front().name, look ? look : game.front().look};
    }
    if (!IsFolderName(name)) {
        problem = "the area's NAME must be a folder name, without '/'";
        return std::nullopt;
    }
    for (const Area& area : kluvian::areagen::GameAreas())
        if (!look && area.name == name.toStdString())
            look = area.look;
    if (!look) {
        problem = "an area the game does not come with needs --look LOOK";
        return std::nullopt;
    }
    return Area{name.toStdString(), look};
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(Description());
    parser.addHelpOption();
    parser.addPositionalArgument("OUT_DIR", "The data directory to write into.");
    parser.addOptions({
        {"area", "Write only the hunting area NAME (a game area, or any name with --look).",
         "NAME"},
        {"look", "Draw the area in LOOK.", "LOOK"},
        {"preview", "Write a sheet of views of the area, as the game shows it, to OUT.png.",
         "OUT.png"},
    });
    if (!parser.parse(QGuiApplication::arguments()))
        return Usage(parser.errorText().toLocal8Bit().constData());
    if (parser.isSet("help") || parser.isSet("help-all")) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    const bool preview = parser.isSet("preview");
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != (preview ? 0 : 1))
        return Usage(preview ? "--preview takes no OUT_DIR" : "one OUT_DIR, please");
    const char* problem = "";
    const std::optional<Area> area = ChosenArea(parser, preview, problem);
    if (!area)
        return Usage(problem);
    try {
        if (preview)
            kluvian::areagen::WritePreview(parser.value("preview").toStdString(), *area);
        else if (parser.isSet("area"))
            kluvian::areagen::WriteDataSet(positional[0].toStdString(), {*area});
        else
            kluvian::areagen::WriteDataSet(positional[0].toStdString(),
                                           kluvian::areagen::GameAreas());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "areagen: %s\n", e.what());
        return 1;
    }
}
