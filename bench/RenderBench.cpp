// SPDX-License-Identifier: GPL-3.0-or-later
// Frame and picking costs on this machine's OpenGL, with the generated hunting area.
#include "game/AreaLoad.h"
#include "game/InitWorld.h"
#include "platform/Paths.h"
#include "render/Frame.h"
#include "render/PickBuffer.h"
#include "render/Projection.h"
#include "render/SurfaceFormat.h"
#include "render/TextureSlots.h"
#include "support/HuntDoubles.h"
#include "support/RecordingDialogs.h"
#include "textures/TextureLoader.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <memory>

#include <sys/resource.h>

namespace kluvian {
namespace {

// CPU time of the whole process in milliseconds: the rasteriser's threads draw for us.
double ProcessCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Loads pictures into the slots as the drawing does, and skips the pauses for events.
class BenchHost final : public AreaLoadHost {
public:
    BenchHost(TextureLoader& loader, TextureSlots& textures) : loader_(loader), slots_(textures) {}
    void LoadPicture(const std::string& path, PictureSlot slot) override {
        LoadIntoSlot(
            slots_, slot,
            [&] {
                GLuint fresh = 0;
                loader_.LoadTexture(path, fresh);
                return fresh;
            },
            [this](GLuint old) {
                glDeleteTextures(1, &old);
                loader_.Forget(old);
            });
    }
    void ShowFileNotFound(const std::string& path) override { loader_.ShowFileNotFound(path); }
    void ProgressStep() override {}
    void ShowMissingFileWarning() override {}
    void FinishLoad() override {}

private:
    TextureLoader& loader_;
    TextureSlots& slots_;
};

// A current context drawing into an 800 x 600 off-screen framebuffer, and a game world
// with the generated area loaded and a full game under way.
struct Fixture {
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> fbo;
    SystemClock clock;
    RecordingDialogs dialogs;
    TextureLoader loader{dialogs};
    World world{clock};
    FrameStats stats;
    TextureSlots textures;
    FakeSounds silence;

    explicit Fixture(int w = 800, int h = 600) : size{w, h, 1.0} {
        surface.setFormat(GameSurfaceFormat());
        surface.create();
        context.setFormat(GameSurfaceFormat());
        context.create();
        context.makeCurrent(&surface);
        fbo = std::make_unique<QOpenGLFramebufferObject>(
            w, h, QOpenGLFramebufferObject::CombinedDepthStencil);
        fbo->bind();
        ApplyFixedState();
        glEnable(GL_TEXTURE_2D);
        BenchHost host(loader, textures);
        InitWorld(world, ExecutableDir(), [&host](const std::string& path, PictureSlot slot) {
            host.LoadPicture(path, slot);
        });
        silence.on = false;
        // A game under way: the frame draws the scene only then.
        world.state.Running = RunAreaLoad(world, host, silence);
        world.state.MouseX = 400;
        world.state.MouseY = 300;
    }
    ~Fixture() {
        context.makeCurrent(&surface);
        fbo.reset();
    }
    DrawingSize size;
};

void BM_FullFrame(benchmark::State& state) {
    Fixture f(int(state.range(0)), int(state.range(1)));
    if (!f.dialogs.shown.empty() || !f.world.state.Running) {
        state.SkipWithError("the generated area did not load; build the game first");
        return;
    }
    const double cpuBefore = ProcessCpuMs();
    for (auto _ : state) {
        FrameLook look = LookOf(f.world, f.stats, f.textures, f.size);
        look.coarse = state.range(2) != 0;
        DrawFrame(look, f.loader.Parts(), false);
        glFinish();
    }
    state.counters["fps"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["process_cpu_ms"] = (ProcessCpuMs() - cpuBefore) / double(state.iterations());
}
// The third argument: 0 at rest, 1 while the player pans or aims (layers sampled coarsely).
BENCHMARK(BM_FullFrame)
    ->Args({800, 600, 0})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->Args({2560, 1440, 0})
    ->Args({2560, 1440, 1})
    ->Args({3840, 2160, 0})
    ->Args({3840, 2160, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_ClearFrame(benchmark::State& state) {
    Fixture f;
    const double cpuBefore = ProcessCpuMs();
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
    }
    state.counters["fps"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["process_cpu_ms"] = (ProcessCpuMs() - cpuBefore) / double(state.iterations());
}
BENCHMARK(BM_ClearFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PickPass(benchmark::State& state) {
    Fixture f;
    PickBuffer pick;
    // The game warms the pass up at start-up; so does the benchmark.
    pick.Bind(800, 600);
    DrawFrame(LookOf(f.world, f.stats, f.textures, f.size), f.loader.Parts(), true);
    for (auto _ : state) {
        pick.Bind(800, 600);
        DrawFrame(LookOf(f.world, f.stats, f.textures, f.size), f.loader.Parts(), true);
        benchmark::DoNotOptimize(pick.RedAt(400, 300));
    }
    pick.Release();
}
BENCHMARK(BM_PickPass)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_AreaLoad(benchmark::State& state) {
    Fixture f;
    BenchHost host(f.loader, f.textures);
    for (auto _ : state)
        RunAreaLoad(f.world, host, f.silence);
}
BENCHMARK(BM_AreaLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace kluvian
