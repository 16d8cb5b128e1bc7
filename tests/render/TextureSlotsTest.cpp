// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/TextureSlots.h"

#include "game/AreaLoad.h"
#include "platform/FileBytes.h"
#include "support/FakeClock.h"
#include "support/HuntDoubles.h"
#include "support/TestArea.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

namespace kluvian {
namespace {

// Loads the area's pictures into slots as the drawing does, with names instead of textures:
// a missing file is the loader's message, and events may run while it shows.
class NamingHost final : public AreaLoadHost {
public:
    TextureSlots textures;
    std::set<GLuint> live;
    int badReleases = 0;
    std::function<void()> onLoaderMessage;

    void LoadPicture(const std::string& path, PictureSlot slot) override {
        LoadIntoSlot(
            textures, slot,
            [&]() -> GLuint {
                if (!FileExists(path)) {
                    if (onLoaderMessage)
                        onLoaderMessage();
                    return 0;
                }
                live.insert(next_);
                return next_++;
            },
            [this](GLuint old) { badReleases += live.erase(old) == 0 ? 1 : 0; });
    }
    void ShowFileNotFound(const std::string&) override {}
    void ProgressStep() override {}
    void ShowMissingFileWarning() override {}
    void FinishLoad() override {}

    // Every slot names a live texture, and nothing else lives.
    bool Tidy() const {
        const std::vector<GLuint> names = textures.Names();
        const std::set<GLuint> held(names.begin() + 2, names.end()); // all but font and cursor
        return held == live && !held.contains(0) && badReleases == 0;
    }

private:
    GLuint next_ = 1;
};

struct TextureSlotsTest : ::testing::Test {
    test::TempDir dir;
    FakeClock clock;
    World world{clock};
    FakeSounds sounds;
    NamingHost host;
    std::string area = dir.File("data/BlueMountains/");

    void SetUp() override {
        test::WriteTestArea(dir);
        world.state.ExeDir = dir.Path();
    }
    void Load() { RunAreaLoad(world, host, sounds); }
};

TEST_F(TextureSlotsTest, LoadsReplaceWhatTheSlotsHeldAndAMissingPictureKeepsItsSlot) {
    for (int k = 0; k < 25; ++k) {
        Load();
        ASSERT_EQ(host.live.size(), 32u) << "load " << k; // a falling picture's nine earlier go
    }
    EXPECT_TRUE(host.Tidy());
    const GLuint kept = host.textures.FrontLayerTex[4];
    std::filesystem::remove(area + "foregroundLayer4.tga");
    Load();
    EXPECT_EQ(host.textures.FrontLayerTex[4], kept);
    EXPECT_TRUE(host.Tidy());
}

TEST_F(TextureSlotsTest, ALoadRunWhileTheLoaderReportsAMissingPictureReleasesNothingTwice) {
    Load();
    const std::string picture = area + "foregroundLayer2.tga";
    const std::string bytes = test::ContentsOf(picture);
    std::filesystem::remove(picture);
    bool nested = false;
    host.onLoaderMessage = [&] {
        if (std::exchange(nested, true))
            return;
        dir.Write("data/BlueMountains/foregroundLayer2.tga", bytes);
        Load();
        std::filesystem::remove(picture);
    };
    Load();
    ASSERT_TRUE(nested);
    EXPECT_TRUE(host.Tidy());
    EXPECT_EQ(host.live.size(), 32u);
}

} // namespace
} // namespace kluvian
