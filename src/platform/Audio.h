// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL_mixer.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace kluvian {

// SDL's audio subsystem with the mixer open at 44.1 kHz stereo. Where no sound device can be
// opened it falls back to SDL's "dummy" driver, which plays silently in real time, so the
// game and its tests behave the same everywhere. One instance at a time; throws
// std::runtime_error when even the dummy driver fails.
class AudioSystem {
public:
    AudioSystem();
    ~AudioSystem();
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    // The SDL audio driver in use, e.g. "pulseaudio" or "dummy".
    const std::string& DriverName() const { return driver_; }

private:
    std::string driver_;
};

// The music player: one file at a time on the mixer's music stream.
class MediaPlayer {
public:
    explicit MediaPlayer(const AudioSystem& audio);
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    void SetFileName(std::string path) { fileName_ = std::move(path); }
    const std::string& FileName() const { return fileName_; }

    // Opens the file, closing one still open first. Throws std::runtime_error with the
    // mixer's message when the file cannot be opened (missing, empty or damaged); the player
    // is then closed.
    void Open();
    // Plays the open file once from its start. Throws std::runtime_error when nothing is open
    // or the mixer refuses.
    void Play();
    // Stops playback; nothing happens when nothing plays or nothing is open.
    void Stop();
    // Stops and releases the open file; nothing happens when nothing is open.
    void Close();
    // Holds the music where it is, and lets it go on from there; nothing happens when nothing
    // is open.
    void Pause();
    void Resume();

    bool IsOpen() const { return music_ != nullptr; }
    // True while the open file is being played.
    bool Playing() const;

private:
    struct FreeMusic {
        void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
    };
    std::string fileName_;
    std::unique_ptr<Mix_Music, FreeMusic> music_;
};

// The shot sound: each Play starts a WAV file on one fixed mixer channel and returns at once,
// so a new shot cuts off the one still sounding. The last file decoded is kept for the next
// shot until the file changes.
class ShotSound {
public:
    explicit ShotSound(const AudioSystem& audio);
    ~ShotSound();
    ShotSound(const ShotSound&) = delete;
    ShotSound& operator=(const ShotSound&) = delete;

    // Starts the file once. Returns false, silently, when it cannot be read or played.
    bool Play(const std::string& path);

    // The mixer channel the shot sounds on.
    static constexpr int kChannel = 0;

private:
    struct FreeChunk {
        void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
    };
    std::string path_;
    std::uintmax_t size_ = 0;
    std::filesystem::file_time_type written_{};
    std::unique_ptr<Mix_Chunk, FreeChunk> chunk_;
};

} // namespace kluvian
