#include "textures/TextureLoader.h"

#include "textures/BmpDecoder.h"
#include "textures/JpegDecoder.h"
#include "textures/PictureKind.h"
#include "textures/TgaDecoder.h"
#include "textures/UploadTexture.h"

namespace kluvian {

void TextureLoader::LoadTexture(const std::string& fileName, GLuint& slot) {
    LoadTexture(fileName, slot, false);
}

void TextureLoader::LoadTexture(const std::string& fileName, GLuint& slot, bool fromResource) {
    switch (KindOfName(fileName)) {
    case PictureKind::Bmp:
        BmpToTexture(fileName, slot, fromResource);
        break;
    case PictureKind::Jpg:
        JpgToTexture(fileName, slot, fromResource);
        break;
    case PictureKind::Tga:
        TgaToTexture(fileName, slot, fromResource);
        break;
    case PictureKind::None:
        break;
    }
}

bool TextureLoader::BmpToTexture(const std::string& fileName, GLuint& slot, bool fromResource) {
    if (!fromResource)
        return uploadOrShow(DecodeBmp(fileName), slot);
    const auto bytes = resources_.Find(EmbeddedResources::NameOf(fileName), "BMP");
    if (!bytes)
        return uploadOrShow(
            DecodeResult::Refused("BMP Texture", "File not found in resource - " + fileName), slot);
    return uploadOrShow(DecodeBmp(*bytes, fileName, PictureSource::Resource), slot);
}

bool TextureLoader::JpgToTexture(const std::string& fileName, GLuint& slot, bool fromResource) {
    if (!fromResource)
        return uploadOrShow(DecodeJpeg(fileName), slot);
    const auto bytes = resources_.Find(EmbeddedResources::NameOf(fileName), "JPEG");
    if (!bytes)
        return uploadOrShow(
            DecodeResult::Refused("JPG Texture", "File not found in resource - " + fileName), slot);
    return uploadOrShow(DecodeJpeg(*bytes, fileName, PictureSource::Resource), slot);
}

bool TextureLoader::TgaToTexture(const std::string& fileName, GLuint& slot, bool fromResource) {
    if (!fromResource)
        return uploadOrShow(DecodeTga(fileName), slot);
    const auto bytes = resources_.Find(EmbeddedResources::NameOf(fileName), "TGA");
    if (!bytes)
        return uploadOrShow(
            DecodeResult::Refused("TGA Texture", "File not found in resource - " + fileName), slot);
    return uploadOrShow(DecodeTga(*bytes, fileName, PictureSource::Resource), slot);
}

bool TextureLoader::uploadOrShow(const DecodeResult& result, GLuint& slot) {
    if (!result.ok()) {
        dialogs_.ShowMessage(result.caption, result.message, DialogIcon::None);
        return false;
    }
    const Picture& picture = *result.picture;
    slot = UploadTexture(std::uint16_t(picture.width), std::uint16_t(picture.height),
                         picture.channels == 4 ? GL_RGBA : GL_RGB, picture.pixels.data());
    return true;
}

} // namespace kluvian
