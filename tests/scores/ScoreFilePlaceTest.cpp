// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ScoreFilePlace.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <unistd.h>
#include <utility>

namespace kluvian {
namespace {

TEST(DecideScoreFilePlace, KeepsTheTableBesideTheProgramOnlyWhereThePlayerMayWriteIt) {
    const test::TempDir exe;
    const test::TempDir home;
    const std::string userDir = home.Path() + "kluvian/";
    const std::string beside = exe.File("wynik.ok");
    const std::string own = userDir + "wynik.ok";
    std::set<std::string> writable;
    const auto decide = [&] {
        const ScoreFilePlace place = DecideScoreFilePlace(
            exe.Path(), userDir, [&](const std::string& p) { return writable.count(p) > 0; });
        return std::pair(place.loadFrom, place.saveTo);
    };

    // No table anywhere: a folder the player may write keeps it, else the player's own does.
    writable = {exe.Path()};
    EXPECT_EQ(decide(), std::pair(beside, beside));
    writable = {};
    EXPECT_EQ(decide(), std::pair(own, own));

    // A table only beside the program: kept there when the player may write it; else the
    // player starts from it and keeps their own, even where the folder could take a new one.
    exe.Write("wynik.ok", "4\r\n11\r\n");
    writable = {beside};
    EXPECT_EQ(decide(), std::pair(beside, beside));
    writable = {exe.Path()};
    EXPECT_EQ(decide(), std::pair(beside, own));
    writable = {};
    EXPECT_EQ(decide(), std::pair(beside, own));

    // Once the player has a table of their own, it is the one read.
    std::filesystem::create_directories(userDir);
    home.Write("kluvian/wynik.ok", "4\r\n11\r\n");
    EXPECT_EQ(decide(), std::pair(own, own));

    // Nowhere else to go.
    EXPECT_EQ(DecideScoreFilePlace(exe.Path(), "", [](const std::string&) { return false; }).saveTo,
              beside);
}

TEST(AreaScoreFilePlace, EachAreaFolderHasATableOfItsOwnInThePlayersFolder) {
    const ScoreFilePlace a = AreaScoreFilePlace("/home/a/Snow/", "/home/p/.local/share/kluvian/");
    EXPECT_EQ(a.loadFrom, a.saveTo);
    EXPECT_TRUE(a.saveTo.starts_with("/home/p/.local/share/kluvian/areas/Snow-")) << a.saveTo;
    EXPECT_TRUE(a.saveTo.ends_with(".ok"));
    // The same name elsewhere is another area.
    EXPECT_NE(AreaScoreFilePlace("/tmp/Snow/", "/home/p/").saveTo,
              AreaScoreFilePlace("/home/a/Snow/", "/home/p/").saveTo);
    EXPECT_EQ(AreaScoreFilePlace("/home/a/Snow/", "").saveTo, "/home/a/Snow/wynik.ok");
}

TEST(DecideScoreFilePlace, NeverUsesALinkOfSomeoneElsesBesideTheProgram) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user takes root";
    const test::TempDir exe;
    const test::TempDir home;
    const std::string link = exe.File("wynik.ok");
    std::filesystem::create_symlink(home.Write("notes", "4\r\n11\r\n"), link);
    ASSERT_EQ(::lchown(link.c_str(), 4242, 4242), 0);
    const auto anything = [](const std::string&) { return true; };
    const ScoreFilePlace place = DecideScoreFilePlace(exe.Path(), home.File("kluvian/"), anything);
    EXPECT_EQ(place.loadFrom, home.File("kluvian/wynik.ok"));
    EXPECT_EQ(place.saveTo, home.File("kluvian/wynik.ok"));

    // The player's own link (root's here) is the table's place as any file would be.
    ASSERT_EQ(::lchown(link.c_str(), ::geteuid(), ::getegid()), 0);
    EXPECT_EQ(DecideScoreFilePlace(exe.Path(), home.File("kluvian/"), anything).loadFrom, link);
}

} // namespace
} // namespace kluvian
