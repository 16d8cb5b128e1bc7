// SPDX-License-Identifier: GPL-3.0-or-later
// The area chooser's preview: one area's panorama decoded from its own files and filtered
// down, as the chooser's worker thread makes it, with the generated areas.
#include "game/AreaLayout.h"
#include "platform/Paths.h"
#include "textures/AreaPanorama.h"

#include <benchmark/benchmark.h>

#include <string>

namespace kluvian {
namespace {

// argument: the preview's width in pixels (a quarter of it high), as drawn at scale 1 and 2.
void BM_AreaPanorama(benchmark::State& state) {
    const std::string dir = ExecutableDir() + std::string(kDataFolder) + "WhiteSpruces/";
    const int width = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(AreaPanorama(dir, width, width / 4).pixels.data());
}
BENCHMARK(BM_AreaPanorama)->Arg(720)->Arg(1440)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace kluvian
