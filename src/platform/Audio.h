// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MixerPriority.h"

#include <QTimer>

#include <SDL_mixer.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kluvian {

// What holds samples of the mixer: it lets them go before the mixer closes, and takes up
// again once a new one is open.
class MixerUser {
public:
    virtual void MixerClosing() = 0;
    virtual void MixerOpened() = 0;

protected:
    ~MixerUser() = default;
};

// SDL's audio subsystem with the mixer open at 44.1 kHz stereo. Where no sound device can be
// opened it falls back to SDL's "dummy" driver, which plays silently in real time, so the
// game and its tests behave the same everywhere; the one line it prints then is all the
// game says about sound. One instance at a time; throws std::runtime_error when even the
// dummy driver fails.
//
// Sound comes back: when SDL reports the device removed (its sound server went away, say),
// the game plays silently and tries now and then, quietly, to open a device again; so it
// does when there was none at the start. Once one opens, the music goes on where it was and
// the next shot is heard.
class AudioSystem {
public:
    AudioSystem();
    ~AudioSystem();
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    // The SDL audio driver in use, e.g. "pulseaudio" or "dummy".
    const std::string& DriverName() const { return driver_; }
    // True while no sound is heard for want of a device.
    bool Silent() const { return silent_; }

    // One look at the device, made every second by a timer of its own where the program
    // runs Qt's event loop: notices a device removed, and while silent tries to open one
    // after 1, 2, 4, ... up to kMaxRetryGap looks. With a device, raises the mixer's thread
    // to a realtime policy (see MixerPriority).
    void Watch();
    bool MixerRealtime() const { return priority_.Raised(); }
    static constexpr int kMaxRetryGap = 64;

private:
    friend class MediaPlayer;
    friend class ShotSound;
    void Attach(MixerUser& user) { users_.push_back(&user); }
    void Detach(MixerUser& user) { std::erase(users_, &user); }
    void CloseMixer();
    void Reopen();

    std::string driver_;
    bool mixerOpen_ = true; // open from the start; closed only while no driver at all opens
    bool silent_ = false;
    int silentLooks_ = 0; // looks since the last try, while silent
    int retryGap_ = 1;
    std::vector<MixerUser*> users_;
    MixerPriority priority_;
    QTimer watch_;
};

// The music player: one file at a time on the mixer's music stream.
class MediaPlayer final : private MixerUser {
public:
    explicit MediaPlayer(AudioSystem& audio);
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    void SetFileName(std::string path) { fileName_ = std::move(path); }

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
    void MixerClosing() override;
    void MixerOpened() override;

    struct FreeMusic {
        void operator()(Mix_Music* music) const { Mix_FreeMusic(music); }
    };
    // The open music while the mixer is closed, to take up again.
    struct Held {
        std::string fileName;
        bool playing = false;
        bool paused = false;
        double position = 0; // seconds; below 0 where the format cannot tell
    };
    AudioSystem& audio_;
    std::string fileName_;
    std::unique_ptr<Mix_Music, FreeMusic> music_;
    std::optional<Held> held_;
};

// The shot sound: each Play starts a WAV file on one fixed mixer channel and returns at once,
// so a new shot cuts off the one still sounding. The last file decoded is kept for the next
// shot until the file changes.
class ShotSound final : private MixerUser {
public:
    explicit ShotSound(AudioSystem& audio);
    ~ShotSound();
    ShotSound(const ShotSound&) = delete;
    ShotSound& operator=(const ShotSound&) = delete;

    // Starts the file once. Returns false, silently, when it cannot be read or played.
    bool Play(const std::string& path);

    // The mixer channel the shot sounds on.
    static constexpr int kChannel = 0;

private:
    void MixerClosing() override;
    void MixerOpened() override {}

    struct FreeChunk {
        void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
    };
    AudioSystem& audio_;
    std::string path_;
    std::uintmax_t size_ = 0;
    std::filesystem::file_time_type written_{};
    std::unique_ptr<Mix_Chunk, FreeChunk> chunk_;
};

} // namespace kluvian
