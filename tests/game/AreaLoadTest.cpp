// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/AreaLoad.h"
#include "support/FakeClock.h"
#include "support/HuntDoubles.h"

#include "game/Flight.h"
#include "game/FrameRules.h"
#include "game/InitWorld.h"
#include "game/Shooting.h"
#include "platform/FileBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace kluvian {
namespace {

// Stands in for the main window: a picture is any file not reading "damaged"; a missing one
// is noted as the loader's own message.
class FakeHost final : public AreaLoadHost {
public:
    int gauge = 0;
    std::vector<std::string> loaded;
    std::vector<PictureSlot::Kind> kinds; // of the pictures loaded
    std::vector<int> loadsAtStep;         // pictures loaded so far, at each progress step
    std::vector<std::string> loaderMessages;
    int warnings = 0; // the missing-file warning shown
    int finished = 0;
    std::function<void(int step)> onProgress;

    void LoadPicture(const std::string& path, PictureSlot slot) override {
        if (!FileExists(path)) {
            loaderMessages.push_back(path);
            return;
        }
        if (test::ContentsOf(path) == "damaged")
            throw std::runtime_error("Read beyond end of file");
        loaded.push_back(path);
        kinds.push_back(slot.kind);
    }
    void ShowFileNotFound(const std::string& path) override { loaderMessages.push_back(path); }
    void ProgressStep() override {
        ++gauge;
        loadsAtStep.push_back(int(loaded.size()));
        if (onProgress)
            onProgress(gauge);
    }
    void ShowMissingFileWarning() override { ++warnings; }
    void FinishLoad() override { ++finished; }

    // Starts the records afresh.
    void ForgetRecords() {
        gauge = finished = 0;
        loaded.clear();
        kinds.clear();
        loadsAtStep.clear();
        loaderMessages.clear();
        warnings = 0;
    }
};

struct AreaLoad : ::testing::Test {
    test::TempDir dir;
    FakeClock clock;
    World world{clock};
    FakeHost host;
    FakeSounds sounds;
    bool loaded = false;
    std::string area = dir.Path() + "data/BlueMountains/";

    void SetUp() override {
        clock.timeOfDay = 12'345'678;
        std::filesystem::create_directories(area);
        InitWorld(world, dir.Path(), [](const std::string&, PictureSlot) {});
    }
    void Put(const std::string& name, const std::string& bytes = "picture") {
        std::ofstream(area + name, std::ios::binary) << bytes;
    }
    void PutAllPictures(const std::array<std::string, 3>& stems = {
                            "smallChickenRight", "mediumChickenRight", "bigChickenRight"}) {
        for (int n = 0; n < 3; ++n)
            Put("backgroundLayer" + std::to_string(n) + ".tga");
        for (int n = 0; n < 7; ++n)
            Put("foregroundLayer" + std::to_string(n) + ".tga");
        Put("ammo.tga");
        for (const char* f : {"small", "medium", "big"})
            Put(std::string(f) + "ChickenFalling.tga");
        for (const std::string& stem : stems)
            for (int f = 0; f < 6; ++f)
                Put(stem + std::to_string(f) + ".tga");
    }
    void Load() { loaded = RunAreaLoad(world, host, sounds); }
    void ExpectLoaded() {
        EXPECT_TRUE(loaded);
        EXPECT_EQ(world.state.Ammo, 8);
        EXPECT_EQ(host.warnings, 0);
        EXPECT_EQ(host.finished, 1);
    }
};

TEST_F(AreaLoad, ACompleteLoadReadsEverythingInOrder) {
    PutAllPictures();
    Put("music.mp3", "tune");
    Put("settings.ini", "[Colors]\nSCORER=0.25\nscoreG = 0.5\nscoreB=2\n[colors]\nfpsB=1\n");
    world.state.Score = 77;
    world.state.BackScroll = -300;
    world.state.FrontScroll = -450;
    Load();

    std::vector<std::string> expected;
    for (int n = 0; n < 3; ++n)
        expected.push_back(area + "backgroundLayer" + std::to_string(n) + ".tga");
    for (int n = 0; n < 7; ++n)
        expected.push_back(area + "foregroundLayer" + std::to_string(n) + ".tga");
    expected.push_back(area + "ammo.tga");
    for (int i = 0; i < 10; ++i)
        for (const char* f : {"small", "medium", "big"})
            expected.push_back(area + f + "ChickenFalling.tga");
    for (int f = 0; f < 6; ++f)
        for (const char* g : {"small", "medium", "big"})
            expected.push_back(area + g + "ChickenRight" + std::to_string(f) + ".tga");
    EXPECT_EQ(host.loaded, expected);
    ASSERT_EQ(host.gauge, kLoadSteps);
    EXPECT_EQ(host.loadsAtStep.front(), 0); // the music's step comes first
    EXPECT_EQ(host.loadsAtStep.back(), 59); // the last step follows the last frame
    EXPECT_EQ(sounds.music, std::vector<std::string>{area + "music.mp3"});
    EXPECT_TRUE(world.state.MusicOpened);
    ExpectLoaded();

    const GameState& s = world.state;
    EXPECT_EQ(s.AreaName, "BlueMountains");
    EXPECT_EQ(s.Score, 0);
    EXPECT_EQ(s.BackScroll, 0);
    EXPECT_EQ(s.FrontScroll, 0);
    EXPECT_EQ(s.ScoreColor, (RGBColor{0.25f, 0.5f, 2.0f})); // out of range passes unchanged
    EXPECT_EQ(s.FpsColor, (RGBColor{0, 0, 1}));
    EXPECT_EQ(s.TimeColor, (RGBColor{1, 0, 0}));

    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (int g = 0; g < kGroups; ++g) {
            const TChicken& b = world.birds(g, i);
            EXPECT_EQ(b.Falling, 0);
            EXPECT_TRUE(b.Frame >= 0 && b.Frame <= 5);
            EXPECT_NE(b.DX, 0);
            EXPECT_EQ(b.Id, kFirstId[std::size_t(g)] + i);
        }
    EXPECT_EQ(host.kinds[10], PictureSlot::Ammo);
    EXPECT_EQ(host.kinds.back(), PictureSlot::BirdFrame);
}

TEST_F(AreaLoad, TheGeneratedSecondAreaPlayedFromItsOwnFolderHasEveryFileALoadReads) {
    const char* build = std::getenv("KLUVIAN_BUILD_DIR");
    const auto second =
        std::filesystem::canonical(std::string(build ? build : "..") + "/data/GoldenLarches");
    world.state.areaPath = second.string() + "/";
    Load();
    EXPECT_EQ(world.state.AreaName, "GoldenLarches");
    EXPECT_TRUE(host.loaderMessages.empty());
    EXPECT_EQ(host.loaded.size(), 59u);
    EXPECT_EQ(sounds.music, std::vector<std::string>{world.state.areaPath + "music.mp3"});
    EXPECT_EQ(ShotSoundPath(world.state), world.state.areaPath + "gunshot.wav");
    EXPECT_TRUE(std::filesystem::exists(ShotSoundPath(world.state)));
    EXPECT_NE(world.state.ScoreColor, (RGBColor{0, 1, 0})); // its own colours, not the defaults
    EXPECT_NE(world.state.FpsColor, (RGBColor{0, 0, 0}));
    ExpectLoaded();
}

TEST_F(AreaLoad, WithoutSettingsTheDefaultColoursAndFileNamesApply) {
    PutAllPictures();
    Load();
    const GameState& s = world.state;
    EXPECT_EQ(s.ScoreColor, (RGBColor{0, 1, 0}));
    EXPECT_EQ(s.TimeColor, (RGBColor{1, 0, 0}));
    EXPECT_EQ(s.HelpColor, (RGBColor{1, 0.3f, 0}));
    EXPECT_EQ(s.FpsColor, (RGBColor{0, 0, 0}));
    EXPECT_TRUE(host.loaderMessages.empty()); // every default frame name was found
    EXPECT_TRUE(sounds.music.empty());
    ExpectLoaded();
}

TEST_F(AreaLoad, BadColoursFallBackSilentlyAndStemsComeFromTheSettings) {
    PutAllPictures({"kite", "", "crow"});
    Put("settings.ini", "[colors]\ntimeR=red\ntimeG=\nhelpG=0.3.1\ntimeB=0.5\n"
                        "[CHICKEN]\nsmallchickentextures=kite\nmediumChickenTextures=\n"
                        "bigChickenTextures=crow\n");
    Load();
    EXPECT_EQ(world.state.TimeColor, (RGBColor{1, 0, 0.5f}));
    EXPECT_EQ(world.state.HelpColor, (RGBColor{1, 0.3f, 0}));
    EXPECT_TRUE(host.loaderMessages.empty());
    EXPECT_EQ(std::vector(host.loaded.end() - 18, host.loaded.end() - 15),
              (std::vector<std::string>{area + "kite0.tga", area + "0.tga", area + "crow0.tga"}));
    ExpectLoaded();
}

TEST_F(AreaLoad, AStemThatCouldLeaveTheAreaFolderNamesNoFile) {
    std::filesystem::create_directories(area + "sub");
    PutAllPictures({"../x", "sub/bird", "a\\b"}); // all of them exist
    Put("settings.ini", "[chicken]\nsmallChickenTextures=../x\nmediumChickenTextures=sub/bird\n"
                        "bigChickenTextures=a\\b\n");
    Load();
    EXPECT_EQ(host.loaded.size(), 41u); // everything but the flight frames
    ASSERT_EQ(host.loaderMessages.size(), 18u);
    EXPECT_EQ(host.loaderMessages[0], area + "../x0.tga");
    EXPECT_EQ(host.loaderMessages[1], area + "sub/bird0.tga");
    EXPECT_EQ(host.loaderMessages[17], area + "a\\b5.tga");
    EXPECT_EQ(host.gauge, kLoadSteps);
    ExpectLoaded();
    EXPECT_FALSE(StemNamesAreaFile("my..bird"));
    EXPECT_TRUE(StemNamesAreaFile("my.bird"));
}

TEST_F(AreaLoad, MusicIsTouchedOnlyWithTheSoundOnAndAFailedOpenEndsTheLoad) {
    PutAllPictures();
    Put("music.mp3", "damaged");
    sounds.on = false;
    sounds.musicOpens = false;
    Load();
    EXPECT_TRUE(sounds.music.empty());
    EXPECT_FALSE(world.state.MusicOpened);
    ExpectLoaded();

    host.ForgetRecords();
    sounds.on = true;
    world.state.Ammo = 3;
    Load();
    EXPECT_EQ(host.warnings, 1);
    EXPECT_TRUE(host.loaded.empty());
    EXPECT_EQ(host.gauge, 0);
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(world.state.MusicOpened);
    EXPECT_EQ(world.state.Ammo, 3);
    EXPECT_EQ(host.finished, 1);
}

TEST_F(AreaLoad, ADamagedPictureEndsTheLoadAndARunningGameKeepsItsClock) {
    PutAllPictures();
    Put("ammo.tga", "damaged");
    world.state.Running = true;
    world.state.TimeLeft = 42;
    world.state.Score = 60;
    Load();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(host.warnings, 1);
    EXPECT_EQ(host.loaded.size(), 10u);
    EXPECT_EQ(host.gauge, 11);
    EXPECT_TRUE(world.state.Running);
    EXPECT_EQ(world.state.TimeLeft, 42);
    EXPECT_EQ(world.state.Score, 60);
    EXPECT_EQ(world.state.Ammo, 8); // done before the failure, stays done
    EXPECT_EQ(host.finished, 1);
}

TEST_F(AreaLoad, FlightShotsCountdownPanningAndANestedLoadBetweenStepsDoNoHarm) {
    PutAllPictures();
    Put("settings.ini", "[chicken]\nbigChickenTextures=bigChickenRight\n");
    world.state.Running = true;
    world.state.TimeLeft = 3; // runs out during the load
    bool countdownOn = true;
    world.state.FrameFactor = 1.0;
    int gamesEnded = 0;
    bool nested = false;
    host.onProgress = [&](int step) {
        clock.timeOfDay += 7;
        ProceedStep(world);
        PanStep(world, step % 3 == 0, false, true);
        ResolveShot(world, std::uint8_t(10 + step % 30));
        if (step % 4 == 0)
            Reload(world.state);
        if (step % 5 == 0 && countdownOn && CountDownTick(world.state)) {
            countdownOn = false;
            ++gamesEnded;
        }
        if (step == 30 && !nested) { // a second load run from inside the first
            nested = true;
            Load();
        }
    };
    Load();
    EXPECT_EQ(host.gauge, 2 * kLoadSteps);
    EXPECT_EQ(host.finished, 2);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(host.warnings, 0);
    EXPECT_EQ(gamesEnded, 1);
    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (int g = 0; g < kGroups; ++g) {
            const TChicken& b = world.birds(g, i);
            EXPECT_EQ(b.Id, kFirstId[std::size_t(g)] + i);
            EXPECT_EQ(b.Size, kBirdSize[std::size_t(g)]);
            EXPECT_TRUE(b.Falling >= 0 && b.Falling <= 50);
            EXPECT_TRUE(b.Frame >= 0 && b.Frame <= 5);
        }
}

} // namespace
} // namespace kluvian
