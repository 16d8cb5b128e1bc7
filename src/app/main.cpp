// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AreaChoice.h"
#include "app/CommandLine.h"
#include "app/GameAudio.h"
#include "app/TGLForm.h"
#include "game/Hunt.h"
#include "platform/Application.h"
#include "platform/ArrowKeyTracker.h"
#include "platform/Clock.h"
#include "platform/DisplayCheck.h"
#include "platform/EndSignals.h"
#include "platform/FreedMemory.h"
#include "platform/Paths.h"
#include "platform/QtDialogs.h"
#include "platform/Translations.h"
#include "render/SurfaceFormat.h"
#include "scores/ScoreFilePlace.h"
#include "scores/ScoreTable.h"
#include "windows/GameIcon.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <optional>
#include <string>

namespace {

// Needs Qt's core object for the paths.
kluvian::PlayedArea PlayedAreaOf(const kluvian::CommandLine& line) {
    return kluvian::DecidePlayedArea(line.areaDir, kluvian::PlayerSettings(),
                                     kluvian::ExecutableDir(), kluvian::UserDataDir());
}

// Answers what needs no desktop: the help, the version, a wrong command line, a start with no
// desktop to show the game on. Returns the exit status then; nothing when the game may start.
// Needs the core application object (the paths and the translations come from Qt).
std::optional<int> AnswerWithoutDesktop(const kluvian::CommandLine& line) {
    using Action = kluvian::CommandLine::Action;
    switch (line.action) {
    case Action::Help: {
        const kluvian::PlayedArea played = PlayedAreaOf(line);
        const QString table = QCoreApplication::translate("CommandLine", "Your table: %1")
                                  .arg(QString::fromStdString(played.scores.saveTo));
        std::printf("%s\n%s\n", kluvian::UsageText().c_str(), table.toStdString().c_str());
        return 0;
    }
    case Action::Version:
        std::printf("%s\n", kluvian::VersionText().c_str());
        return 0;
    case Action::Wrong:
        std::fprintf(stderr, "kluvian: %s\n%s", line.fault.c_str(),
                     line.faultWithUsage ? kluvian::UsageText().c_str() : "");
        return 2;
    case Action::Play:
        break;
    }
    // Qt itself would abort here, with a page about platform plugins.
    const auto getEnv = [](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const std::string missing = kluvian::MissingDesktop(line, getEnv, kluvian::CanOpenDisplay);
    if (!missing.empty()) {
        std::fprintf(stderr, "%s\n", missing.c_str());
        return 1;
    }
    return std::nullopt;
}

// Builds the parts of the game, each handed to those that use it, and plays until the main
// window closes. The table is saved by then; the windows, the context and the sound go as
// this returns.
int Play(const kluvian::CommandLine& line, kluvian::Dialogs& dialogs, const kluvian::Clock& clock,
         const std::string& exeDir) {
    kluvian::GameAudio audio;
    kluvian::ArrowKeyTracker keys;
    kluvian::PlayedArea played = PlayedAreaOf(line);
    kluvian::Hunt hunt(clock, keys, audio, exeDir, std::move(played.areaDir));
    kluvian::ScoreTable table(std::move(played.scores),
                              [&hunt](std::uint32_t n) { return hunt.RandomBelow(n); });
    std::unique_ptr<kluvian::TGLForm> GLForm;
    try {
        GLForm = std::make_unique<kluvian::TGLForm>(hunt, table, keys, dialogs, clock);
    } catch (const std::exception& e) {
        // Without a drawing there is no game to play.
        dialogs.ShowError(e.what());
        return 1;
    }
    // A logout, a shutdown or Ctrl+C ends the game as F6 does, without a question.
    const kluvian::EndSignals ends({SIGTERM, SIGHUP, SIGINT});
    QObject::connect(&ends, &kluvian::EndSignals::Received, GLForm.get(),
                     &kluvian::TGLForm::EndSession);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, GLForm.get(),
                     &kluvian::TGLForm::EndSession);
    GLForm->show();
    return kluvian::Application::exec();
}

} // namespace

int main(int argc, char** argv) {
    kluvian::KeepFreedMemoryForReuse();
    kluvian::CommandLine line;
    {
        // The command line speaks the player's language before any display is opened. Qt's
        // own options stay in argv for the application object below.
        int coreArgc = 1;
        const QCoreApplication core(coreArgc, argv);
        const kluvian::PlayerLanguage language;
        line = kluvian::ParseCommandLine({argv + 1, argv + argc});
        if (const std::optional<int> status = AnswerWithoutDesktop(line))
            return *status;
    }
    kluvian::UseGameSurfaceFormat();
    kluvian::Application app(argc, argv);
    kluvian::Application::setApplicationName("Kluvian");
    const kluvian::PlayerLanguage language;

    kluvian::QtDialogs dialogs;
    kluvian::SystemClock clock;
    const std::string exeDir = kluvian::ExecutableDir();
    kluvian::Application::setWindowIcon(kluvian::GameIcon(exeDir));
    // Wayland desktops find the window's icon and name through its desktop entry.
    kluvian::Application::setDesktopFileName(QStringLiteral(KLUVIAN_APP_ID));

    const int status = Play(line, dialogs, clock, exeDir);
    // Qt's Wayland client (6.4) now and then deadlocks tearing its display connection down
    // (the main thread waits for its event thread, which waits for events), which would leave
    // a process with no window behind: on Wayland the program leaves without that teardown.
    if (kluvian::Application::platformName() == QLatin1String("wayland"))
        std::exit(status);
    return status;
}
