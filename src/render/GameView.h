// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/FrameRules.h"
#include "game/GameState.h"
#include "platform/Clock.h"
#include "platform/KeyState.h"
#include "render/FramePacer.h"
#include "render/PickBuffer.h"

#include <QOpenGLWidget>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <string>

namespace kluvian {

// The game's drawing: a QOpenGLWidget whose every paint is one frame of the game. A timer
// asks for the next frame when the pacer says it is due, so frames follow one another at the
// display's refresh rate while timers, input and modal dialogs keep working; whatever runs
// events in between (a load's progress steps, a dialog) gets a frame only when one is due.
class GameView final : public QOpenGLWidget {
    Q_OBJECT
public:
    GameView(World& world, const Clock& clock, const KeyState& keys, QWidget* parent = nullptr);
    ~GameView() override;

    // Runs once the context exists and is current (texture loading at start-up).
    std::function<void()> onContextReady;
    // Whether the main window is the active window (panning needs it).
    std::function<bool()> isWindowActive;
    // Whether an area load is running: the game behind the loading window is drawn less often.
    std::function<bool()> isLoading;
    // Mouse input in the drawing's coordinates (logical pixels, origin at the top left).
    std::function<void(float x, float y)> onMouseMove;
    std::function<void(Qt::MouseButton button, float x, float y)> onMouseDown;

    // One frame. With PickMode set this is the picking pass: only the birds, each in the
    // colour whose red is its Id, into the current framebuffer and never presented.
    void ApplicationEventsIdle(bool& Done);

    // Renders a picking pass into the off-screen pick buffer at once and returns the red
    // byte of the device pixel under (x, y), given in the drawing's logical pixels: the
    // pixel under the cross-hair's centre.
    std::uint8_t PickAt(float x, float y);

    // Frame timing and frame-rate bookkeeping: LastFrameTick, FrameCount, LastFpsTick, Fps.
    FrameStats Stats;

    // Continuous frames on or off (tests render frames one at a time).
    void SetContinuousFrames(bool on);
    // True once the context has been created.
    bool HasContext() const { return ready_; }
    // Frames run so far, drawn or not; picking passes are not among them.
    long FramesRun() const { return framesRun_; }

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void NextFrame();
    // One frame: its rules always, its drawing when asked for.
    void RunFrame(bool draw);
    int deviceWidth() const;
    int deviceHeight() const;

    World& world_;
    const Clock& clock_;
    const KeyState& keys_;
    PickBuffer pick_;
    FramePacer pacer_;
    QTimer frameTimer_;
    bool continuous_ = false;
    long framesRun_ = 0;
    bool ready_ = false;
    double drawnMs_ = 0;        // when NextFrame last drew a frame
    bool drawn_ = false;        // the framebuffer holds a frame that Qt has yet to present
    bool shownBlack_ = false;   // the screen shows the black picture of a frame with no game
    std::string drawnLook_;     // FrameLook of the last frame NextFrame drew, as it drew it
    std::string afterDrawLook_; // and as that frame left the game
};

} // namespace kluvian
