// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBuilders.h"

#include "platform/IoError.h"
#include "support/GLTestContext.h"
#include "support/RecordingDialogs.h"
#include "support/TempDir.h"
#include "textures/TextureLoader.h"
#include "textures/UploadTexture.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <stdexcept>

namespace kluvian {
namespace {

using test::Bmp;
using test::Jpeg;
using test::Repeat;
using test::Tga;
using Bytes = std::vector<std::uint8_t>;

class TextureLoaderTest : public ::testing::Test {
protected:
    test::GLTestContext gl_{64, 64};
    test::TempDir dir_;
    RecordingDialogs dialogs_;
    TextureLoader loader_{dialogs_};

    // The texture's level 0 read back tightly packed.
    Bytes LevelZero(GLuint name, GLenum format, int width, int height) {
        glBindTexture(GL_TEXTURE_2D, name);
        Bytes pixels(std::size_t(width * height * (format == GL_RGBA ? 4 : 3)));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }
    GLint LevelWidth(GLuint name, int level) {
        GLint width = 0;
        glBindTexture(GL_TEXTURE_2D, name);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
        return width;
    }
    std::string LastMessage() const {
        return dialogs_.shown.empty()
                   ? ""
                   : dialogs_.shown.back().caption + "|" + dialogs_.shown.back().text;
    }
};

TEST_F(TextureLoaderTest, UploadSetsUpTheTextureTheGameDrawsWith) {
    // Three RGB pixels a row: 9 bytes, not a multiple of the default alignment.
    const Bytes rgb{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    const GLuint flat = UploadTexture(3, 2, GL_RGB, rgb.data());
    ASSERT_NE(flat, 0u);
    GLint bound = 0, env = 0, mag = 0, min = 0, alignment = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(GLuint(bound), flat);
    EXPECT_EQ(env, GL_MODULATE);
    EXPECT_EQ(mag, GL_LINEAR);
    EXPECT_EQ(min, GL_LINEAR);
    EXPECT_EQ(alignment, 4) << "the unpack alignment is put back";
    EXPECT_EQ(LevelZero(flat, GL_RGB, 3, 2), rgb);
    EXPECT_EQ(LevelWidth(flat, 1), 0) << "RGB gets a single level";

    const Bytes rgba(4 * 4 * 4, 77);
    const GLuint mipmapped = UploadTexture(4, 4, GL_RGBA, rgba.data());
    EXPECT_EQ(LevelZero(mipmapped, GL_RGBA, 4, 4), rgba);
    EXPECT_EQ(LevelWidth(mipmapped, 2), 1) << "RGBA gets the full mipmap chain";
}

TEST_F(TextureLoaderTest, TheFirstBufferRowIsDrawnAtTheBottom) {
    GLuint slot = 0;
    // Stored bottom row red, top row green, as the file keeps them.
    loader_.LoadTexture(
        dir_.Write("rows.tga", Tga(2, 1, 2, 24, std::string("\0\0\xFF\0\xFF\0", 6))), slot);
    ASSERT_NE(slot, 0u);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0), glVertex2f(-1, -1);
    glTexCoord2f(1, 0), glVertex2f(1, -1);
    glTexCoord2f(1, 1), glVertex2f(1, 1);
    glTexCoord2f(0, 1), glVertex2f(-1, 1);
    glEnd();
    glDisable(GL_TEXTURE_2D);
    // Near the texel centres; linear filtering mixes in a few per cent of the other row.
    const auto bottom = gl_.Pixel(32, 48);
    const auto top = gl_.Pixel(32, 15);
    EXPECT_TRUE(bottom[0] > 240 && bottom[1] < 16) << int(bottom[0]) << "," << int(bottom[1]);
    EXPECT_TRUE(top[0] < 16 && top[1] > 240) << int(top[0]) << "," << int(top[1]);
}

TEST_F(TextureLoaderTest, TheLastFourCharactersChooseTheReader) {
    GLuint slot = 0;
    for (const std::string name : {"DATA/FONT.tga", "data/font.TGA", "data/font.Tga"}) {
        loader_.LoadTexture(name, slot);
        EXPECT_EQ(LastMessage(), "TGA Texture|File not found  - " + name);
    }
    loader_.LoadTexture("x.Jpg", slot);
    EXPECT_EQ(LastMessage(), "BMP Unit|Couldn't load JPG - \"x.Jpg\"");
    loader_.LoadTexture("pics/x.bMp", slot);
    EXPECT_EQ(LastMessage(), "BMP Unit|Error opening pics/x.bMp");
    const auto shownSoFar = dialogs_.shown.size();
    for (const std::string name : {"x.jpeg", "x.png", "tga", ".tg", "", "noextension"})
        loader_.LoadTexture(name, slot);
    EXPECT_EQ(dialogs_.shown.size(), shownSoFar) << "names no reader takes show nothing";
    EXPECT_EQ(slot, 0u);
    for (const auto& shown : dialogs_.shown)
        EXPECT_EQ(shown.icon, DialogIcon::None);
}

TEST_F(TextureLoaderTest, EachReaderFillsTheSlotWithANewTexture) {
    GLuint slot = 0;
    loader_.LoadTexture(dir_.Write("a.tga", Tga(10, 2, 2, 32, "\x83\1\2\3\4")), slot);
    const GLuint first = slot;
    ASSERT_NE(first, 0u);
    EXPECT_EQ(LevelZero(first, GL_RGBA, 2, 2),
              (Bytes{3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4}));
    loader_.LoadTexture(dir_.Write("b.bmp", Bmp(1, 1, "\1\2\3")), slot);
    EXPECT_NE(slot, first);
    EXPECT_TRUE(glIsTexture(first)) << "the loader never deletes a texture";
    EXPECT_EQ(LevelZero(slot, GL_RGB, 1, 1), (Bytes{3, 2, 1}));
    EXPECT_TRUE(loader_.JpgToTexture(dir_.Write("c.jpg", Jpeg(8, 8, Repeat("\x40\x40\x40", 64))),
                                     slot, false));
    EXPECT_EQ(LevelWidth(slot, 3), 1) << "JPEG pictures are RGBA with mipmaps";
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(TextureLoaderTest, AFailedLoadKeepsTheOldTextureName) {
    GLuint slot = 0;
    loader_.LoadTexture(dir_.Write("ok.tga", Tga(2, 1, 1, 24, "\1\2\3")), slot);
    const GLuint old = slot;
    ASSERT_NE(old, 0u);

    loader_.LoadTexture(dir_.File("missing.bmp"), slot);
    EXPECT_EQ(LastMessage(), "BMP Unit|Error opening " + dir_.File("missing.bmp"));
    EXPECT_FALSE(loader_.TgaToTexture(dir_.Write("bad.tga", Tga(3, 1, 1, 8, "\1")), slot, false));
    EXPECT_EQ(slot, old);

    EXPECT_THROW(loader_.LoadTexture(dir_.Write("ten.tga", std::string(10, '\0')), slot), IoError);
    EXPECT_THROW(loader_.LoadTexture(dir_.Write("bad.jpg", test::DamagedJpeg()), slot),
                 std::runtime_error);
    EXPECT_EQ(slot, old);
}

TEST_F(TextureLoaderTest, TheResourceStoreHoldsNothing) {
    GLuint slot = 5;
    loader_.LoadTexture(dir_.Write("real.tga", Tga(2, 1, 1, 24, "\1\2\3")), slot, true);
    EXPECT_EQ(LastMessage(), "TGA Texture|File not found in resource - " + dir_.File("real.tga"));
    loader_.LoadTexture("x.bmp", slot, true);
    EXPECT_EQ(LastMessage(), "BMP Texture|File not found in resource - x.bmp");
    loader_.LoadTexture("x.jpg", slot, true);
    EXPECT_EQ(LastMessage(), "JPG Texture|File not found in resource - x.jpg");
    EXPECT_FALSE(loader_.TgaToTexture("noextension", slot, true));
    EXPECT_EQ(LastMessage(), "TGA Texture|File not found in resource - noextension");
    EXPECT_EQ(slot, 5u);
    EXPECT_EQ(EmbeddedResources::NameOf("data/a.b.tga"), "data/a");
    EXPECT_EQ(EmbeddedResources::NameOf("noextension"), "");
}

} // namespace
} // namespace kluvian
