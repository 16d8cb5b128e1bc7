// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/GameView.h"

#include "platform/PointerOnTop.h"
#include "render/Projection.h"
#include "render/SurfaceFormat.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QOpenGLFramebufferObject>
#include <QPlatformSurfaceEvent>

#include <GL/gl.h>

#include <cmath>
#include <stdexcept>
#include <utility>

namespace kluvian {
namespace {

constexpr double kLoadDrawMs = 250;
// Beyond twice the pixels of the 800 x 600 window, filtered layers cost a software
// rasteriser more than a 60 Hz frame allows (1920 x 1080: about 30 ms of CPU a picture):
// there they are sampled coarsely while the player pans or aims, and drawn filtered again
// once the player has held still this long.
constexpr long kFullQualityPixels = 2 * 800 * 600;
constexpr double kRestMs = 250;

// Qt's Wayland plugin makes a swap wait for the display by holding the GUI thread until the
// compositor's frame callback, up to 100 ms a picture: a compositor that answers late holds
// the flight's and the clock's timers with it. There the frame loop paces itself, as it does
// wherever swaps never wait; a compositor shows whole pictures only, so nothing tears.
QSurfaceFormat DrawingFormat() {
    QSurfaceFormat format = GameSurfaceFormat();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        format.setSwapInterval(0);
    return format;
}

} // namespace

GameView::GameView(const World& world, const FrameStats& stats, Dialogs& dialogs,
                   const Clock& clock)
    : world_(world), stats_(stats), clock_(clock), loader_(dialogs) {
    setSurfaceType(QSurface::OpenGLSurface);
    const QSurfaceFormat format = DrawingFormat();
    setFormat(format);
    // Keys go to the main window around the drawing, where the commands' shortcuts live.
    setFlag(Qt::WindowDoesNotAcceptFocus);
    // Only X can say at once where the pointer is; elsewhere the events are all there is.
    pollsPointer_ = QGuiApplication::platformName() == QLatin1String("xcb");

    context_.setFormat(format);
    offscreen_.setFormat(format);
    offscreen_.create();
    ready_ = context_.create() && offscreen_.isValid();
    if (!ready_)
        return;
    // Resources made in the context go while it is still there, whoever destroys it.
    connect(&context_, &QOpenGLContext::aboutToBeDestroyed, this, &GameView::ReleaseResources);
    MakeCurrent();
    ApplyFixedState();
    glEnable(GL_TEXTURE_2D);
    // The very first picking pass costs tens of milliseconds on a software rasteriser;
    // pay it now rather than on the player's first shot.
    PickAt(0, 0);
}

void GameView::ReleaseResources() {
    if (!ready_)
        return;
    MakeCurrent();
    pick_ = PickBuffer();
    for (const GLuint name : textures_.Names())
        if (name != 0) {
            glDeleteTextures(1, &name);
            loader_.Forget(name);
        }
    textures_ = {};
}

void GameView::LoadPicture(const std::string& path, const PictureSlot& slot) {
    if (!ready_)
        throw std::runtime_error("no OpenGL context");
    LoadIntoSlot(
        textures_, slot,
        [&] {
            MakeCurrent();
            GLuint fresh = 0;
            loader_.LoadTexture(path, fresh);
            return fresh;
        },
        [this](GLuint old) {
            MakeCurrent();
            glDeleteTextures(1, &old);
            loader_.Forget(old);
        });
}

void GameView::ShowFileNotFound(const std::string& path) {
    loader_.ShowFileNotFound(path);
}

FrameLook GameView::Look() const {
    return LookOf(world_, stats_, textures_, Size());
}

void GameView::MakeCurrent() {
    if (!ready_)
        return;
    if (onScreen_ && isVisible())
        context_.makeCurrent(this);
    else
        context_.makeCurrent(&offscreen_);
}

DrawingSize GameView::Size() const {
    const double ratio = devicePixelRatio();
    return {int(std::lround(width() * ratio)), int(std::lround(height() * ratio)), ratio};
}

void GameView::Present(FrameLook look) {
    MakeCurrent();
    DrawFrame(look, loader_.Parts(), false);
    context_.swapBuffers(this);
    ++picturesShown_;
    shownLook_ = std::move(look);
    shownMs_ = clock_.SteadyMilliseconds();
}

void GameView::ShowFrame(bool behindLoadingWindow) {
    // Not isExposed(): on Wayland it may stay false while the window is on the screen, until a
    // new picture brings the frame callback that exposes it again.
    if (!ready_ || !onScreen_ || !isVisible())
        return;
    if (behindLoadingWindow && clock_.SteadyMilliseconds() - shownMs_ < kLoadDrawMs)
        return;
    // Most frames of a quiet game, and all before one, repeat the picture on the screen;
    // drawing and presenting cost a software rasteriser more than anything else.
    FrameLook look = Look();
    look.coarse = Coarse(look);
    if (look == shownLook_)
        return;
    Present(std::move(look));
}

bool GameView::Coarse(const FrameLook& look) {
    const double now = clock_.SteadyMilliseconds();
    if (look.BackScroll != shownLook_.BackScroll || look.MouseX != shownLook_.MouseX ||
        look.MouseY != shownLook_.MouseY)
        motionMs_ = now;
    return long(look.size.width) * look.size.height > kFullQualityPixels &&
           now - motionMs_ < kRestMs;
}

void GameView::exposeEvent(QExposeEvent*) {
    // What the window system lost of the window is drawn again as the world is now; the
    // frames' rules run only when a frame is due.
    if (!ready_ || !isExposed())
        return;
    onScreen_ = true;
    Present(Look());
}

bool GameView::event(QEvent* event) {
    // Its surface gone, the window is drawn into again only once it is exposed again.
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
        onScreen_ = false;
    return QWindow::event(event);
}

std::uint8_t GameView::PickAt(float x, float y) {
    if (!ready_)
        return 0; // nothing has been drawn yet, so nothing can be hit
    MakeCurrent();
    const FrameLook look = Look();
    const DrawingSize& size = look.size;
    pick_.Bind(size.width, size.height);
    DrawFrame(look, loader_.Parts(), true);
    const std::uint8_t red =
        pick_.RedAt(int(std::floor(x * size.pixelRatio)), int(std::floor(y * size.pixelRatio)));
    pick_.Release();
    return red;
}

QImage GameView::GrabFramebuffer() {
    if (!ready_)
        return {};
    MakeCurrent();
    const DrawingSize size = Size();
    QOpenGLFramebufferObject picture(QSize(std::max(size.width, 1), std::max(size.height, 1)),
                                     QOpenGLFramebufferObject::CombinedDepthStencil);
    picture.bind();
    DrawFrame(LookOf(world_, stats_, textures_, size), loader_.Parts(), false);
    QImage image = picture.toImage();
    picture.release();
    return image;
}

void GameView::ShowPointer(bool shown) {
    if (shown)
        unsetCursor();
    else
        setCursor(Qt::BlankCursor);
}

void GameView::PollPointer() {
    if (!pollsPointer_)
        return;
    const QPointF at = mapFromGlobal(QPointF(QCursor::pos(screen())));
    // Only a pointer that moved, over the drawing, counts, as its events would; events that a
    // test makes up leave the real pointer where it is.
    if (polled_ == at)
        return;
    const bool first = !polled_;
    polled_ = at;
    // Not through a window lying over the drawing: X says where the pointer is, not what of
    // the drawing it can see.
    if (!first && QRectF(QPointF(0, 0), QSizeF(size())).contains(at) && PointerOnTop(winId()))
        emit MouseMoved(float(at.x()), float(at.y()));
}

void GameView::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved(float(event->position().x()), float(event->position().y()));
}

void GameView::mousePressEvent(QMouseEvent* event) {
    emit MousePressed(event->button(), float(event->position().x()), float(event->position().y()));
}

} // namespace kluvian
