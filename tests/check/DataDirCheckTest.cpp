// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/PictureBuilders.h"

#include "DataDirCheck.h"
#include "PamFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kluvian {
namespace {

using test::Tga;

// A complete data directory of 2 x 2 pictures for the area; flight frames named after the
// stems of `settings`.
void WriteData(const test::TempDir& dir, const std::string& settings,
               const std::string& area = "BlueMountains") {
    QDir(QString::fromStdString(dir.Path())).mkpath(QString::fromStdString(area));
    dir.Write(area + "/settings.ini", settings);
    for (const auto& file : GamePictureFiles(dir.Path(), dir.Path() + area))
        std::ofstream(file, std::ios::binary) << Tga(10, 2, 2, 32, "\x83\1\2\3\4");
}

TEST(DataDirCheck, ListsTheFilesAnAreaLoadReads) {
    test::TempDir dir;
    QDir(QString::fromStdString(dir.Path())).mkpath("BlueMountains");
    dir.Write("BlueMountains/settings.ini", "[Chicken]\nSmallChickenTextures=tiny\n");
    const auto files =
        GamePictureFiles(dir.Path().substr(0, dir.Path().size() - 1), dir.Path() + "BlueMountains");
    ASSERT_EQ(files.size(), 2u + 3 + 7 + 1 + 3 + 18);
    EXPECT_EQ(files[0], dir.Path() + "font.tga");
    EXPECT_EQ(files[2], dir.Path() + "BlueMountains/backgroundLayer0.tga");
    EXPECT_EQ(files[12], dir.Path() + "BlueMountains/ammo.tga");
    EXPECT_EQ(files[16], dir.Path() + "BlueMountains/tiny0.tga");
    EXPECT_EQ(files[17], dir.Path() + "BlueMountains/mediumChickenRight0.tga");
    EXPECT_EQ(files.back(), dir.Path() + "BlueMountains/bigChickenRight5.tga");
}

TEST(DataDirCheck, ReportsEachRefusedPictureWithTheGamesMessage) {
    test::TempDir dir;
    WriteData(dir, "");
    std::ostringstream quiet;
    EXPECT_TRUE(CheckDataDir(dir.Path(), quiet));
    EXPECT_EQ(quiet.str(), "");

    std::filesystem::remove(dir.File("cursor.tga"));
    dir.Write("BlueMountains/ammo.tga", Tga(2, 3, 2, 24, std::string(18, 'a')));
    dir.Write("BlueMountains/bigChickenRight4.tga", Tga(2, 2, 2, 16, std::string(8, 'a')));
    dir.Write("BlueMountains/smallChickenRight0.tga", "short");
    std::ostringstream out;
    EXPECT_FALSE(CheckDataDir(dir.Path(), out));
    const std::string bm = dir.Path() + "BlueMountains/";
    EXPECT_EQ(
        out.str(),
        dir.File("cursor.tga") + ": File not found  - " + dir.File("cursor.tga") +
            " [TGA Texture]\n" + bm + "ammo.tga: 3 x 2 is not a power of two on each side\n" + bm +
            "smallChickenRight0.tga: Read beyond end of file\n" + bm +
            "bigChickenRight4.tga: Couldn't load \"" + bm +
            "bigChickenRight4.tga\". Only 24 and 32 bit TGA files supported. [TGA File Error]\n");
}

TEST(DataDirCheck, ChecksEveryAreaFolderAndTheSharedPicturesOnce) {
    test::TempDir dir;
    WriteData(dir, "");
    WriteData(dir, "[chicken]\nbigChickenTextures=owl\n", "Autumn");
    QDir(QString::fromStdString(dir.Path())).mkpath("icons/16x16");
    EXPECT_EQ(AreaFolders(dir.Path()), (std::vector<std::string>{"Autumn", "BlueMountains"}));
    std::filesystem::remove(dir.File("cursor.tga"));
    std::filesystem::remove(dir.File("Autumn/owl3.tga"));
    std::ostringstream out;
    EXPECT_FALSE(CheckDataDir(dir.Path(), out));
    EXPECT_EQ(out.str(), dir.File("cursor.tga") + ": File not found  - " + dir.File("cursor.tga") +
                             " [TGA Texture]\n" + dir.File("Autumn/owl3.tga") +
                             ": File not found  - " + dir.File("Autumn/owl3.tga") +
                             " [TGA Texture]\n");
}

TEST(CheckTool, ChecksADataOrAreaFolderAndDecodesOnePictureToPam) {
    // The tool lands in the build directory, the tests one level below it.
    const char* build = std::getenv("KLUVIAN_BUILD_DIR");
    const std::string tool =
        (build ? std::filesystem::path(build)
               : std::filesystem::canonical("/proc/self/exe").parent_path().parent_path()) /
        "kluvian-check";
    ASSERT_TRUE(std::filesystem::exists(tool)) << tool;
    test::TempDir dir;
    const auto run = [&](const std::string& args) {
        const int status = std::system((tool + " " + args + " 2>" + dir.File("err")).c_str());
        return WEXITSTATUS(status);
    };
    const std::string rgba = dir.Write("a.tga", Tga(2, 1, 2, 32, "\1\2\3\4\5\6\7\10"));
    EXPECT_EQ(run("--decode " + rgba + " " + dir.File("a.pam")), 0);
    EXPECT_EQ(test::ContentsOf(dir.File("a.pam")),
              "P7\nWIDTH 1\nHEIGHT 2\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n"
              "\3\2\1\4\7\6\5\10");

    const std::string refused = dir.Write("b.tga", Tga(1, 1, 1, 24, "\1\2\3"));
    EXPECT_EQ(run("--decode " + refused + " " + dir.File("b.pam")), 1);
    EXPECT_EQ(test::ContentsOf(dir.File("err")),
              "Couldn't load \"" + refused +
                  "\". Only 24 and 32bit TGA supported. [TGA File Error]\n");
    EXPECT_EQ(run("--decode " + dir.Write("c.tga", "tiny") + " " + dir.File("c.pam")), 2);
    EXPECT_EQ(test::ContentsOf(dir.File("err")), "Read beyond end of file\n");
    EXPECT_FALSE(std::filesystem::exists(dir.File("b.pam")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("c.pam")));

    WriteData(dir, "");
    EXPECT_EQ(run(dir.Path()), 0);
    std::filesystem::remove(dir.File("font.tga"));
    EXPECT_EQ(run(dir.Path() + " >" + dir.File("out")), 1);
    // An area's own folder takes the shared pictures from the game's data folder.
    EXPECT_EQ(run(dir.File("BlueMountains") + " >" + dir.File("out")), 0);
    EXPECT_EQ(test::ContentsOf(dir.File("out")),
              "Areas checked: BlueMountains (every picture loads)\n");
}

} // namespace
} // namespace kluvian
