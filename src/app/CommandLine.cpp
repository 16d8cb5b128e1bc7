// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace kluvian {
namespace {

using Action = CommandLine::Action;

CommandLine Wrong(std::string fault) {
    CommandLine line;
    line.action = Action::Wrong;
    line.fault = std::move(fault);
    return line;
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// A translated line with its %1 replaced by the argument in quotes; the argument keeps its
// bytes, whatever they are.
std::string WithArgument(const QString& line, std::string_view argument) {
    std::string text = line.toStdString();
    if (const std::size_t at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, Quoted(argument));
    return text;
}

// The game's own options, GNU style. One that takes a value has it after '=' or as the next
// argument. The usage lists them in this order.
struct OwnOption {
    std::string_view name;      // "--help"
    std::string_view shortName; // "-h", or empty
    std::string_view valueName; // shown in the usage; empty for a switch
    const char* help;           // translated when shown
    void (*apply)(CommandLine& line, const std::string& value);
};

constexpr OwnOption kOwnOptions[] = {
    {"--help", "-h", "", QT_TRANSLATE_NOOP("CommandLine", "show this help and leave"),
     [](CommandLine& line, const std::string&) { line.action = Action::Help; }},
    {"--version", "", "", QT_TRANSLATE_NOOP("CommandLine", "show the version and leave"),
     [](CommandLine& line, const std::string&) { line.action = Action::Version; }},
    {"--area", "", "DIR",
     QT_TRANSLATE_NOOP("CommandLine", "play the hunting area in the folder DIR this time"),
     [](CommandLine& line, const std::string& dir) {
         if (dir.empty())
             line = Wrong(QCoreApplication::translate(
                              "CommandLine", "option '--area' needs a folder, not an empty name")
                              .toStdString());
         else
             line.areaDir = dir;
     }},
};

// What QApplication takes out of argv (measured with Qt 6.4 on X and on Wayland), written
// with one dash or two. The X platform alone takes -display to -visual, -nograb and -dograb;
// other platforms leave them unused.
constexpr std::string_view kQtOptionsWithValue[] = {"platform",      "platformpluginpath",
                                                    "platformtheme", "plugin",
                                                    "qmljsdebugger", "qwindowgeometry",
                                                    "qwindowicon",   "qwindowtitle",
                                                    "session",       "style",
                                                    "stylesheet",    "display",
                                                    "geometry",      "title",
                                                    "icon",          "name",
                                                    "visual"};
constexpr std::string_view kQtSwitches[] = {"reverse", "widgetcount", "nograb",
                                            "dograb",  "testability", "qdevel"};
// These also take their value after '=', as in -style=fusion.
constexpr std::string_view kQtOptionsWithInlineValue[] = {"style", "stylesheet", "qmljsdebugger"};

template <std::size_t N> bool IsOneOf(std::string_view word, const std::string_view (&words)[N]) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

const OwnOption* FindOwnOption(std::string_view word) {
    for (const OwnOption& option : kOwnOptions) {
        if (word == option.name || (!option.shortName.empty() && word == option.shortName))
            return &option;
    }
    return nullptr;
}

// Reads one argument (at i, which moves past a value it takes) into line.
void ReadArgument(const std::vector<std::string>& args, std::size_t& i, CommandLine& line) {
    const std::string& arg = args[i];
    // The value that follows an option as the next argument.
    const auto nextValue = [&](std::string_view option) -> std::optional<std::string> {
        if (i + 1 >= args.size()) {
            line = Wrong(WithArgument(
                QCoreApplication::translate("CommandLine", "option %1 needs a value"), option));
            return std::nullopt;
        }
        return args[++i];
    };

    if (arg.size() < 2 || arg[0] != '-') {
        line = Wrong(WithArgument(
            QCoreApplication::translate("CommandLine", "unexpected argument %1"), arg));
        return;
    }

    const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
    const std::string_view key = std::string_view(arg).substr(0, equals);
    if (const OwnOption* own = FindOwnOption(key)) {
        if (own->valueName.empty()) {
            if (equals != std::string::npos)
                line = Wrong(WithArgument(
                    QCoreApplication::translate("CommandLine", "option %1 takes no value"), key));
            else
                own->apply(line, {});
        } else if (equals != std::string::npos) {
            own->apply(line, arg.substr(equals + 1));
        } else if (const auto value = nextValue(key)) {
            own->apply(line, *value);
        }
        return;
    }

    // Qt reads "--platform" as "-platform".
    const std::string_view word = std::string_view(arg).substr(arg.starts_with("--") ? 2 : 1);
    if (IsOneOf(word, kQtSwitches))
        return;
    if (IsOneOf(word, kQtOptionsWithValue)) {
        if (const auto value = nextValue(arg)) {
            if (word == "platform")
                line.platform = *value;
            if (word == "display")
                line.display = *value;
        }
        return;
    }
    const std::size_t inlineEquals = word.find('=');
    if (inlineEquals != std::string_view::npos &&
        IsOneOf(word.substr(0, inlineEquals), kQtOptionsWithInlineValue))
        return;
    line =
        Wrong(WithArgument(QCoreApplication::translate("CommandLine", "unknown option %1"), arg));
}

// The area's folder must be one the game can enter; the game takes it by its canonical name.
void CheckAreaDir(CommandLine& line) {
    namespace fs = std::filesystem;
    const fs::path dir(line.areaDir);
    std::error_code error;
    const fs::file_status status = fs::status(dir, error);
    std::string why;
    if (status.type() == fs::file_type::not_found)
        why = QCoreApplication::translate("CommandLine", "there is no such folder").toStdString();
    else if (error) // a folder on the way that may not be searched, ...
        why = error.message();
    else if (!fs::is_directory(status))
        why = QCoreApplication::translate("CommandLine", "it is not a folder").toStdString();
    else if (!fs::exists(dir / ".", error) && error) // a name in it is reached only by entering
        why = QCoreApplication::translate("CommandLine", "the folder cannot be entered (%1)")
                  .arg(QString::fromStdString(error.message()))
                  .toStdString();
    else if (std::string canonical = fs::canonical(dir, error).string(); error)
        why = error.message();
    else
        line.areaDir = canonical.ends_with('/') ? canonical : canonical + '/';
    if (!why.empty()) {
        //: %1 is the folder, %2 why it is none: "there is no such folder", ...
        line = Wrong(
            WithArgument(QCoreApplication::translate("CommandLine", "no hunting area at %1: %2")
                             .arg(QStringLiteral("%1"), QString::fromStdString(why)),
                         dir.string()));
        line.faultWithUsage = false;
    }
}

// The platforms Qt tries, in its order: the command line's, the environment's, or Qt's own
// choice (measured with Qt 6.4: Wayland first where the environment names it, then X).
std::vector<std::string> QtPlatforms(const CommandLine& line, const GetEnvFn& getEnv) {
    std::string list = line.platform.value_or(getEnv("QT_QPA_PLATFORM").value_or(""));
    if (list.empty()) {
        const bool wayland = getEnv("WAYLAND_DISPLAY") || getEnv("XDG_SESSION_TYPE") == "wayland";
        list = wayland ? "wayland;xcb" : "xcb";
    }
    std::vector<std::string> platforms;
    std::string_view rest = list;
    for (;;) {
        const std::size_t semicolon = rest.find(';');
        platforms.emplace_back(rest.substr(0, semicolon));
        if (semicolon == std::string_view::npos)
            return platforms;
        rest.remove_prefix(semicolon + 1);
    }
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    for (std::size_t i = 0; i < args.size() && line.action == Action::Play; ++i)
        ReadArgument(args, i, line);
    // Checked for the help as well, which names the area's table.
    const bool areaCounts = line.action == Action::Play || line.action == Action::Help;
    if (areaCounts && !line.areaDir.empty())
        CheckAreaDir(line);
    return line;
}

std::string UsageText() {
    //: Lines of at most 79 characters, for a terminal.
    std::string text =
        QCoreApplication::translate(
            "CommandLine",
            "Usage: kluvian [OPTION]... [QT-OPTION]...\n"
            "A shooting gallery: thirty vultures cross a mountain panorama, and you\n"
            "have 90 seconds and an eight-cartridge magazine to score with.\n"
            "\n"
            "Options:\n")
            .toStdString();
    for (const OwnOption& option : kOwnOptions) {
        std::string names =
            option.shortName.empty() ? "    " : std::string(option.shortName) + ", ";
        names += option.name;
        if (!option.valueName.empty())
            names += " " + std::string(option.valueName);
        names.resize(std::max<std::size_t>(names.size() + 2, 20), ' ');
        text += "  " + names +
                QCoreApplication::translate("CommandLine", option.help).toStdString() + "\n";
    }
    //: Lines of at most 79 characters, for a terminal.
    text += QCoreApplication::translate(
                "CommandLine",
                "\n"
                "Qt's own options work as well, among them -platform NAME, -style NAME and\n"
                "-display DISPLAY.\n"
                "\n"
                "The ten best results are kept in wynik.ok beside the program where the player\n"
                "may write there, otherwise in the player's own $XDG_DATA_HOME/kluvian/\n"
                "(~/.local/share/kluvian/ by default). Every hunting area but BlueMountains\n"
                "keeps a table of its own there, in areas/.\n"
                "\n"
                "F7 chooses the hunting area among the game's own and yours; each of yours is a\n"
                "folder of its own in $XDG_DATA_HOME/kluvian/areas/. The game keeps the choice\n"
                "for the next start; --area DIR plays DIR this time and leaves the choice be.\n"
                "\n"
                "Keys: F1 help, F2 new game, F3 the table, F4 sound, F5 maximised window,\n"
                "F6 leave, F7 hunting area, F11 full screen (Escape leaves it), P or Pause to\n"
                "pause; the left button shoots, the right one reloads, the arrows pan.\n")
                .toStdString();
    return text;
}

std::string VersionText() {
    return "kluvian " KLUVIAN_VERSION;
}

std::string MissingDesktop(const CommandLine& line, const GetEnvFn& getEnv,
                           const CanOpenDisplayFn& canOpen) {
    std::vector<std::string> tried;
    bool anyName = false;
    for (const std::string& platform : QtPlatforms(line, getEnv)) {
        // Options of a platform follow its name after ':'.
        const std::string_view name = std::string_view(platform).substr(0, platform.find(':'));
        if (name == "xcb") {
            const std::string display = line.display.value_or(getEnv("DISPLAY").value_or(""));
            if (canOpen(DisplayKind::X, display))
                return {};
            //: Named in "kluvian: cannot open %1".
            tried.push_back(
                display.empty()
                    ? QCoreApplication::translate("CommandLine",
                                                  "the X display (DISPLAY is not set)")
                          .toStdString()
                    : WithArgument(QCoreApplication::translate("CommandLine", "the X display %1"),
                                   display));
            anyName = anyName || !display.empty();
        } else if (name.starts_with("wayland")) {
            // A socket handed down can be taken only once, and that is Qt's to do.
            if (getEnv("WAYLAND_SOCKET"))
                return {};
            const std::string display = getEnv("WAYLAND_DISPLAY").value_or("wayland-0");
            if (canOpen(DisplayKind::Wayland, display))
                return {};
            tried.push_back(WithArgument(
                QCoreApplication::translate("CommandLine", "the Wayland display %1"), display));
            anyName = true;
        } else {
            return {}; // one that needs no display always starts
        }
    }
    if (!anyName)
        return QCoreApplication::translate("CommandLine",
                                           "kluvian: no desktop to show the game on (neither "
                                           "DISPLAY nor WAYLAND_DISPLAY is set)")
            .toStdString();
    QString displays = QString::fromStdString(tried.front());
    for (std::size_t i = 1; i < tried.size(); ++i)
        //: Two displays that could not be opened, the first tried first.
        displays = QCoreApplication::translate("CommandLine", "%1 nor %2")
                       .arg(displays, QString::fromStdString(tried[i]));
    //: %1 names the display, or the displays, that could not be opened.
    return QCoreApplication::translate("CommandLine", "kluvian: cannot open %1")
        .arg(displays)
        .toStdString();
}

} // namespace kluvian
