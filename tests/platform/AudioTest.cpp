// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Audio.h"
#include "support/TempDir.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <lame/lame.h>
#include <sched.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace kluvian {
namespace {

constexpr int kRate = 44100;

std::vector<short> Tone(double seconds, double hertz) {
    std::vector<short> samples(std::size_t(seconds * kRate));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = short(8000 * std::sin(2 * 3.14159265 * hertz * double(i) / kRate));
    return samples;
}

void PutLe(std::string& bytes, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes += char((value >> (8 * i)) & 0xFF);
}

// A 16-bit mono PCM WAV file of a sine tone.
std::string Wav(double seconds, double hertz) {
    const std::vector<short> samples = Tone(seconds, hertz);
    const auto dataBytes = std::uint32_t(samples.size() * 2);
    std::string bytes = "RIFF";
    PutLe(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    PutLe(bytes, 16, 4);
    PutLe(bytes, 1, 2);
    PutLe(bytes, 1, 2);
    PutLe(bytes, kRate, 4);
    PutLe(bytes, kRate * 2, 4);
    PutLe(bytes, 2, 2);
    PutLe(bytes, 16, 2);
    bytes += "data";
    PutLe(bytes, dataBytes, 4);
    for (const short s : samples)
        PutLe(bytes, std::uint16_t(s), 2);
    return bytes;
}

// A mono MP3 of a sine tone, encoded with LAME.
std::string Mp3(double seconds) {
    const std::unique_ptr<lame_global_flags, decltype(&lame_close)> lame(lame_init(), lame_close);
    lame_set_in_samplerate(lame.get(), kRate);
    lame_set_num_channels(lame.get(), 1);
    lame_set_mode(lame.get(), MONO);
    lame_set_brate(lame.get(), 64);
    if (lame_init_params(lame.get()) < 0)
        throw std::runtime_error("LAME refused its parameters");
    std::vector<short> pcm = Tone(seconds, 440);
    std::vector<unsigned char> out(pcm.size() * 5 / 4 + 7200);
    const int body = lame_encode_buffer(lame.get(), pcm.data(), pcm.data(), int(pcm.size()),
                                        out.data(), int(out.size()));
    const int tail = lame_encode_flush(lame.get(), out.data() + body, int(out.size()) - body);
    return std::string(reinterpret_cast<const char*>(out.data()), std::size_t(body + tail));
}

template <typename Condition> bool WaitFor(Condition condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

std::atomic<int> finishedOnShotChannel{0};

// SDL's word that the output device went away, as when its sound server ends.
void RemoveTheDevice() {
    SDL_Event removed{};
    removed.type = SDL_AUDIODEVICEREMOVED;
    removed.adevice.iscapture = 0;
    SDL_PushEvent(&removed);
}

TEST(AudioSystem, PlaysSilentlyWithoutADeviceAndComesBackWhenOneOpens) {
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before != nullptr ? before : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    {
        AudioSystem audio;
        EXPECT_EQ(audio.DriverName(), "dummy");
        EXPECT_TRUE(audio.Silent());
        audio.Watch(); // still no device: the next try comes later
        audio.Watch();
        EXPECT_TRUE(audio.Silent());
        setenv("SDL_AUDIODRIVER", "disk", 1); // a device appears
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
        for (int look = 0; look < 2 && audio.Silent(); ++look)
            audio.Watch();
        EXPECT_FALSE(audio.Silent());
        EXPECT_EQ(audio.DriverName(), "disk");
    }
    unsetenv("SDL_DISKAUDIOFILE");
    if (before != nullptr)
        setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    else
        unsetenv("SDL_AUDIODRIVER");
}

TEST(AudioSystem, AfterTheDeviceWentAwayTheMusicGoesOnWhereItWasAndTheNextShotIsHeard) {
    const test::TempDir dir;
    AudioSystem audio;
    MediaPlayer player(audio);
    ShotSound shot(audio);
    player.SetFileName(dir.Write("music.mp3", Mp3(3)));
    player.Open();
    player.Play();
    Mix_SetMusicPosition(1.5);
    player.Pause();
    const std::string wav = dir.Write("shot.wav", Wav(0.5, 440));
    ASSERT_TRUE(shot.Play(wav));

    RemoveTheDevice();
    audio.Watch();
    EXPECT_TRUE(audio.Silent());
    audio.Watch(); // a device opens again at the first try
    EXPECT_FALSE(audio.Silent());
    EXPECT_TRUE(player.Playing());
    EXPECT_EQ(Mix_PausedMusic(), 1);
    EXPECT_NEAR(Mix_GetMusicPosition(nullptr), 1.5, 0.1);
    EXPECT_TRUE(shot.Play(wav));
    EXPECT_EQ(Mix_Playing(ShotSound::kChannel), 1);
}

TEST(AudioSystem, RaisesTheMixersThreadToARealtimePolicyWhereTheSystemGrantsIt) {
    // Whether the process may raise a thread of its own, tried on a thread made for it.
    bool mayItself = false;
    std::thread([&] {
        sched_param param{};
        param.sched_priority = 1;
        mayItself = sched_setscheduler(0, SCHED_RR, &param) == 0;
    }).join();
    if (!mayItself)
        GTEST_SKIP() << "only RealtimeKit could raise a thread here";
    AudioSystem audio;
    // The thread makes itself known with the next buffer it mixes.
    ASSERT_TRUE(WaitFor(
        [&] {
            audio.Watch();
            return audio.MixerRealtime();
        },
        std::chrono::seconds(2)));
    int realtime = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        std::getline(comm, name);
        if (name.starts_with("SDLAudio"))
            realtime += (sched_getscheduler(std::stoi(task.path().filename())) &
                         ~SCHED_RESET_ON_FORK) == SCHED_RR;
    }
    EXPECT_EQ(realtime, 1);
}

TEST(MediaPlayer, OpeningAMissingEmptyOrDamagedFileThrowsAndLeavesItClosed) {
    const test::TempDir dir;
    AudioSystem audio;
    MediaPlayer player(audio);
    const std::string good = dir.Write("good.mp3", Mp3(0.3));
    const std::vector<std::string> bad = {
        dir.File("missing.mp3"),
        dir.Write("empty.mp3", ""),
        dir.Write("damaged.mp3", std::string(4000, '\x5A')),
        dir.Write("cut.mp3", Mp3(0.3).substr(0, 3)),
    };
    for (const std::string& path : bad) {
        player.SetFileName(good);
        player.Open();
        player.SetFileName(path);
        try {
            player.Open();
            ADD_FAILURE() << path << " opened";
        } catch (const std::runtime_error& e) {
            EXPECT_STRNE(e.what(), "") << path;
        }
        EXPECT_FALSE(player.IsOpen()) << path;
        EXPECT_THROW(player.Play(), std::runtime_error) << path;
    }
}

TEST(MediaPlayer, PlaysAnMp3OnceFromTheStartAndStopsAndClosesSafely) {
    const test::TempDir dir;
    AudioSystem audio;
    MediaPlayer player(audio);
    player.SetFileName(dir.Write("music.mp3", Mp3(0.25)));
    player.Open();
    player.Play();
    EXPECT_TRUE(player.Playing());
    // Once through, no looping: the dummy device plays in real time.
    EXPECT_TRUE(WaitFor([&] { return !player.Playing(); }, std::chrono::seconds(5)));
    player.Play();
    EXPECT_TRUE(player.Playing());
    player.Stop();
    EXPECT_FALSE(player.Playing());

    // Opening again, as every new game does, ends what was playing.
    player.Play();
    player.SetFileName(dir.Write("other.wav", Wav(2, 330)));
    player.Open();
    EXPECT_TRUE(player.IsOpen());
    EXPECT_FALSE(player.Playing());

    player.Close();
    EXPECT_FALSE(player.IsOpen());
    EXPECT_NO_THROW(player.Stop());
    EXPECT_NO_THROW(player.Close());
}

TEST(ShotSound, ASecondShotCutsOffTheFirstOnItsChannel) {
    const test::TempDir dir;
    AudioSystem audio;
    finishedOnShotChannel = 0;
    Mix_ChannelFinished([](int channel) {
        if (channel == ShotSound::kChannel)
            ++finishedOnShotChannel;
    });
    ShotSound shot(audio);
    const std::string first = dir.Write("a.wav", Wav(2, 440));
    const std::string second = dir.Write("b.wav", Wav(2, 660));

    ASSERT_TRUE(shot.Play(first));
    Mix_Chunk* const firstChunk = Mix_GetChunk(ShotSound::kChannel);
    EXPECT_EQ(Mix_Playing(-1), 1);
    ASSERT_TRUE(shot.Play(first));
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_GetChunk(ShotSound::kChannel), firstChunk);
    ASSERT_TRUE(shot.Play(second));
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_NE(Mix_GetChunk(ShotSound::kChannel), firstChunk);
    EXPECT_EQ(finishedOnShotChannel, 2);
    Mix_ChannelFinished(nullptr);
}

TEST(ShotSound, IsSilentForAnUnreadableFileAndRereadsAChangedOne) {
    const test::TempDir dir;
    AudioSystem audio;
    ShotSound shot(audio);
    EXPECT_FALSE(shot.Play(dir.File("missing.wav")));
    const std::string path = dir.Write("shot.wav", "RIFF garbage");
    EXPECT_FALSE(shot.Play(path));
    EXPECT_EQ(Mix_Playing(-1), 0);

    dir.Write("shot.wav", Wav(0.5, 440));
    EXPECT_TRUE(shot.Play(path));
    EXPECT_EQ(Mix_Playing(ShotSound::kChannel), 1);
    const Uint32 shortBytes = Mix_GetChunk(ShotSound::kChannel)->alen;
    dir.Write("shot.wav", Wav(1.5, 440));
    EXPECT_TRUE(shot.Play(path));
    EXPECT_EQ(Mix_GetChunk(ShotSound::kChannel)->alen, 3 * shortBytes);
}

} // namespace
} // namespace kluvian
