// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBuilders.h"

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

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A complete data directory of 2 x 2 pictures for the area; flight frames named after the
// stems of `settings`.
void writeData(const test::TempDir& dir, const std::string& settings,
               const std::string& area = "BlueMountains") {
    QDir(QString::fromStdString(dir.path())).mkpath(QString::fromStdString(area));
    dir.write(area + "/settings.ini", settings);
    for (const auto& file : GamePictureFiles(dir.path(), area))
        std::ofstream(file, std::ios::binary) << Tga(10, 2, 2, 32, "\x83\1\2\3\4");
}

TEST(DataDirCheck, ListsTheFilesAnAreaLoadReads) {
    test::TempDir dir;
    QDir(QString::fromStdString(dir.path())).mkpath("BlueMountains");
    dir.write("BlueMountains/settings.ini", "[Chicken]\nSmallChickenTextures=tiny\n");
    const auto files = GamePictureFiles(dir.path().substr(0, dir.path().size() - 1));
    ASSERT_EQ(files.size(), 2u + 3 + 7 + 1 + 3 + 18);
    EXPECT_EQ(files[0], dir.path() + "font.tga");
    EXPECT_EQ(files[2], dir.path() + "BlueMountains/backgroundLayer0.tga");
    EXPECT_EQ(files[12], dir.path() + "BlueMountains/ammo.tga");
    EXPECT_EQ(files[16], dir.path() + "BlueMountains/tiny0.tga");
    EXPECT_EQ(files[17], dir.path() + "BlueMountains/mediumChickenRight0.tga");
    EXPECT_EQ(files.back(), dir.path() + "BlueMountains/bigChickenRight5.tga");
}

TEST(DataDirCheck, ReportsEachRefusedPictureWithTheGamesMessage) {
    test::TempDir dir;
    writeData(dir, "");
    std::ostringstream quiet;
    EXPECT_TRUE(CheckDataDir(dir.path(), quiet));
    EXPECT_EQ(quiet.str(), "");

    std::filesystem::remove(dir.file("cursor.tga"));
    dir.write("BlueMountains/ammo.tga", Tga(2, 3, 2, 24, std::string(18, 'a')));
    dir.write("BlueMountains/bigChickenRight4.tga", Tga(2, 2, 2, 16, std::string(8, 'a')));
    dir.write("BlueMountains/smallChickenRight0.tga", "short");
    std::ostringstream out;
    EXPECT_FALSE(CheckDataDir(dir.path(), out));
    const std::string bm = dir.path() + "BlueMountains/";
    EXPECT_EQ(
        out.str(),
        dir.file("cursor.tga") + ": File not found  - " + dir.file("cursor.tga") +
            " [TGA Texture]\n" + bm + "ammo.tga: 3 x 2 is not a power of two on each side\n" + bm +
            "smallChickenRight0.tga: Read beyond end of file\n" + bm +
            "bigChickenRight4.tga: Couldn't load \"" + bm +
            "bigChickenRight4.tga\". Only 24 and 32 bit TGA files supported. [TGA File Error]\n");
}

TEST(DataDirCheck, ChecksEveryAreaFolderAndTheSharedPicturesOnce) {
    test::TempDir dir;
    writeData(dir, "");
    writeData(dir, "[chicken]\nbigChickenTextures=owl\n", "Autumn");
    QDir(QString::fromStdString(dir.path())).mkpath("icons/16x16");
    EXPECT_EQ(AreaFolders(dir.path()), (std::vector<std::string>{"Autumn", "BlueMountains"}));
    std::filesystem::remove(dir.file("cursor.tga"));
    std::filesystem::remove(dir.file("Autumn/owl3.tga"));
    std::ostringstream out;
    EXPECT_FALSE(CheckDataDir(dir.path(), out));
    EXPECT_EQ(out.str(), dir.file("cursor.tga") + ": File not found  - " + dir.file("cursor.tga") +
                             " [TGA Texture]\n" + dir.file("Autumn/owl3.tga") +
                             ": File not found  - " + dir.file("Autumn/owl3.tga") +
                             " [TGA Texture]\n");
}

TEST(CheckTool, DecodesOnePictureToPamOrExplainsWhyNot) {
    // The tool lands in the build directory, the tests one level below it.
    const char* build = std::getenv("KLUVIAN_BUILD_DIR");
    const std::string tool =
        (build ? std::filesystem::path(build)
               : std::filesystem::canonical("/proc/self/exe").parent_path().parent_path()) /
        "kluvian-check";
    ASSERT_TRUE(std::filesystem::exists(tool)) << tool;
    test::TempDir dir;
    const auto run = [&](const std::string& args) {
        const int status = std::system((tool + " " + args + " 2>" + dir.file("err")).c_str());
        return WEXITSTATUS(status);
    };
    const std::string rgba = dir.write("a.tga", Tga(2, 1, 2, 32, "\1\2\3\4\5\6\7\10"));
    EXPECT_EQ(run("--decode " + rgba + " " + dir.file("a.pam")), 0);
    EXPECT_EQ(readAll(dir.file("a.pam")),
              "P7\nWIDTH 1\nHEIGHT 2\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n"
              "\3\2\1\4\7\6\5\10");

    const std::string refused = dir.write("b.tga", Tga(1, 1, 1, 24, "\1\2\3"));
    EXPECT_EQ(run("--decode " + refused + " " + dir.file("b.pam")), 1);
    EXPECT_EQ(readAll(dir.file("err")),
              "Couldn't load \"" + refused +
                  "\". Only 24 and 32bit TGA supported. [TGA File Error]\n");
    EXPECT_EQ(run("--decode " + dir.write("c.tga", "tiny") + " " + dir.file("c.pam")), 2);
    EXPECT_EQ(readAll(dir.file("err")), "Read beyond end of file\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("b.pam")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("c.pam")));

    writeData(dir, "");
    EXPECT_EQ(run(dir.path()), 0);
    std::filesystem::remove(dir.file("font.tga"));
    EXPECT_EQ(run(dir.path() + " >" + dir.file("out")), 1);
}

} // namespace
} // namespace kluvian
