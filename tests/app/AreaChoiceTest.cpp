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
    MakeArea(dir, "data/BlueMountains");
    const std::string golden = MakeArea(dir, "data/GoldenLarches");
    const std::string own = MakeArea(dir, "user/areas/Tundra");
    const std::string file = dir.File("config/kluvian.conf");
    const std::string user = dir.File("user/");
    const auto areas = FindAreas(dir.File("data/"), OwnAreasDir(user));
    // Each run reads the file afresh, as a new start of the program does.
    const auto played = [&](const std::string& commandLine, const std::string& exeDir) {
        return DecidePlayedArea(commandLine, PlayerSettings(file), exeDir, user);
    };

    // Nothing chosen yet: the game's own area, with the game's own table.
    EXPECT_EQ(played("", dir.Path()).areaDir, "");
    EXPECT_EQ(played("", dir.Path()).scores.saveTo, dir.File("wynik.ok"));

    PlayerSettings settings(file);
    ASSERT_TRUE(RememberArea(settings, Named(areas, "GoldenLarches")));
    EXPECT_EQ(played("", dir.Path()).areaDir, golden);
    // The game's own areas are remembered by name: they move with the program.
    EXPECT_EQ(played("", dir.File("elsewhere/")).areaDir, "");
    ASSERT_TRUE(RememberArea(settings, Named(areas, "Tundra")));
    EXPECT_EQ(played("", dir.Path()).areaDir, own);
    EXPECT_TRUE(played("", dir.Path()).scores.saveTo.starts_with(user + "areas/Tundra-"));

    // A folder on the command line is played for that run alone.
    EXPECT_EQ(played(golden, dir.Path()).areaDir, golden);
    EXPECT_EQ(PlayerSettings(file).Read(kAreaSetting), own);

    // Gone, or no longer an area: the game's own area again, without a word.
    std::filesystem::remove(own + "settings.ini");
    EXPECT_EQ(played("", dir.Path()).areaDir, "");
    ASSERT_TRUE(RememberArea(settings, Named(areas, "GoldenLarches")));
    std::filesystem::remove_all(golden);
    EXPECT_EQ(played("", dir.Path()).areaDir, "");
}

} // namespace
} // namespace kluvian
