// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Hunt.h"

#include "game/Flight.h"
#include "game/FrameRules.h"
#include "game/Shooting.h"
#include "platform/FileBytes.h"

#include <memory>
#include <utility>

namespace kluvian {

Hunt::Hunt(const Clock& clock, const KeyState& keys, GameSounds& sounds, std::string exeDir,
           std::string areaDir)
    : clock_(clock), keys_(keys), sounds_(sounds), world_(clock) {
    world_.state.ExeDir = std::move(exeDir);
    world_.state.areaPath = std::move(areaDir);
    stats_.Start(clock_);
}

void Hunt::Attach(GameTimers& timers, GameDrawing& drawing, GameEnd& end) {
    timers_ = &timers;
    drawing_ = &drawing;
    end_ = &end;
}

void Hunt::RunFrame(bool PickMode, bool windowActive) {
    GameState& state = world_.state;
    UpdateFrameFactor(state, stats_.LastFrameTick, clock_);
    // A paused game stands still, the view, the cross-hair and the frame-rate text with it.
    if (!state.paused)
        PanStep(world_, keys_.LeftHeld(), keys_.RightHeld(), windowActive);
    // The picture shows the scale the frame found; the step is for the next one.
    if (!PickMode && state.Running && !state.paused) {
        stats_.shownShotScale = state.ShotScale;
        AdvanceShotAnimation(state);
    }
    if (!state.paused)
        stats_.EndFrame(clock_);
    if (!PickMode)
        ++framesRun_;
}

void Hunt::FlightStep() {
    ProceedStep(world_);
}

void Hunt::ClockSecond() {
    GameState& state = world_.state;
    // A tick left over from an ended game must not end it again.
    if (!state.Running) {
        timers_->Stop(GameTimer::CountDown);
        return;
    }
    if (CountDownTick(state)) {
        timers_->Stop(GameTimer::CountDown);
        end_->EndGame(state.Score);
    }
}

void Hunt::Press(MouseButton Button, float X, float Y, bool windowActive) {
    GameState& state = world_.state;
    if (state.paused) { // a left click goes on with the game; no click costs anything
        if (Button == MouseButton::Left)
            Resume();
        return;
    }
    if (Button == MouseButton::Right) {
        Reload(state);
        return;
    }
    if (Button != MouseButton::Left || state.Ammo == 0)
        return;
    // The shot is heard first: the picking pass reads a pixel back, which waits for the
    // rasteriser to finish the frame it may still be drawing.
    const std::string sound = ShotSoundPath(state);
    if (sounds_.On() && FileExists(sound))
        sounds_.PlayShot(sound);
    RunFrame(true, windowActive);
    ResolveShot(world_, drawing_->PickAt(X, Y));
}

void Hunt::MoveMouse(float X, float Y) {
    world_.state.MouseX = X;
    world_.state.MouseY = Y;
}

void Hunt::TogglePause() {
    if (world_.state.paused)
        Resume();
    else
        Pause();
}

void Hunt::Pause() {
    GameState& state = world_.state;
    if (state.paused || !state.Running || LoadInProgress())
        return;
    state.paused = true;
    timers_->Hold(GameTimer::CountDown);
    timers_->Hold(GameTimer::Flight);
    sounds_.PauseMusic();
    ShowPointerAsDue();
}

void Hunt::Resume() {
    GameState& state = world_.state;
    if (!state.paused || !state.Running || LoadInProgress())
        return;
    state.paused = false;
    stats_.Start(clock_);
    timers_->Release(GameTimer::CountDown);
    timers_->Release(GameTimer::Flight);
    sounds_.ResumeMusic();
    ShowPointerAsDue();
}

void Hunt::EndPause() {
    if (!world_.state.paused)
        return;
    world_.state.paused = false;
    sounds_.ResumeMusic();
}

void Hunt::Load(AreaLoadHost& host) {
    if (nextArea_) {
        world_.state.areaPath = std::move(*nextArea_);
        nextArea_.reset();
    }
    // A New game given during a load runs a complete load nested in it: a count, not a flag.
    ++loadDepth_;
    const std::unique_ptr<int, void (*)(int*)> done(&loadDepth_, [](int* depth) { --*depth; });
    if (RunAreaLoad(world_, host, sounds_))
        StartNewGame();
}

void Hunt::StartNewGame() {
    GameState& state = world_.state;
    state.TimeLeft = kGameSeconds;
    // Whatever was held or left over of the last game's periods goes with it.
    EndPause();
    timers_->Start(GameTimer::Flight);
    timers_->Start(GameTimer::CountDown);
    pointerHidden_ = true;
    ShowPointerAsDue();
    state.Running = true;
}

void Hunt::SwitchSound(bool on) {
    sounds_.SetOn(on);
    GameState& state = world_.state;
    if (on) {
        const std::string path = AreaDir(state) + "music.mp3";
        if (!FileExists(path))
            return;
        sounds_.PlayMusic(path);
        state.MusicOpened = true;
        if (state.paused) // the music waits for the game
            sounds_.PauseMusic();
    } else if (state.MusicOpened) {
        sounds_.StopMusic();
    }
}

void Hunt::HidePointer() {
    pointerHidden_ = true;
    ShowPointerAsDue();
}

void Hunt::SetArea(std::string areaDir) {
    nextArea_ = std::move(areaDir);
}

void Hunt::ShowPointerAsDue() {
    // Paused, the game draws no cross-hair: the pointer must show whatever hid it.
    drawing_->ShowPointer(world_.state.paused || !pointerHidden_);
}

} // namespace kluvian
