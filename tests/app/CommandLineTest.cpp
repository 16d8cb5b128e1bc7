// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "support/FileFaults.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kluvian {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, AnswersItsOwnOptionsPassesQtsOnAndNamesTheFirstFault) {
    EXPECT_EQ(ParseCommandLine({}).action, Action::Play);
    EXPECT_EQ(ParseCommandLine({"-h"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"-platform", "xcb", "--help", "--bogus"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"--version"}).action, Action::Version);
    EXPECT_TRUE(VersionText().starts_with("kluvian "));

    // Qt's own, with their values, one dash or two; the last platform is the one Qt takes.
    const CommandLine qt = ParseCommandLine({"-platform", "offscreen", "--style", "-odd-name",
                                             "-style=fusion", "-reverse", "--platform", "xcb",
                                             "-display", ":3", "-qwindowgeometry", "80x60"});
    EXPECT_EQ(qt.action, Action::Play) << qt.fault;
    EXPECT_EQ(qt.platform, "xcb");
    EXPECT_EQ(qt.display, ":3");

    const auto fault = [](std::vector<std::string> args) {
        const CommandLine line = ParseCommandLine(args);
        EXPECT_EQ(line.action, Action::Wrong);
        return line.fault;
    };
    EXPECT_EQ(fault({"--bogus", "--help"}), "unknown option '--bogus'");
    EXPECT_EQ(fault({"-platform=xcb"}), "unknown option '-platform=xcb'"); // Qt ignores it
    EXPECT_EQ(fault({"-"}), "unexpected argument '-'");
    EXPECT_EQ(fault({"wynik.ok"}), "unexpected argument 'wynik.ok'");
    EXPECT_EQ(fault({"-style", "fusion", "-platform"}), "option '-platform' needs a value");
    EXPECT_EQ(fault({"--version=2"}), "option '--version' takes no value");
    EXPECT_EQ(fault({"--area", "", "--help"}), "option '--area' needs a folder, not an empty name");

    const std::string usage = UsageText();
    for (const char* part : {"--help", "--version", "-platform", "wynik.ok", "XDG_DATA_HOME"})
        EXPECT_NE(usage.find(part), std::string::npos) << part;
}

TEST(CommandLine, AnAreaMustBeAFolderToEnterAndIsTakenByItsCanonicalNameForHelpAndGameAlike) {
    const test::TempDir dir;
    std::filesystem::create_directories(dir.File("locked/inner"));
    std::filesystem::create_directory(dir.File("area"));
    dir.Write("file", "");
    const CommandLine area = ParseCommandLine({"--area", dir.File("area/../area")});
    EXPECT_EQ(area.action, Action::Play) << area.fault;
    EXPECT_EQ(area.areaDir, std::filesystem::canonical(dir.File("area")).string() + "/");
    // The help names the table of the area the game would play.
    EXPECT_EQ(ParseCommandLine({"--area", dir.File("area/../area"), "--help"}).areaDir,
              area.areaDir);

    // Root enters any folder: the checks run with a player's rights, who may enter only the
    // test's own folder.
    ::chmod(dir.Path().c_str(), 0755);
    ::chmod(dir.File("locked").c_str(), 0700);
    const test::UnprivilegedFiles player;
    const auto fault = [](const std::string& wrong) {
        const CommandLine line = ParseCommandLine({"--area=" + wrong, "--help"});
        EXPECT_EQ(line.action, Action::Wrong) << wrong;
        EXPECT_FALSE(line.faultWithUsage); // one line says it all
        EXPECT_NE(line.fault.find(wrong), std::string::npos) << line.fault;
        return line.fault;
    };
    EXPECT_THAT(fault(dir.File("missing")), testing::EndsWith("there is no such folder"));
    EXPECT_THAT(fault(dir.File("file")), testing::EndsWith("it is not a folder"));
    EXPECT_THAT(fault(dir.File("locked")), testing::HasSubstr("cannot be entered"));
    EXPECT_THAT(fault(dir.File("locked/inner")), testing::EndsWith("Permission denied"));
}

TEST(CommandLine, NamesTheDisplaysQtWouldTryWhenNoneOpens) {
    std::map<std::string, std::string> env;
    std::vector<std::string> tried;
    std::string live = "none"; // the one display that opens
    const auto missing = [&](std::vector<std::string> args) {
        tried.clear();
        return MissingDesktop(
            ParseCommandLine(args),
            [&](const std::string& name) -> std::optional<std::string> {
                if (!env.contains(name))
                    return std::nullopt;
                return env[name];
            },
            [&](DisplayKind kind, const std::string& name) {
                tried.push_back((kind == DisplayKind::X ? "X " : "Wayland ") + name);
                return name == live;
            });
    };
    EXPECT_THAT(missing({}), testing::HasSubstr("neither DISPLAY nor WAYLAND_DISPLAY is set"));
    env = {{"DISPLAY", ":77"}};
    EXPECT_EQ(missing({}), "kluvian: cannot open the X display ':77'");
    EXPECT_EQ(missing({"-display", ":5"}), "kluvian: cannot open the X display ':5'");
    EXPECT_EQ(missing({"-platform", "offscreen"}), "");
    EXPECT_TRUE(tried.empty());

    // Qt tries Wayland first where the environment names it, then X.
    env = {{"DISPLAY", ":77"}, {"WAYLAND_DISPLAY", "w-1"}};
    EXPECT_EQ(missing({}),
              "kluvian: cannot open the Wayland display 'w-1' nor the X display ':77'");
    EXPECT_EQ(tried, (std::vector<std::string>{"Wayland w-1", "X :77"}));
    live = ":77";
    EXPECT_EQ(missing({}), "");
    env = {{"WAYLAND_DISPLAY", "w-1"}};
    EXPECT_EQ(missing({}), "kluvian: cannot open the Wayland display 'w-1' nor the X display "
                           "(DISPLAY is not set)");
    env = {{"XDG_SESSION_TYPE", "wayland"}};
    live = "wayland-0";
    EXPECT_EQ(missing({}), "");

    // A list of platforms fails only when every one of them does; the command line's wins.
    live = "none";
    env = {{"QT_QPA_PLATFORM", "wayland;vnc:size=800x600"}};
    EXPECT_EQ(missing({}), "");
    EXPECT_EQ(missing({"-platform", "wayland-egl"}),
              "kluvian: cannot open the Wayland display 'wayland-0'");
    // A socket handed down is Qt's to take.
    env["WAYLAND_SOCKET"] = "3";
    EXPECT_EQ(missing({"-platform", "wayland"}), "");
}

} // namespace
} // namespace kluvian
