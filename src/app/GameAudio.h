// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/HuntPorts.h"
#include "platform/Audio.h"

namespace kluvian {

// The hunt's sounds on SDL's mixer: the area's music in MediaPlayer1, the shot, and the sound
// switch, on at start and never stored.
class GameAudio final : public GameSounds {
public:
    GameAudio() : MediaPlayer1(audio_), shot_(audio_) {}

    bool On() const override { return on_; }
    void SetOn(bool on) override { on_ = on; }
    void PlayShot(const std::string& path) override { shot_.Play(path); }
    void PlayMusic(const std::string& path) override;
    void StopMusic() override;
    void PauseMusic() override { MediaPlayer1.Pause(); }
    void ResumeMusic() override { MediaPlayer1.Resume(); }

private:
    AudioSystem audio_; // first: the players play on it

public:
    MediaPlayer MediaPlayer1;

private:
    ShotSound shot_;
    bool on_ = true;
};

} // namespace kluvian
