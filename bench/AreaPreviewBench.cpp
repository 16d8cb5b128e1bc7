// SPDX-License-Identifier: GPL-3.0-or-later
// The area chooser's preview: one area's panorama decoded from its own files and filtered
// down, as the chooser's worker thread makes it; and what a held Down key costs the GUI
// thread while the worker makes the pictures of areas never shown before.
#include "game/AreaLayout.h"
#include "platform/Paths.h"
#include "textures/AreaPanorama.h"
#include "windows/AreaChooser.h"
#include "windows/AreaPreviews.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string>

namespace kluvian {
namespace {

std::string GameArea(const char* name) {
    return ExecutableDir() + std::string(kDataFolder) + name + "/";
}

// CPU time of the calling thread: what it spends, however busy the machine is.
double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

QImage Panorama(const std::string& dir, QSize size) {
    const Picture p = AreaPanorama(dir, size.width(), size.height());
    return QImage(p.pixels.data(), p.width, p.height, p.width * 3, QImage::Format_RGB888).copy();
}

// argument: the preview's width in pixels (a quarter of it high), as drawn at scale 1 and 2.
void BM_AreaPanorama(benchmark::State& state) {
    const std::string dir = GameArea("WhiteSpruces");
    const int width = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(AreaPanorama(dir, width, width / 4).pixels.data());
}
BENCHMARK(BM_AreaPanorama)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond)->UseRealTime();

// Down held through a list of 30 areas no picture was made of yet (links to the generated
// ones under other names), a key every 33 ms as a keyboard repeats it: the CPU time the GUI
// thread spends on each key and on each turn of its events (a picture arriving from the
// worker among them), and the longest it is kept from its events, which on a busy machine
// also counts the waits for a core.
void BM_ChooserHeldDown(benchmark::State& state) {
    QTemporaryDir links;
    int run = 0;
    double longestKey = 0;
    double longestTurn = 0;
    double longestGap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++run;
        std::vector<AreaChooser::Entry> entries;
        for (int i = 0; i < 30; ++i) {
            const char* source[] = {"BlueMountains", "GoldenLarches", "WhiteSpruces"};
            const std::string link =
                links.filePath(QString("a%1-%2").arg(i).arg(run)).toStdString();
            std::filesystem::create_directory_symlink(GameArea(source[i % 3]), link);
            entries.push_back(
                {QString::fromStdString(link), QString::fromStdString(link + "/"), {}});
        }
        AreaPreviews previews(Panorama);
        AreaChooser chooser(nullptr, entries, 0, {}, previews);
        chooser.show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QElapsedTimer sinceEvents;
        sinceEvents.start();
        for (int i = 1; i < 30; ++i) {
            const double keyStart = ThreadCpuMs();
            QTest::keyClick(chooser.List(), Qt::Key_Down);
            longestKey = std::max(longestKey, ThreadCpuMs() - keyStart);
            // Between repeats the GUI thread serves its events, answers from the worker too.
            QElapsedTimer wait;
            wait.start();
            while (wait.elapsed() < 33) {
                longestGap = std::max(longestGap, sinceEvents.nsecsElapsed() / 1e6);
                sinceEvents.restart();
                const double turnStart = ThreadCpuMs();
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                longestTurn = std::max(longestTurn, ThreadCpuMs() - turnStart);
            }
        }
    }
    state.counters["longest_key_cpu_ms"] = longestKey;
    state.counters["longest_turn_cpu_ms"] = longestTurn;
    state.counters["longest_event_gap_ms"] = longestGap;
}
BENCHMARK(BM_ChooserHeldDown)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
} // namespace kluvian
