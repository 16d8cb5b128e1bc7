#include "render/GameView.h"

#include "render/Frame.h"
#include "render/Projection.h"

#include <QMouseEvent>

#include <GL/gl.h>

#include <cmath>

namespace kluvian {

GameView::GameView(World& world, const Clock& clock, const KeyState& keys, QWidget* parent)
    : QOpenGLWidget(parent), world_(world), clock_(clock), keys_(keys) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    frameTimer_.setInterval(0);
    connect(&frameTimer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
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
    if (on)
        frameTimer_.start();
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

void GameView::paintGL() {
    bool done = false;
    ApplicationEventsIdle(done);
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
