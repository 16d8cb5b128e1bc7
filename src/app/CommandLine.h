// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DisplayCheck.h"

#include <functional>
#include <optional>
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
    std::optional<std::string> platform; // Qt's -platform, when given (the last one wins)
    std::optional<std::string> display;  // Qt's -display: the X display, when given
};

// args: the arguments after the program's name. Read in order; --help, --version or the
// first fault ends the reading. A --area that names no folder the game can enter is a fault,
// with --help as well: help and game name the same area.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage, the options and where the score table lives, ending in a line break.
std::string UsageText();

// "kluvian" and the version of the build.
std::string VersionText();

// getEnv(name): the environment variable's value, nothing when it is unset.
using GetEnvFn = std::function<std::optional<std::string>(const std::string& name)>;
// canOpen(kind, name): whether that display can be opened now (CanOpenDisplay).
using CanOpenDisplayFn = std::function<bool(DisplayKind kind, const std::string& name)>;

// The one line to print when the game would start without a desktop to show its window on:
// every platform Qt would try draws on an X or Wayland display, and none of those displays
// opens. The line names the displays tried. Empty when one opens, and for platforms that
// need no display (offscreen, vnc, eglfs, ...).
std::string MissingDesktop(const CommandLine& line, const GetEnvFn& getEnv,
                           const CanOpenDisplayFn& canOpen);

} // namespace kluvian
