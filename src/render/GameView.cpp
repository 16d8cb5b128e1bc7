// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/GameView.h"

#include "render/Frame.h"
#include "render/FrameLook.h"
#include "render/Projection.h"

#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <GL/gl.h>

#include <chrono>
#include <cmath>
#include <utility>

namespace kluvian {
namespace {

constexpr double kLoadDrawMs = 100;

double SteadyMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

GameView::GameView(World& world, const Clock& clock, const KeyState& keys, QWidget* parent)
    : QOpenGLWidget(parent), world_(world), clock_(clock), keys_(keys) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    // A frame NextFrame drew must survive in the framebuffer until Qt presents it.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    frameTimer_.setSingleShot(true);
    frameTimer_.setTimerType(Qt::PreciseTimer);
    connect(&frameTimer_, &QTimer::timeout, this, &GameView::NextFrame);
    Stats.Start(clock_);
}

GameView::~GameView() {
    // GL objects go while their context is still alive.
    if (ready_) {
        makeCurrent();
        pick_ = PickBuffer();
        doneCurrent();
    }
}

void GameView::SetContinuousFrames(bool on) {
    continuous_ = on;
    if (on)
        frameTimer_.start(pacer_.DelayMs(SteadyMs()));
    else
        frameTimer_.stop();
}

int GameView::deviceWidth() const {
    return int(std::lround(width() * devicePixelRatioF()));
}
int GameView::deviceHeight() const {
    return int(std::lround(height() * devicePixelRatioF()));
}

void GameView::initializeGL() {
    ApplyFixedState();
    ready_ = true;
    if (onContextReady)
        onContextReady();
    // The very first picking pass costs tens of milliseconds on a software rasteriser;
    // pay it now rather than on the player's first shot.
    PickAt(0, 0);
    makeCurrent();
}

void GameView::resizeGL(int, int) {
    drawn_ = false; // a frame drawn at the old size is not the one to present
    // Qt passes logical pixels; the viewport is in device pixels.
    glViewport(0, 0, deviceWidth(), deviceHeight());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kWorldWidth, kWorldHeight, 0, -1, 1);
    // Qt draws a frame right after every resize.
}

void GameView::NextFrame() {
    const QWindow* shownIn = window()->windowHandle();
    if (!ready_ || !shownIn || !shownIn->isExposed()) {
        update(); // Qt paints once the window shows, and the frames go on from there
        return;
    }
    // The frame is drawn here and presented only when its picture can differ from the one on
    // the screen: composing and presenting cost a software rasteriser as much as the drawing,
    // and most frames of a quiet game, and all before one, repeat the last picture. A frame
    // whose look is that of the last one drawn is not drawn at all: only its rules run; the
    // black picture of no game is presented once. Behind the loading window the game is drawn
    // at most ten times a second, or drawing and presenting would take most of the load's time.
    auto& state = world_.State;
    const double now = SteadyMs();
    const bool throttled = isLoading && isLoading() && now - drawnMs_ < kLoadDrawMs;
    // Panning and the cross-hair's animation change the picture within the frame itself.
    const bool moving =
        state.Running && (state.ShotPhase != 0 || keys_.LeftHeld() || keys_.RightHeld());
    std::string look = FrameLook(world_, Stats, deviceWidth(), deviceHeight(), devicePixelRatioF());
    if (state.Running && !moving && (look == drawnLook_ || throttled)) {
        RunFrame(false);
        return;
    }
    drawnLook_ = std::move(look);
    drawnMs_ = now;
    makeCurrent();
    RunFrame(true);
    afterDrawLook_ = FrameLook(world_, Stats, deviceWidth(), deviceHeight(), devicePixelRatioF());
    const bool present = state.Running || !shownBlack_;
    shownBlack_ = !state.Running;
    if (present) {
        drawn_ = true;
        update();
    }
}

void GameView::paintGL() {
    // Qt presents the frame NextFrame drew, unless the game moved on since (a grab, a paint
    // Qt asks for by itself): then the frame is drawn afresh.
    if (std::exchange(drawn_, false) && FrameLook(world_, Stats, deviceWidth(), deviceHeight(),
                                                  devicePixelRatioF()) == afterDrawLook_)
        return;
    RunFrame(true);
    drawnLook_.clear();
    shownBlack_ = false;
}

void GameView::RunFrame(bool draw) {
    // The screen may have changed with the window; the rate is read where it is cheap.
    if (const QScreen* shown = screen())
        pacer_.SetRefreshRate(shown->refreshRate());
    pacer_.FrameStarted(SteadyMs());
    ++framesRun_;
    if (draw) {
        bool done = false;
        ApplicationEventsIdle(done);
    } else {
        RunFrameWithoutDrawing(world_, Stats, clock_);
    }
    // Started now, the timer expires at the deadline whatever the presentation costs: if the
    // swap waits past it, the next frame follows at once.
    if (continuous_)
        frameTimer_.start(pacer_.DelayMs(SteadyMs()));
}

void GameView::ApplicationEventsIdle(bool& Done) {
    const bool active = isWindowActive && isWindowActive();
    RenderFrame(world_, Stats,
                {clock_, keys_, active, deviceWidth(), deviceHeight(), devicePixelRatioF()});
    Done = false;
}

std::uint8_t GameView::PickAt(float x, float y) {
    if (!ready_)
        return 0; // nothing has been drawn yet, so nothing can be hit
    makeCurrent();
    const int w = deviceWidth();
    const int h = deviceHeight();
    pick_.Bind(w, h);
    world_.State.PickMode = true;
    bool done = false;
    ApplicationEventsIdle(done);
    const double ratio = devicePixelRatioF();
    const std::uint8_t red = pick_.RedAt(int(std::floor(x * ratio)), int(std::floor(y * ratio)));
    pick_.Release();
    doneCurrent();
    return red;
}

void GameView::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove)
        onMouseMove(float(event->position().x()), float(event->position().y()));
}

void GameView::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown)
        onMouseDown(event->button(), float(event->position().x()), float(event->position().y()));
}

} // namespace kluvian
