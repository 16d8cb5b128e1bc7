// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TGLForm.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/QtDialogs.h"
#include "render/SurfaceFormat.h"
#include "scores/ScoreFilePlace.h"
#include "windows/GameIcon.h"

#include <cstdlib>
#include <exception>
#include <memory>

int main(int argc, char** argv) {
    kluvian::UseGameSurfaceFormat();
    kluvian::Application app(argc, argv);
    kluvian::Application::setApplicationName("Kluvian");

    kluvian::QtDialogs dialogs;
    kluvian::SystemClock clock;
    const std::string exeDir = kluvian::ExecutableDir();
    kluvian::Application::setWindowIcon(kluvian::GameIcon(exeDir));
    // Wayland desktops find the window's icon and name through its desktop entry.
    kluvian::Application::setDesktopFileName(QStringLiteral(KLUVIAN_APP_ID));

    std::unique_ptr<kluvian::TGLForm> GLForm;
    try {
        // Decided once, so the table is saved where it was read from.
        const kluvian::ScoreFilePlace scores =
            kluvian::DecideScoreFilePlace(exeDir, kluvian::UserDataDir(), kluvian::CanWrite);
        GLForm = std::make_unique<kluvian::TGLForm>(dialogs, clock, exeDir, scores);
    } catch (const std::exception& e) {
        // Without a drawing there is no game to play.
        dialogs.ShowError(e.what());
        return 1;
    }
    GLForm->show();
    const int status = kluvian::Application::exec();
    // The table is saved by now; the windows, the context and the sound go first. Qt's
    // Wayland client (6.4) now and then deadlocks tearing its display connection down (the
    // main thread waits for its event thread, which waits for events), which would leave a
    // process with no window behind: on Wayland the program leaves without that teardown.
    GLForm.reset();
    if (kluvian::Application::platformName() == QLatin1String("wayland"))
        std::exit(status);
    return status;
}
