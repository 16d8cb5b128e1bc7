// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/TextureLoader.h"
#include "textures/RefusalText.h"

#include "textures/BmpDecoder.h"
#include "textures/JpegDecoder.h"
#include "textures/PictureKind.h"
#include "textures/TgaDecoder.h"
#include "textures/UploadTexture.h"

namespace kluvian {
namespace {

// The picture from the file, or from the embedded resource named after it; each reader
// differs only in its resource type and the caption of its not-found message.
template <typename Decode>
DecodeResult Read(const EmbeddedResources& resources, const std::string& fileName,
                  bool fromResource, const char* resourceType, const char* notFoundCaption,
                  const Decode& decode) {
    if (!fromResource)
        return decode(fileName);
    const auto bytes = resources.Find(EmbeddedResources::NameOf(fileName), resourceType);
    if (!bytes)
        return DecodeResult::Refused(
            RefusalText(notFoundCaption),
            RefusalText(QT_TRANSLATE_NOOP("Textures", "File not found in resource - %1"),
                        fileName));
    return decode(*bytes, fileName, PictureSource::Resource);
}

} // namespace

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
    const auto decode = [](const auto&... args) { return DecodeBmp(args...); };
    return UploadOrShow(Read(resources_, fileName, fromResource, "BMP",
                             QT_TRANSLATE_NOOP("Textures", "BMP Texture"), decode),
                        slot);
}

bool TextureLoader::JpgToTexture(const std::string& fileName, GLuint& slot, bool fromResource) {
    const auto decode = [](const auto&... args) { return DecodeJpeg(args...); };
    return UploadOrShow(Read(resources_, fileName, fromResource, "JPEG",
                             QT_TRANSLATE_NOOP("Textures", "JPG Texture"), decode),
                        slot);
}

bool TextureLoader::TgaToTexture(const std::string& fileName, GLuint& slot, bool fromResource) {
    const auto decode = [](const auto&... args) { return DecodeTga(args...); };
    return UploadOrShow(Read(resources_, fileName, fromResource, "TGA",
                             QT_TRANSLATE_NOOP("Textures", "TGA Texture"), decode),
                        slot);
}

void TextureLoader::ShowFileNotFound(const std::string& fileName) {
    const DecodeResult result = TgaFileNotFound(fileName);
    dialogs_.ShowMessage(result.caption, result.message, DialogIcon::None);
}

bool TextureLoader::UploadOrShow(const DecodeResult& result, GLuint& slot) {
    if (!result.Ok()) {
        dialogs_.ShowMessage(result.caption, result.message, DialogIcon::None);
        return false;
    }
    const Picture& picture = *result.picture;
    slot = UploadTexture(std::uint16_t(picture.width), std::uint16_t(picture.height),
                         picture.channels == 4 ? GL_RGBA : GL_RGB, picture.pixels.data());
    parts_.Set(slot, picture);
    return true;
}

} // namespace kluvian
