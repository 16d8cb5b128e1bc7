#include "game/IniFile.h"

#include <gtest/gtest.h>

namespace kluvian {
namespace {

TEST(IniFile, SectionsAndKeysIgnoreCaseAndMissingOnesGiveDefaults) {
    const IniFile ini = IniFile::Parse("[Colors]\nScoreR=0.5\n[chicken]\nsmallChickenTextures=\n");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("colors", "scorer", 9), 0.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("COLORS", "scoreG", 1.0), 1.0);
    EXPECT_EQ(ini.ReadString("chicken", "smallChickenTextures", "x"), "");
    EXPECT_EQ(ini.ReadString("chicken", "bigChickenTextures", "big"), "big");
    EXPECT_EQ(ini.ReadString("nosuch", "key", "d"), "d");
}

TEST(IniFile, NumbersThatAreNotPlainDecimalsGiveTheDefault) {
    const IniFile ini =
        IniFile::Parse("[c]\na=\nb=abc\nc=1.5x\nd=-0.25\ne=+2\nf=1e-1\ng=+-1\nh=2.\n");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "a", 7), 7);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "b", 7), 7);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "c", 7), 7);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "d", 7), -0.25);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "e", 7), 2);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "f", 7), 0.1);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "g", 7), 7);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "h", 7), 2);
}

TEST(IniFile, AMissingFileReadsAsEmpty) {
    const IniFile ini = IniFile::Open("/nonexistent/settings.ini");
    EXPECT_EQ(ini.ReadString("colors", "scoreR", "def"), "def");
}

} // namespace
} // namespace kluvian
