// SPDX-License-Identifier: GPL-3.0-or-later
// build/kluvian-pacing [DATA_DIR]: the real main window under the real event loop, measured from
// inside: rules frames and presented pictures a second with the CPU they cost (at the black
// screen, in a game, aiming and panning, an arrow held with nothing moving), F2 to playing,
// click to the shot's sound (with SDL_AUDIODRIVER=disk), the mixer's gaps on a busy machine, and
// the intervals of the flight step and the countdown. Run it on a display with a window manager
// (bench/pacing.sh does).
#include "app/TGLForm.h"
#include "platform/Application.h"
#include "platform/FreedMemory.h"
#include "platform/Paths.h"
#include "render/GameView.h"
#include "render/SurfaceFormat.h"
#include "support/RecordingDialogs.h"
#include "support/WholeGame.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <thread>
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

// What the mixer hands on to the sound device, stamped on SDL's audio thread: when each buffer
// left the mixer and where in it the first loud sample is.
struct MixTimes {
    static constexpr std::size_t kMax = 1 << 16;
    std::vector<double> ms = std::vector<double>(kMax);
    std::vector<int> loud = std::vector<int>(kMax); // frame index, -1 for a quiet buffer
    std::atomic<std::size_t> count{0};
    int channels = 2;

    static void PostMix(void* self, Uint8* stream, int bytes) {
        auto* times = static_cast<MixTimes*>(self);
        const std::size_t n = times->count.load(std::memory_order_relaxed);
        if (n >= kMax)
            return;
        times->loud[n] = -1;
        for (int k = 0; k + 1 < bytes; k += 2) {
            std::int16_t sample = 0;
            std::memcpy(&sample, stream + k, 2);
            if (std::abs(int(sample)) > 2000) {
                times->loud[n] = k / 2 / times->channels;
                break;
            }
        }
        times->ms[n] = SystemClock().SteadyMilliseconds();
        times->count.store(n + 1, std::memory_order_release);
    }
    // Milliseconds from t0 until the first loud sample mixed after t0 starts to sound: a
    // buffer sounds from the moment it leaves the mixer, at the pace of the sample rate, as
    // the device takes it. Negative when nothing loud came.
    double LoudAfter(double t0, int rate) const {
        const std::size_t n = count.load(std::memory_order_acquire);
        for (std::size_t k = 0; k < n; ++k)
            if (ms[k] >= t0 && loud[k] >= 0)
                return ms[k] + 1000.0 * loud[k] / rate - t0;
        return -1;
    }
    // Intervals between mixes from index from on: the longest, and how many exceed twice the
    // buffer's length (a device holding two buffers would have run dry).
    void Print(std::size_t from, double periodMs) const {
        const std::size_t n = count.load(std::memory_order_acquire);
        double longest = 0;
        int late = 0;
        for (std::size_t k = from + 1; k < n; ++k) {
            longest = std::max(longest, ms[k] - ms[k - 1]);
            late += ms[k] - ms[k - 1] > 2 * periodMs ? 1 : 0;
        }
        std::printf("%-38s buffer %.1f ms; %zu mixes, longest gap %.1f ms, %d over two buffers\n",
                    "Mixer on a busy machine:", periodMs, n - from, longest, late);
    }
};

double Percentile(std::vector<double> v, double q) {
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(q * double(v.size())))];
}

// Two threads that only burn CPU, as other programs on a player's machine may.
class Busy {
public:
    Busy() {
        for (auto& t : threads_)
            t = std::thread([this] {
                volatile double x = 1;
                while (!stop_)
                    x = x * 1.0000001 + 1e-9;
            });
    }
    ~Busy() {
        stop_ = true;
        for (auto& t : threads_)
            t.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::array<std::thread, 2> threads_;
};

int Run(const std::string& dataDir) {
    // The game reads data/ beside its executable directory: give it one of its own.
    QTemporaryDir exe;
    std::filesystem::create_directory_symlink(std::filesystem::absolute(dataDir),
                                              exe.path().toStdString() + "/data");
    RecordingDialogs dialogs;
    SystemClock clock;
    test::WholeGame game(dialogs, clock, exe.path().toStdString() + "/");
    TGLForm& form = game.form;
    MixTimes mixes;
    Mix_SetPostMix(&MixTimes::PostMix, &mixes);
    form.show();
    const bool exposed = QTest::qWaitForWindowExposed(&form);
    form.activateWindow();
    if (!exposed || !QTest::qWaitForWindowActive(&form, 2000))
        std::printf("The main window did not become active: panning figures may read 0.\n");
    RunEvents(1000);
    GameView& view = form.View();
    std::printf("%-38s %.2f Hz\n", "Screen's reported refresh rate:", view.screen()->refreshRate());

    // CPU share, rules frames and presented pictures while the event loop runs for ms.
    struct Share {
        double cpu, frames, pictures;
    };
    auto measure = [&](const char* what, int ms) {
        const long frames = game.hunt.FramesRun();
        const long pictures = view.PicturesShown();
        const double cpu = CpuShare(ms);
        const Share share{cpu, double(game.hunt.FramesRun() - frames) * 1000 / ms,
                          double(view.PicturesShown() - pictures) * 1000 / ms};
        std::printf("%-38s %.1f %% of one core, %.1f rules frames/s, %.1f pictures/s\n", what,
                    share.cpu, share.frames, share.pictures);
        return share;
    };
    measure("At the black screen:", 3000);

    // From the command to the game under way; a later one while the previous game runs.
    GameState& state = game.hunt.GameWorld().state;
    auto newGame = [&] {
        state.TimeLeft = 50; // only a finished load sets it to 90
        QElapsedTimer t;
        t.start();
        form.New1->trigger();
        RunEvents(30000, [&] {
            return state.Running && state.TimeLeft >= 89 && !game.hunt.LoadInProgress();
        });
        return double(t.nsecsElapsed()) / 1e6;
    };
    const double first = newGame();
    RunEvents(500);
    const double second = newGame();
    std::printf("%-38s first %.0f ms, later %.0f ms\n", "F2 to playing:", first, second);
    if (!dialogs.shown.empty())
        std::printf("(the load showed %zu dialog(s): is the data complete?)\n",
                    dialogs.shown.size());

    Intervals flight, countdown;
    flight.clock.start();
    countdown.clock.start();
    QObject::connect(&form.ProceedTmr, &QTimer::timeout, [&] { flight.Tick(); });
    QObject::connect(&form.CountDownTmr, &QTimer::timeout, [&] { countdown.Tick(); });
    QTest::mouseMove(&view, QPoint(400, 300));
    measure("In a game, the pointer still:", 3000);

    // Aiming and panning: the pointer circles while an arrow is held, left then right, from
    // one end of the panorama (4 units a frame: 400 frames from end to end).
    state.BackScroll = 0;
    QTimer aim;
    aim.setTimerType(Qt::PreciseTimer);
    int step = 0;
    QObject::connect(&aim, &QTimer::timeout, [&] {
        const double a = step++ * 0.04;
        QTest::mouseMove(&view, QPoint(400 + int(120 * std::cos(a)), 200 + int(80 * std::sin(a))));
    });
    aim.start(4);
    QTest::keyPress(&form, Qt::Key_Left);
    const long double from = state.BackScroll;
    QElapsedTimer pan;
    pan.start();
    const Share left = measure("Aiming and panning, left:", 3000);
    const double panned = double(from - state.BackScroll) / 4 / (double(pan.nsecsElapsed()) / 1e9);
    QTest::keyRelease(&form, Qt::Key_Left);
    QTest::keyPress(&form, Qt::Key_Right);
    const Share right = measure("Aiming and panning, right:", 3000);
    QTest::keyRelease(&form, Qt::Key_Right);
    aim.stop();
    const double frames = (left.frames + right.frames) / 2;
    const double pictures = (left.pictures + right.pictures) / 2;
    std::printf("%-38s %.1f %% of the rules frames shown; %.1f ms of CPU a picture; panning "
                "%.1f frames/s\n",
                "Aiming and panning:", frames > 0 ? pictures / frames * 100 : 0,
                pictures > 0 ? (left.cpu + right.cpu) / 2 * 10 / pictures : 0, panned);

    flight.Print("Flight step (50 ms):");
    countdown.Print("Countdown (1000 ms):");

    // At the end of the panorama with the birds still, a held arrow changes nothing, however
    // often the window system repeats it: only the frame-rate text may.
    form.ProceedTmr.stop();
    state.BackScroll = -1600;
    QTimer repeat;
    QObject::connect(&repeat, &QTimer::timeout, [&] {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(&form, &release);
        QCoreApplication::sendEvent(&form, &press);
    });
    QTest::keyPress(&form, Qt::Key_Left);
    repeat.start(55);
    measure("A held arrow, nothing moving:", 3000);
    repeat.stop();
    QTest::keyRelease(&form, Qt::Key_Left);
    form.ProceedTmr.start();

    // The shot: from the click to its first loud sample leaving the mixer. The music is
    // stopped so that the shot stands alone.
    int rate = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &mixes.channels);
    if (rate > 0) {
        game.audio.MediaPlayer1.Stop();
        std::vector<double> heard;
        std::mt19937 jitter(5);
        for (int shot = 0; shot < 24; ++shot) {
            if (state.Ammo == 0)
                QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(400, 300));
            RunEvents(300 + int(jitter() % 37)); // the last shot has died away
            const double t0 = clock.SteadyMilliseconds();
            QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(400, 300));
            RunEvents(150);
            if (const double ms = mixes.LoudAfter(t0, rate); ms >= 0)
                heard.push_back(ms);
        }
        std::printf("%-38s median %.1f ms, 90th percentile %.1f ms (%zu of 24 shots heard; %s)\n",
                    "Click to the shot's sound:", Percentile(heard, 0.5), Percentile(heard, 0.9),
                    heard.size(), SDL_GetCurrentAudioDriver());
    }

    // The mixer while the game pans, the pointer moves and two more threads burn the CPU.
    if (rate > 0) {
        const std::size_t before = mixes.count.load();
        const auto t0 = clock.SteadyMilliseconds();
        {
            const Busy busy;
            aim.start(4);
            QTest::keyPress(&form, Qt::Key_Left);
            state.BackScroll = 0;
            RunEvents(5000);
            QTest::keyRelease(&form, Qt::Key_Left);
            aim.stop();
        }
        const std::size_t n = mixes.count.load() - before;
        // The buffer's length, from how often the mixer ran.
        const double period = n > 1 ? (clock.SteadyMilliseconds() - t0) / double(n) : 0;
        mixes.Print(before, period);
    }
    form.NewTmr.stop();
    return 0;
}

} // namespace
} // namespace kluvian

int main(int argc, char** argv) {
    kluvian::KeepFreedMemoryForReuse(); // as the game does
    kluvian::UseGameSurfaceFormat();
    kluvian::Application app(argc, argv);
    kluvian::Application::setApplicationName("Kluvian");
    const std::string data = argc > 1 ? argv[1] : kluvian::ExecutableDir() + "data";
    return kluvian::Run(data);
}
