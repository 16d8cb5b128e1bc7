// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/AreaLoad.h"
#include "game/FrameStats.h"
#include "game/GameState.h"
#include "game/HuntPorts.h"
#include "platform/Clock.h"
#include "platform/KeyState.h"

#include <optional>
#include <string>

namespace kluvian {

enum class MouseButton { Left, Right, Middle };

// The game session: the world, the frame's rule state and the pause, with one verb for each
// thing the player or a timer does. It reaches the outside only through its ports
// (HuntPorts.h), the clock and the arrow keys; no widgets, no GL.
//
// The pause holds a running game where it stands. Whatever the order of pauses, loads, ticks
// and dialogs, a new game starts with a new game's clock and flight, a game ends once, and
// nothing pauses or resumes without a game or during a load.
class Hunt {
public:
    // exeDir: where data/ lives, with a trailing '/'; areaDir: a hunting area's own folder
    // to play instead of the game's, with a trailing '/', or empty.
    Hunt(const Clock& clock, const KeyState& keys, GameSounds& sounds, std::string exeDir,
         std::string areaDir = {});
    Hunt(const Hunt&) = delete;
    Hunt& operator=(const Hunt&) = delete;

    // The window's parts, given once by the window that hosts the hunt before any verb runs.
    void Attach(GameTimers& timers, GameDrawing& drawing, GameEnd& end);

    // A frame's rules, in their order: its timing (FrameFactor), the panning (arrows held in
    // the active game window), the cross-hair's animation step and the frame count. A picking
    // pass pans but neither animates nor counts as a frame run; a paused game only times.
    void RunFrame(bool PickMode, bool windowActive);
    // One flight step of the birds (ProceedTmr).
    void FlightStep();
    // One second of the game's clock (CountDownTmr); at 0 the game ends, once.
    void ClockSecond();
    // A mouse button pressed at (X, Y) in the drawing's logical pixels: a shot, a reload, or
    // the end of a pause. Nothing in a pause costs anything.
    void Press(MouseButton Button, float X, float Y, bool windowActive);
    void MoveMouse(float X, float Y);

    void TogglePause();
    void Pause();
    void Resume();

    // Loads the area (AreaLoad.h) and, when it loaded, starts a new game. Loads may nest.
    void Load(AreaLoadHost& host);
    // A new game on the area just loaded: its clock and flight afresh, the pause over.
    void StartNewGame();
    bool LoadInProgress() const { return loadDepth_ > 0; }

    // F4: the sound switch; on, the area's music starts afresh, off it stops.
    void SwitchSound(bool on);
    bool SoundOn() const { return sounds_.On(); }
    // The player asked for no pointer over the drawing; a pause still shows it.
    void HidePointer();

    // The next load plays this area's folder (with a trailing '/'), or the game's own when
    // empty.
    void SetArea(std::string areaDir);
    // The area the next load plays, as SetArea names it.
    const std::string& Area() const { return nextArea_ ? *nextArea_ : world_.state.areaPath; }

    // The generator's draw, for the score table's ranking.
    std::uint32_t RandomBelow(std::uint32_t n) { return world_.random.RandomBelow(n); }

    World& GameWorld() { return world_; }
    const World& GameWorld() const { return world_; }
    const FrameStats& Stats() const { return stats_; }
    // Frames run so far, drawn or not; picking passes are not among them.
    long FramesRun() const { return framesRun_; }

private:
    void ShowPointerAsDue();
    void EndPause();

    const Clock& clock_;
    const KeyState& keys_;
    GameSounds& sounds_;
    GameTimers* timers_ = nullptr;
    GameDrawing* drawing_ = nullptr;
    GameEnd* end_ = nullptr;
    World world_;
    FrameStats stats_;
    long framesRun_ = 0;
    int loadDepth_ = 0;
    std::optional<std::string> nextArea_;
    bool pointerHidden_ = false; // by a load or by the player
};

} // namespace kluvian
