// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/FrameStats.h"
#include "game/GameState.h"
#include "game/HuntPorts.h"
#include "game/PictureSlot.h"
#include "platform/Clock.h"
#include "render/Frame.h"
#include "render/FrameLook.h"
#include "render/PickBuffer.h"
#include "render/TextureSlots.h"
#include "textures/TextureLoader.h"

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPointF>
#include <QWindow>

#include <cstdint>
#include <optional>
#include <string>

namespace kluvian {

// The game's drawing: a native window with an OpenGL context of its own, drawn straight into
// its back buffer and presented with a buffer swap; nothing composes it with the widgets
// around it. It draws the world as it is and says what the player did with the mouse; the
// frame's rules are its owner's. It owns the textures of the pictures the rules name and
// frees them with its context. Keyboard focus stays with the window around it.
class GameView final : public QWindow, public GameDrawing {
    Q_OBJECT
public:
    // world and stats are drawn as they are at each picture; the loader's refusals are shown
    // through dialogs. The context is made at once; HasContext says whether that worked.
    GameView(const World& world, const FrameStats& stats, Dialogs& dialogs, const Clock& clock);

    bool HasContext() const { return ready_; }
    // Makes the drawing's context current: on the window while it shows, otherwise on an
    // off-screen surface, so textures can be made at any moment.
    void MakeCurrent();

    // Loads the picture file into its slot (TextureSlots.h, LoadIntoSlot), freeing what the
    // slot held. The loader shows its refusals; a damaged file may throw, and so does a
    // drawing without a context.
    void LoadPicture(const std::string& path, const PictureSlot& slot);
    // Shows what a missing picture of that name shows, without looking for it.
    void ShowFileNotFound(const std::string& path);
    const TextureSlots& Textures() const { return textures_; }

    // Presents the world as it is, unless the picture on the screen already shows it. Behind
    // the loading window at most four pictures a second are presented: drawing and presenting
    // would take a load's time, and a load is over in a fraction of a second. A window shown
    // once gets its pictures whether or not the window system counts it exposed just then:
    // Qt's Wayland plugin counts the drawing unexposed whenever a frame callback comes late.
    void ShowFrame(bool behindLoadingWindow);
    // Draws the picking pass of the world as it is off-screen and returns the red byte of the
    // device pixel under (x, y), given in logical pixels: the Id of the bird there, 0 for none.
    std::uint8_t PickAt(float x, float y) override;
    // The system's pointer, or none: the game draws its cross-hair.
    void ShowPointer(bool shown) override;
    // The picture of the world as it is, as the window shows it, in device pixels.
    QImage GrabFramebuffer();

    // Reads where the pointer is now, where the window system can tell at once, and emits
    // MouseMoved when it moved over the drawing since the last reading: a frame that starts
    // before the motion's event is handled still shows the cross-hair where the pointer is.
    void PollPointer();

    DrawingSize Size() const;
    long PicturesShown() const { return picturesShown_; }

signals:
    void MouseMoved(float x, float y);
    void MousePressed(Qt::MouseButton button, float x, float y);

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Draws the look and presents it; it is then the one on the screen.
    void Present(FrameLook look);
    void ReleaseResources();

    FrameLook Look() const;
    // Whether the look is to be drawn coarsely, noting whether the player panned or aimed.
    bool Coarse(const FrameLook& look);

    const World& world_;
    const FrameStats& stats_;
    const Clock& clock_;
    TextureLoader loader_;
    TextureSlots textures_;
    QOffscreenSurface offscreen_;
    PickBuffer pick_;
    bool ready_ = false;
    bool onScreen_ = false; // exposed once since its surface was made: it can be drawn into
    bool pollsPointer_ = false;
    std::optional<QPointF> polled_; // the pointer at the last reading, logical pixels
    long picturesShown_ = 0;
    double shownMs_ = 0;     // when the last picture was presented
    FrameLook shownLook_;    // of the picture on the screen
    double motionMs_ = -1e9; // when the player last panned or aimed
    // Last, so it goes first: what was made in it goes with it, on aboutToBeDestroyed.
    QOpenGLContext context_;
};

} // namespace kluvian
