// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/InitWorld.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <vector>

namespace kluvian {
namespace {

TEST(InitWorld, CreatesTheThirtyBirdsAndLoadsTheSharedPictures) {
    FakeClock clock;
    clock.timeOfDay = 5000;
    World world(clock);
    world.state.ShotScale = 3;
    world.state.TimeLeft = 12;
    std::vector<std::string> paths;
    std::vector<PictureSlot::Kind> kinds;
    InitWorld(world, "/opt/kluvian", [&](const std::string& path, PictureSlot slot) {
        paths.push_back(path);
        kinds.push_back(slot.kind);
    });
    EXPECT_EQ(world.state.ExeDir, "/opt/kluvian/");
    EXPECT_EQ(paths, (std::vector<std::string>{"/opt/kluvian/data/font.tga",
                                               "/opt/kluvian/data/cursor.tga"}));
    EXPECT_EQ(kinds, (std::vector<PictureSlot::Kind>{PictureSlot::Font, PictureSlot::Cursor}));
    EXPECT_EQ(world.random.state, 5000u);
    EXPECT_EQ(world.state.ShotScale, 1.0f);
    EXPECT_EQ(world.state.TimeLeft, 0);
    std::set<std::int32_t> ids;
    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (int g = 0; g < kGroups; ++g) {
            ids.insert(world.birds(g, i).Id);
            EXPECT_EQ(world.birds(g, i).Size, kBirdSize[std::size_t(g)]);
        }
    EXPECT_EQ(ids.size(), 30u);
    EXPECT_EQ(*ids.begin(), 10);
    EXPECT_EQ(*ids.rbegin(), 39);

    // A loader that throws still leaves thirty distinct birds behind.
    World broken(clock);
    EXPECT_THROW(InitWorld(broken, "/x/",
                           [](const std::string&, PictureSlot) { throw std::runtime_error("x"); }),
                 std::runtime_error);
    EXPECT_EQ(broken.birds(Small, 0).Id, 10);
    EXPECT_EQ(broken.birds(Big, 9).Id, 39);
}

} // namespace
} // namespace kluvian
