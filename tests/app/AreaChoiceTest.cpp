// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AreaChoice.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kluvian {
namespace {

// An area as the catalog lists it: a folder with a settings.ini.
std::string MakeArea(const test::TempDir& dir, const std::string& folder) {
    std::filesystem::create_directories(dir.File(folder));
    dir.Write(folder + "/settings.ini", "");
    return std::filesystem::canonical(dir.File(folder)).string() + "/";
}

const FoundArea& Named(const std::vector<FoundArea>& areas, const std::string& name) {
    for (const FoundArea& area : areas)
        if (area.name == name)
            return area;
    throw std::runtime_error("no area " + name);
}

TEST(AreaChoice, TheChosenAreaIsPlayedInLaterRunsUntilItIsGone) {
    test::TempDir dir;
    const std::string data = dir.File("data/");
    MakeArea(dir, "data/BlueMountains");
    const std::string golden = MakeArea(dir, "data/GoldenLarches");
    const std::string own = MakeArea(dir, "own/Tundra");
    const std::string file = dir.File("config/kluvian.conf");
    const auto areas = FindAreas(data, dir.File("own/"));

    // Nothing chosen yet: the game's own area.
    EXPECT_EQ(StartingArea("", PlayerSettings(file), data), "");

    // Each run reads the file afresh, as a new start of the program does.
    PlayerSettings settings(file);
    ASSERT_TRUE(RememberArea(settings, Named(areas, "GoldenLarches")));
    EXPECT_EQ(StartingArea("", PlayerSettings(file), data), golden);
    // The game's own areas are remembered by name: they move with the program.
    EXPECT_EQ(StartingArea("", PlayerSettings(file), dir.File("elsewhere/")), "");
    ASSERT_TRUE(RememberArea(settings, Named(areas, "Tundra")));
    EXPECT_EQ(StartingArea("", PlayerSettings(file), data), own);

    // A folder on the command line is played for that run alone.
    EXPECT_EQ(StartingArea(golden, PlayerSettings(file), data), golden);
    EXPECT_EQ(PlayerSettings(file).Read(kAreaSetting), own);

    // Gone, or no longer an area: the game's own area again, without a word.
    std::filesystem::remove(own + "settings.ini");
    EXPECT_EQ(StartingArea("", PlayerSettings(file), data), "");
    ASSERT_TRUE(RememberArea(settings, Named(areas, "GoldenLarches")));
    std::filesystem::remove_all(golden);
    EXPECT_EQ(StartingArea("", PlayerSettings(file), data), "");
}

} // namespace
} // namespace kluvian
