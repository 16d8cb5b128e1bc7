// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Audio.h"

#include <QCoreApplication>

#include <SDL.h>
#include <alsa/asoundlib.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace kluvian {

namespace {

constexpr int kSampleRate = 44100;
constexpr int kStereo = 2;
// The mixer's buffer: a shot is heard within one buffer of the click. 512 frames (11.6 ms) kept
// the music without gaps with the game panning and two more threads busy on two cores.
constexpr int kBufferFrames = 512;
// Nothing is heard on the dummy driver, and closing a device waits for two of its buffers: a
// small one keeps a try for a device short (the dummy's close: 5-6 ms against 34-44 ms).
constexpr int kSilentBufferFrames = 128;
constexpr int kWatchMs = 1000;

// SDL's own message (in English, as SDL writes it), else the fallback, translated.
std::string MixerError(const QString& fallback) {
    const char* text = Mix_GetError();
    return text != nullptr && *text != '\0' ? std::string(text) : fallback.toStdString();
}

QString FileText(const char* text, const std::string& fileName) {
    return QCoreApplication::translate("Audio", text).arg(QString::fromStdString(fileName));
}

// ALSA's library reports every failed probe on standard error, a page of it where there is no
// sound card; SDL loads that same library.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

// Brings up the audio subsystem and the mixer with the driver SDL picks; false when either
// fails, with the subsystem shut again.
bool OpenMixer(int bufferFrames = kBufferFrames) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kStereo, bufferFrames) == 0)
        return true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

bool OpenSilentMixer() {
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const bool opened = OpenMixer(kSilentBufferFrames);
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return opened;
}

std::string CurrentDriver() {
    const char* name = SDL_GetCurrentAudioDriver();
    return name != nullptr ? name : "";
}

// Takes SDL's word that an output device went away out of its queue, with the rest of the
// audio events. The mixer's is the only device the game opens.
bool OutputRemoved() {
    bool removed = false;
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_AUDIODEVICEADDED, SDL_AUDIODEVICEREMOVED) >
           0)
        removed = removed || (event.type == SDL_AUDIODEVICEREMOVED && event.adevice.iscapture == 0);
    return removed;
}

} // namespace

AudioSystem::AudioSystem() {
    // Otherwise SDL takes over SIGINT and SIGTERM and the program no longer ends on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    snd_lib_error_set_handler(QuietAlsa);
    if (!OpenMixer()) {
        const std::string why = SDL_GetError();
        if (!OpenSilentMixer())
            throw std::runtime_error(
                MixerError(QCoreApplication::translate("Audio", "Cannot open the audio device")));
        silent_ = true;
        const QString line =
            QCoreApplication::translate("Audio", "kluvian: no sound device, playing silently (%1)")
                .arg(QString::fromStdString(why));
        std::fprintf(stderr, "%s\n", line.toStdString().c_str());
    }
    Mix_Init(MIX_INIT_MP3);
    driver_ = CurrentDriver();
    if (!silent_)
        priority_.Watch();
    if (QCoreApplication::instance() != nullptr) {
        QObject::connect(&watch_, &QTimer::timeout, &watch_, [this] { Watch(); });
        watch_.start(kWatchMs);
    }
}

AudioSystem::~AudioSystem() {
    CloseMixer();
    Mix_Quit();
    snd_lib_error_set_handler(nullptr);
}

void AudioSystem::Watch() {
    if (!silent_)
        priority_.RaiseWhenKnown();
    if (OutputRemoved() && !silent_) {
        silent_ = true;
        silentLooks_ = 0;
        retryGap_ = 1;
        return;
    }
    if (!silent_ || ++silentLooks_ < retryGap_)
        return;
    silentLooks_ = 0;
    // A try costs the game a frame or two where there is no device: fewer as time goes on.
    retryGap_ = std::min(2 * retryGap_, kMaxRetryGap);
    Reopen();
}

void AudioSystem::CloseMixer() {
    // The mixer's calls take its channels for granted: none of them once it is closed.
    if (!mixerOpen_)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixerOpen_ = false;
}

void AudioSystem::Reopen() {
    for (MixerUser* user : users_)
        user->MixerClosing();
    CloseMixer();
    silent_ = !OpenMixer();
    mixerOpen_ = !silent_ || OpenSilentMixer();
    if (!mixerOpen_) {
        driver_.clear(); // no mixer until a later try opens one; sounds do not load till then
        return;
    }
    driver_ = CurrentDriver();
    if (!silent_)
        priority_.Watch();
    OutputRemoved(); // what the closed device left in the queue
    for (MixerUser* user : users_)
        user->MixerOpened();
}

MediaPlayer::MediaPlayer(AudioSystem& audio) : audio_(audio) {
    audio_.Attach(*this);
}

MediaPlayer::~MediaPlayer() {
    audio_.Detach(*this);
}

void MediaPlayer::MixerClosing() {
    if (!music_)
        return;
    held_ = Held{fileName_, Mix_PlayingMusic() != 0, Mix_PausedMusic() != 0,
                 Mix_GetMusicPosition(music_.get())};
    Mix_HaltMusic();
    music_.reset();
}

void MediaPlayer::MixerOpened() {
    const std::optional<Held> held = std::exchange(held_, std::nullopt);
    if (!held)
        return;
    music_.reset(Mix_LoadMUS(held->fileName.c_str()));
    if (!music_ || !held->playing || Mix_PlayMusic(music_.get(), 1) != 0)
        return;
    // A format that cannot tell where it was starts again.
    if (held->position > 0)
        Mix_SetMusicPosition(held->position);
    if (held->paused)
        Mix_PauseMusic();
}

void MediaPlayer::Open() {
    Close();
    Mix_Music* music = Mix_LoadMUS(fileName_.c_str());
    if (music == nullptr)
        throw std::runtime_error(
            MixerError(FileText(QT_TRANSLATE_NOOP("Audio", "Cannot open %1"), fileName_)));
    music_.reset(music);
}

void MediaPlayer::Play() {
    if (!music_)
        throw std::runtime_error(
            QCoreApplication::translate("Audio", "The media player has no file open")
                .toStdString());
    // One pass through the file; playing starts from the beginning.
    if (Mix_PlayMusic(music_.get(), 1) != 0)
        throw std::runtime_error(
            MixerError(FileText(QT_TRANSLATE_NOOP("Audio", "Cannot play %1"), fileName_)));
}

void MediaPlayer::Stop() {
    if (music_)
        Mix_HaltMusic();
}

void MediaPlayer::Close() {
    Stop();
    music_.reset();
    held_.reset();
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

ShotSound::ShotSound(AudioSystem& audio) : audio_(audio) {
    audio_.Attach(*this);
}

ShotSound::~ShotSound() {
    MixerClosing();
    audio_.Detach(*this);
}

void ShotSound::MixerClosing() {
    if (audio_.mixerOpen_)
        Mix_HaltChannel(kChannel);
    chunk_.reset(); // the next shot reads its file again, for the new mixer
}

bool ShotSound::Play(const std::string& path) {
    if (!audio_.mixerOpen_)
        return false;
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
