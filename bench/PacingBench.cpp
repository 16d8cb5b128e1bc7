// SPDX-License-Identifier: GPL-3.0-or-later
// build/kluvian-pacing [DATA_DIR]: the real main window under the real event loop, measured from
// inside: frame rate (from the panning speed and from the game's counter), the intervals of the
// flight step and the countdown, CPU of this process at the black screen and in a game, and the
// time from F2 to playing. Run it on a display with a window manager (bench/pacing.sh does).
#include "app/TGLForm.h"
#include "platform/Application.h"
#include "platform/Paths.h"
#include "render/GameView.h"
#include "render/SurfaceFormat.h"
#include "support/RecordingDialogs.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace kluvian {
namespace {

// User plus system time of this process, all threads, in seconds.
double CpuSeconds() {
    std::ifstream in("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    // Fields after the command name, which sits in parentheses and may hold blanks.
    std::istringstream rest(text.substr(text.rfind(')') + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; rest >> field; ++i)
        if (i == 14 || i == 15)
            ticks += std::stod(field);
    return ticks / double(sysconf(_SC_CLK_TCK));
}

// Runs the event loop as the program's own does, until the condition holds (checked every
// millisecond) or the time is up. QTest::qWait is no stand-in: it sleeps 10 ms between its
// rounds of events, which puts frames and timers on a 10 ms grid.
void RunEvents(int ms, const std::function<bool()>& done = {}) {
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done && done())
            loop.quit();
    });
    if (done)
        poll.start(1);
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Share of one core this process used while the event loop ran for the given time.
double CpuShare(int ms) {
    QElapsedTimer wall;
    const double before = CpuSeconds();
    wall.start();
    RunEvents(ms);
    return (CpuSeconds() - before) / (double(wall.nsecsElapsed()) / 1e9) * 100.0;
}

struct Intervals {
    std::vector<double> ms;
    QElapsedTimer clock;
    double last = -1;
    void Tick() {
        const double now = double(clock.nsecsElapsed()) / 1e6;
        if (last >= 0)
            ms.push_back(now - last);
        last = now;
    }
    void Print(const char* what) const {
        if (ms.empty()) {
            std::printf("%-34s no ticks\n", what);
            return;
        }
        double sum = 0;
        for (double v : ms)
            sum += v;
        std::printf("%-34s mean %.2f ms, min %.2f, max %.2f (%zu intervals)\n", what,
                    sum / double(ms.size()), *std::min_element(ms.begin(), ms.end()),
                    *std::max_element(ms.begin(), ms.end()), ms.size());
    }
};

int Run(const std::string& dataDir) {
    // The game reads data/ beside its executable directory: give it one of its own.
    QTemporaryDir exe;
    std::filesystem::create_directory_symlink(std::filesystem::absolute(dataDir),
                                              exe.path().toStdString() + "/data");
    RecordingDialogs dialogs;
    SystemClock clock;
    TGLForm form(dialogs, clock, exe.path().toStdString() + "/");
    form.show();
    const bool exposed = QTest::qWaitForWindowExposed(&form);
    form.activateWindow();
    if (!exposed || !QTest::qWaitForWindowActive(&form, 2000))
        std::printf("The main window did not become active: panning figures may read 0.\n");
    RunEvents(1000);
    std::printf("%-34s %.2f Hz\n",
                "Screen's reported refresh rate:", form.view().screen()->refreshRate());

    // CPU share over five seconds, and the pictures presented meanwhile.
    auto measure = [&](const char* what) {
        const long before = form.view().PicturesShown();
        const double cpu = CpuShare(5000);
        std::printf("%-34s %.1f %% of one core (%.1f frames/s painted, the game's counter %.1f)\n",
                    what, cpu, double(form.view().PicturesShown() - before) / 5.0,
                    double(form.frameStats().Fps));
    };
    measure("CPU at the black screen:");

    // From the command to the game under way; a later one while the previous game runs.
    auto newGame = [&] {
        GameState& state = form.world().State;
        state.TimeLeft = 50; // only a finished load sets it to 90
        QElapsedTimer t;
        t.start();
        form.New1->trigger();
        RunEvents(30000,
                  [&] { return state.Running && state.TimeLeft >= 89 && !form.LoadInProgress(); });
        return double(t.nsecsElapsed()) / 1e6;
    };
    const double first = newGame();
    RunEvents(500);
    const double second = newGame();
    std::printf("%-34s first %.0f ms, later %.0f ms\n", "F2 to playing:", first, second);
    if (!dialogs.shown.empty())
        std::printf("(the load showed %zu dialog(s): is the data complete?)\n",
                    dialogs.shown.size());

    Intervals flight, countdown;
    flight.clock.start();
    countdown.clock.start();
    QObject::connect(&form.ProceedTmr, &QTimer::timeout, [&] { flight.Tick(); });
    QObject::connect(&form.CountDownTmr, &QTimer::timeout, [&] { countdown.Tick(); });
    form.world().State.MouseX = 400;
    form.world().State.MouseY = 300;
    measure("CPU in a game:");

    // Panning: 4 units of BackScroll per frame to the left, from 0 towards -1600.
    form.world().State.BackScroll = 0;
    QTest::keyPress(&form, Qt::Key_Left);
    RunEvents(200);
    QElapsedTimer pan;
    const long double from = form.world().State.BackScroll;
    pan.start();
    RunEvents(3000);
    const long double to = form.world().State.BackScroll;
    const double seconds = double(pan.nsecsElapsed()) / 1e9;
    QTest::keyRelease(&form, Qt::Key_Left);
    const double unitsPerSecond = double(from - to) / seconds;
    std::printf("%-34s %.1f units/s = %.1f frames/s%s\n", "Panning speed:", unitsPerSecond,
                unitsPerSecond / 4, to <= -1600 ? " (reached the end: too short a measure)" : "");
    RunEvents(3000);
    flight.Print("Flight step (50 ms):");
    countdown.Print("Countdown (1000 ms):");
    form.NewTmr.stop();
    return 0;
}

} // namespace
} // namespace kluvian

int main(int argc, char** argv) {
    kluvian::UseGameSurfaceFormat();
    kluvian::Application app(argc, argv);
    kluvian::Application::setApplicationName("Kluvian");
    const std::string data = argc > 1 ? argv[1] : kluvian::ExecutableDir() + "data";
    return kluvian::Run(data);
}
