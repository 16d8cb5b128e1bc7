// SPDX-License-Identifier: GPL-3.0-or-later
// The hunt's ports (game/HuntPorts.h) as tests want them: they remember what was asked of
// them and answer as the test says.
#pragma once

#include "game/HuntPorts.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kluvian {

// Timers that never tick by themselves: the test runs the ticks.
class FakeTimers final : public GameTimers {
public:
    enum class State { Stopped, Running, Held };
    State Of(GameTimer timer) const { return states_[Index(timer)]; }
    int Starts(GameTimer timer) const { return starts_[Index(timer)]; }

    void Start(GameTimer timer) override {
        states_[Index(timer)] = State::Running;
        ++starts_[Index(timer)];
    }
    void Stop(GameTimer timer) override { states_[Index(timer)] = State::Stopped; }
    void Hold(GameTimer timer) override {
        if (Of(timer) == State::Running)
            states_[Index(timer)] = State::Held;
    }
    void Release(GameTimer timer) override {
        if (Of(timer) == State::Held)
            states_[Index(timer)] = State::Running;
    }

private:
    static std::size_t Index(GameTimer timer) { return timer == GameTimer::Flight ? 0 : 1; }
    std::array<State, 2> states_{State::Stopped, State::Stopped};
    std::array<int, 2> starts_{};
};

class FakeSounds final : public GameSounds {
public:
    bool on = true;
    bool musicOpens = true; // false: every music file is damaged
    std::vector<std::string> shots;
    std::vector<std::string> music; // opened and played
    bool musicPaused = false;

    bool On() const override { return on; }
    void SetOn(bool value) override { on = value; }
    void PlayShot(const std::string& path) override { shots.push_back(path); }
    void PlayMusic(const std::string& path) override {
        if (!musicOpens)
            throw std::runtime_error("music cannot be opened");
        music.push_back(path);
        musicPaused = false;
    }
    void StopMusic() override { music.clear(); }
    void PauseMusic() override { musicPaused = !music.empty(); }
    void ResumeMusic() override { musicPaused = false; }
};

// A drawing where every pick finds the bird the test put under the pointer.
class FakeDrawing final : public GameDrawing {
public:
    std::uint8_t underPointer = 0;
    bool pointerShown = true;
    int picks = 0;

    std::uint8_t PickAt(float, float) override {
        ++picks;
        return underPointer;
    }
    void ShowPointer(bool shown) override { pointerShown = shown; }
};

class RecordingGameEnd final : public GameEnd {
public:
    std::vector<std::int32_t> scores;
    void EndGame(std::int32_t Score) override { scores.push_back(Score); }
};

} // namespace kluvian
