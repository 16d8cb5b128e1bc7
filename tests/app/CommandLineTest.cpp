// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <map>

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
    EXPECT_TRUE(qt.displayGiven);

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

    const std::string usage = UsageText();
    for (const char* part : {"--help", "--version", "-platform", "wynik.ok", "XDG_DATA_HOME"})
        EXPECT_NE(usage.find(part), std::string::npos) << part;
}

TEST(CommandLine, AnAreaMustBeAFolderAndIsTakenByItsCanonicalName) {
    const test::TempDir dir;
    std::filesystem::create_directory(dir.File("area"));
    dir.Write("file", "");
    const CommandLine area = ParseCommandLine({"--area", dir.File("area/../area")});
    EXPECT_EQ(area.action, Action::Play) << area.fault;
    EXPECT_EQ(area.areaDir, std::filesystem::canonical(dir.File("area")).string() + "/");
    for (const std::string& wrong : {dir.File("missing"), dir.File("file")}) {
        const CommandLine line = ParseCommandLine({"--area=" + wrong});
        EXPECT_EQ(line.action, Action::Wrong);
        EXPECT_FALSE(line.faultWithUsage); // one line says it all
        EXPECT_NE(line.fault.find(wrong), std::string::npos) << line.fault;
    }
}

TEST(CommandLine, MissesADesktopOnlyWhereThePlatformNeedsOneAndNoneIsNamed) {
    std::map<std::string, std::string> env;
    const auto missing = [&](std::vector<std::string> args) {
        return !MissingDesktop(ParseCommandLine(args), [&](const std::string& name) {
                    return env[name];
                }).empty();
    };
    EXPECT_TRUE(missing({}));
    EXPECT_TRUE(missing({"-platform", "xcb"}));
    EXPECT_FALSE(missing({"-platform", "offscreen"}));
    EXPECT_FALSE(missing({"-platform", "xcb", "-display", ":1"}));
    env["QT_QPA_PLATFORM"] = "wayland;xcb";
    EXPECT_TRUE(missing({}));
    env["QT_QPA_PLATFORM"] = "xcb;vnc:size=800x600";
    EXPECT_FALSE(missing({}));
    EXPECT_TRUE(missing({"-platform", "wayland-egl"})); // the command line wins

    env = {{"WAYLAND_DISPLAY", "wayland-1"}};
    EXPECT_FALSE(missing({}));
    env = {{"DISPLAY", ":0"}};
    EXPECT_FALSE(missing({"-platform", "xcb"}));
}

} // namespace
} // namespace kluvian
