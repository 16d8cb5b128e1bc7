// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Audio.h"

#include <SDL.h>

#include <stdexcept>
#include <system_error>

namespace kluvian {

namespace {

constexpr int kSampleRate = 44100;
constexpr int kStereo = 2;
// The mixer's buffer: a shot is heard within one buffer of the click. 512 frames (11.6 ms) kept
// the music without gaps with the game panning and two more threads busy on two cores.
constexpr int kBufferFrames = 512;

std::string MixerError(const std::string& fallback) {
    const char* text = Mix_GetError();
    return text != nullptr && *text != '\0' ? std::string(text) : fallback;
}

// Brings up the audio subsystem and the mixer with the driver SDL picks; false when either
// fails, with the subsystem shut again.
bool OpenMixer() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kStereo, kBufferFrames) == 0)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

} // namespace

AudioSystem::AudioSystem() {
    // Otherwise SDL takes over SIGINT and SIGTERM and the program no longer ends on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!OpenMixer()) {
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        const bool opened = OpenMixer();
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
        if (!opened)
            throw std::runtime_error(MixerError("Cannot open the audio device"));
    }
    Mix_Init(MIX_INIT_MP3);
    if (const char* name = SDL_GetCurrentAudioDriver())
        driver_ = name;
}

AudioSystem::~AudioSystem() {
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

MediaPlayer::MediaPlayer(const AudioSystem&) {}

void MediaPlayer::Open() {
    Close();
    Mix_Music* music = Mix_LoadMUS(fileName_.c_str());
    if (music == nullptr)
        throw std::runtime_error(MixerError("Cannot open " + fileName_));
    music_.reset(music);
}

void MediaPlayer::Play() {
    if (!music_)
        throw std::runtime_error("The media player has no file open");
    // One pass through the file; playing starts from the beginning.
    if (Mix_PlayMusic(music_.get(), 1) != 0)
        throw std::runtime_error(MixerError("Cannot play " + fileName_));
}

void MediaPlayer::Stop() {
    if (music_)
        Mix_HaltMusic();
}

void MediaPlayer::Close() {
    Stop();
    music_.reset();
}

void MediaPlayer::Pause() {
    if (music_)
        Mix_PauseMusic();
}

void MediaPlayer::Resume() {
    if (music_)
        Mix_ResumeMusic();
}

bool MediaPlayer::Playing() const {
    return music_ && Mix_PlayingMusic() != 0;
}

ShotSound::ShotSound(const AudioSystem&) {}

ShotSound::~ShotSound() {
    Mix_HaltChannel(kChannel);
}

bool ShotSound::Play(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    const auto written =
        error ? std::filesystem::file_time_type{} : std::filesystem::last_write_time(path, error);
    if (error)
        return false;
    if (!chunk_ || path != path_ || size != size_ || written != written_) {
        // The chunk may still be sounding: stop the channel before the samples go.
        Mix_HaltChannel(kChannel);
        chunk_.reset(Mix_LoadWAV(path.c_str()));
        path_ = path;
        size_ = size;
        written_ = written;
        if (!chunk_)
            return false;
    }
    return Mix_PlayChannel(kChannel, chunk_.get(), 0) == kChannel;
}

} // namespace kluvian
