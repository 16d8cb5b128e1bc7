// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataDir.h"

#include "areagen/Gunshot.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace kluvian::test {
namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | b[at + i];
    return v;
}

// Opens SDL's audio with whatever driver the environment names (the dummy one in tests).
class Mixer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    }
    void TearDown() override {
        Mix_CloseAudio();
        SDL_Quit();
    }
};

TEST_F(Mixer, GunshotIsShortSixteenBitMonoPcmThatDecodes) {
    const auto wav = DataFile("BlueMountains/gunshot.wav");
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(Le(wav, 20, 2), 1u);     // PCM
    EXPECT_EQ(Le(wav, 22, 2), 1u);     // mono
    EXPECT_EQ(Le(wav, 24, 4), 44100u); // rate
    EXPECT_EQ(Le(wav, 34, 2), 16u);
    const double seconds = Le(wav, 40, 4) / 2.0 / 44100;
    EXPECT_GT(seconds, 0.4);
    EXPECT_LT(seconds, 1.0);
    // The report is loud at once and dies away.
    auto level = [&](double from, double to) {
        double peak = 0;
        for (auto i = std::size_t(from * 44100); i < std::size_t(to * 44100); ++i)
            peak = std::max(peak, std::abs(double(std::int16_t(Le(wav, 44 + 2 * i, 2)))));
        return peak;
    };
    EXPECT_GT(level(0, 0.05), 25000);
    EXPECT_LT(level(seconds - 0.05, seconds), 2000);

    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.data(), int(wav.size())), 1);
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    Mix_FreeChunk(chunk);
}

// An MPEG-1 layer III file at 128 kbit/s, 44.1 kHz and in stereo that outlasts a game.
void CheckMusic(const std::vector<std::uint8_t>& mp3) {
    // Walk the MPEG-1 layer III frames.
    std::size_t at = 0;
    int frames = 0;
    while (at + 4 <= mp3.size()) {
        const std::uint8_t* h = &mp3[at];
        ASSERT_EQ(h[0], 0xFF) << "frame " << frames;
        ASSERT_EQ(h[1] & 0xFE, 0xFA) << "MPEG-1 layer III";
        const int bitrate = (h[2] >> 4) == 9 ? 128 : 0;
        ASSERT_EQ(bitrate, 128) << "frame " << frames;
        ASSERT_EQ((h[2] >> 2) & 3, 0) << "44.1 kHz";
        ASSERT_NE(h[3] >> 6, 3) << "stereo";
        at += 144 * 128000 / 44100 + ((h[2] >> 1) & 1);
        ++frames;
    }
    EXPECT_EQ(at, mp3.size());
    EXPECT_GE(frames * 1152.0 / 44100, 95.0);

    Mix_Music* music = Mix_LoadMUS_RW(SDL_RWFromConstMem(mp3.data(), int(mp3.size())), 1);
    ASSERT_NE(music, nullptr) << Mix_GetError();
    EXPECT_GE(Mix_MusicDuration(music), 95.0);
    Mix_FreeMusic(music);
}

TEST_F(Mixer, MusicOfEveryAreaIsLongStereoMp3AtAbout128Kbits) {
    for (const char* area : {"BlueMountains", "GoldenLarches"}) {
        SCOPED_TRACE(area);
        CheckMusic(DataFile(area + std::string("/music.mp3")));
    }
}

TEST(Gunshot, NeverClipsAndIsTheSameForEveryRun) {
    const auto shot = areagen::SynthesizeGunshot();
    float peak = 0;
    for (const float s : shot)
        peak = std::max(peak, std::abs(s));
    EXPECT_LE(peak, 0.9f + 1e-6f);
    EXPECT_EQ(shot, areagen::SynthesizeGunshot());
}

} // namespace
} // namespace kluvian::test
