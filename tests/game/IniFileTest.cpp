// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/IniFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

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

TEST(IniFile, ReadsTheUsualLayoutWhateverTheIndentLineEndsAndLineLengths) {
    const std::string longComment = "; " + std::string(300, 'c') + " scoreB=0.25";
    const std::string longValue(5000, 'v');
    const IniFile ini = IniFile::Parse("\xEF\xBB\xBF  [ colors ]  \r\n"
                                       "scoreR=0.5\r\n"
                                       "   scoreG = 0.75  \r\n" // indented after a key
                                       "\t# scoreB=0.9\n" +
                                       longComment + "\n" + "long=" + longValue +
                                       "\r"
                                       "[chicken\n" // no closing bracket: not a section
                                       "no equals sign\n"
                                       "[Chicken] trailing\n"
                                       "smallChickenTextures = my bird ;x #y \n"
                                       "smallChickenTextures=second\n"
                                       " = nameless\n");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("colors", "scoreR", 9), 0.5);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("colors", "scoreG", 9), 0.75);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("colors", "scoreB", 9), 9);
    EXPECT_EQ(ini.ReadString("colors", "long", ""), longValue);
    EXPECT_EQ(ini.ReadString("chicken", "smallChickenTextures", ""), "my bird ;x #y");
    EXPECT_EQ(ini.ReadString("chicken", "", "d"), "d");
}

TEST(IniFile, NumbersThatAreNotFiniteDecimalsGiveTheDefault) {
    const IniFile ini =
        IniFile::Parse("[c]\na=\nb=abc\nc=1.5x\nd=-0.25\ne=+2\nf=1e-1\ng=+-1\nh=2.\n"
                       "i=nan\nj=inf\nk=-infinity\nl=1e999\nm=0x1p3\n");
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "d", 7), -0.25);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "e", 7), 2);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "f", 7), 0.1);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("c", "h", 7), 2);
    for (const char* key : {"a", "b", "c", "g", "i", "j", "k", "l", "m"})
        EXPECT_DOUBLE_EQ(ini.ReadFloat("c", key, 7), 7) << key;
}

TEST(IniFile, OnlyARegularFileOfASaneSizeIsRead) {
    const test::TempDir dir;
    EXPECT_EQ(IniFile::Open(dir.File("missing.ini")).ReadString("c", "a", "d"), "d");
    const std::string content = "[c]\na=1\n";
    EXPECT_EQ(IniFile::Open(dir.Write("plain.ini", content)).ReadString("c", "a", "d"), "1");

    // Neither may hang the load or read until memory runs out.
    ASSERT_EQ(::mkfifo(dir.File("fifo.ini").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.File("zero.ini"));
    const std::string huge = dir.Write("huge.ini", content);
    std::filesystem::resize_file(huge, IniFile::kMaxFileSize + 1);
    for (const char* name : {"fifo.ini", "zero.ini", "huge.ini"})
        EXPECT_EQ(IniFile::Open(dir.File(name)).ReadString("c", "a", "d"), "d") << name;
}

} // namespace
} // namespace kluvian
