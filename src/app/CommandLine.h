// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kluvian {

// What the command line asks for. Qt's own options are recognised and left in argv for the
// application object; everything else that is not the game's is a fault.
struct CommandLine {
    enum class Action { Play, Help, Version, Wrong };
    Action action = Action::Play;
    std::string fault;          // with Wrong: one line that names the argument at fault
    bool faultWithUsage = true; // the usage follows the line (not after a wrong folder)
    std::string areaDir;        // --area: a hunting area's folder, canonical, ending in '/'
    std::string platform;       // the value of Qt's -platform, when given (the last one wins)
    bool displayGiven = false;  // Qt's -display names an X display
};

// args: the arguments after the program's name. Read in order; --help, --version or the
// first fault ends the reading. A --area that names no folder is a fault.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage, the options and where the score table lives, ending in a line break.
std::string UsageText();

// "kluvian" and the version of the build.
std::string VersionText();

// getEnv(name): the environment variable's value, empty when it is unset.
using GetEnvFn = std::function<std::string(const std::string& name)>;

// The one line to print when the game would start without a desktop to show its window on:
// the platform chosen draws on X or Wayland and neither names a display. Empty otherwise,
// also for platforms that need no display (offscreen, vnc, eglfs, ...).
std::string MissingDesktop(const CommandLine& line, const GetEnvFn& getEnv);

} // namespace kluvian
