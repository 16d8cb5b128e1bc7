#include "render/GameView.h"

#include "render/Frame.h"
#include "render/Projection.h"

#include <QMouseEvent>
#include <QScreen>

#include <GL/gl.h>

#include <chrono>
#include <cmath>

namespace kluvian {
namespace {

double SteadyMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

GameView::GameView(World& world, const Clock& clock, const KeyState& keys, QWidget* parent)
    : QOpenGLWidget(parent), world_(world), clock_(clock), keys_(keys) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
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
    // Qt passes logical pixels; the viewport is in device pixels.
    glViewport(0, 0, deviceWidth(), deviceHeight());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kWorldWidth, kWorldHeight, 0, -1, 1);
    // Qt draws a frame right after every resize.
}

void GameView::NextFrame() {
    if (!blackShown_ || world_.State.Running) {
        update();
        return;
    }
    // With no game the picture is black and stays so: the frame still runs (its timing and
    // panning), into the drawing's framebuffer, but presenting the same picture again would
    // only burn the compositor's time.
    makeCurrent();
    paintGL();
}

void GameView::paintGL() {
    // The screen may have changed with the window; the rate is read where it is cheap.
    if (const QScreen* shown = screen())
        pacer_.SetRefreshRate(shown->refreshRate());
    pacer_.FrameStarted(SteadyMs());
    bool done = false;
    ApplicationEventsIdle(done);
    blackShown_ = !world_.State.Running;
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
