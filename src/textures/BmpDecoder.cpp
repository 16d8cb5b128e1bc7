// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/BmpDecoder.h"
#include "textures/RefusalText.h"

#include "platform/FileBytes.h"
#include "textures/PixelSwap.h"

#include <array>
#include <cstring>

namespace kluvian {
namespace {

constexpr std::size_t kHeadersSize = 14 + 40;
constexpr std::size_t kPaletteEntrySize = 4;

std::int32_t Int32At(const std::uint8_t* p) {
    return std::int32_t(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
                        std::uint32_t(p[3]) << 24);
}

std::uint32_t Uint32At(const std::uint8_t* p) {
    return std::uint32_t(Int32At(p));
}

std::uint16_t Uint16At(const std::uint8_t* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}

// fileMessage: marked for translation, or empty.
DecodeResult Refused(PictureSource source, const std::string& name, const char* fileMessage) {
    const std::string caption = RefusalText(QT_TRANSLATE_NOOP("Textures", "BMP Unit"));
    if (source == PictureSource::Resource)
        return DecodeResult::Refused(
            caption,
            RefusalText(QT_TRANSLATE_NOOP("Textures", "Unable to read from resource - %1"), name));
    return DecodeResult::Refused(caption, *fileMessage != '\0' ? RefusalText(fileMessage) : "");
}

} // namespace

DecodeResult DecodeBmp(std::span<const std::uint8_t> bytes, const std::string& name,
                       PictureSource source) {
    // A file's header reads are not checked for short counts: what is missing reads as
    // zero, and a zero width is refused below.
    if (source == PictureSource::Resource && bytes.size() < kHeadersSize)
        return Refused(source, name, "");
    std::array<std::uint8_t, kHeadersSize> headers{};
    if (!bytes.empty())
        std::memcpy(headers.data(), bytes.data(), std::min(bytes.size(), kHeadersSize));
    const std::uint8_t* info = headers.data() + 14;
    const std::int64_t width = Int32At(info + 4);
    const std::int64_t height = Int32At(info + 8);
    const int bitCount = Uint16At(info + 14);
    const std::uint32_t sizeImage = Uint32At(info + 20);
    const std::uint32_t clrUsed = Uint32At(info + 32);

    std::size_t position = std::min(bytes.size(), kHeadersSize);
    const std::uint64_t paletteSize = std::uint64_t(clrUsed) * kPaletteEntrySize;
    if (paletteSize > bytes.size() - position)
        return Refused(source, name, QT_TRANSLATE_NOOP("Textures", "Error reading palette"));
    position += std::size_t(paletteSize);

    // The pixels are always taken as 3-byte triples, so at least that many must be there.
    const auto needed = PixelBufferSize(width, height, 3);
    if (!needed)
        return Refused(source, name, QT_TRANSLATE_NOOP("Textures", "Error reading bitmap data"));
    const std::int64_t n = sizeImage != 0 ? std::int64_t(sizeImage) : width * height * bitCount / 8;
    if (n < std::int64_t(*needed) || std::uint64_t(n) > bytes.size() - position)
        return Refused(source, name, QT_TRANSLATE_NOOP("Textures", "Error reading bitmap data"));

    Picture picture{int(width), int(height), 3, {}};
    picture.pixels.assign(bytes.begin() + std::ptrdiff_t(position),
                          bytes.begin() + std::ptrdiff_t(position + *needed));
    SwapRedBlue(picture.pixels.data(), *needed / 3);
    return DecodeResult::Decoded(std::move(picture));
}

DecodeResult DecodeBmp(const std::string& fileName) {
    const auto bytes = ReadFileBytes(fileName);
    if (!bytes)
        return DecodeResult::Refused(
            RefusalText(QT_TRANSLATE_NOOP("Textures", "BMP Unit")),
            RefusalText(QT_TRANSLATE_NOOP("Textures", "Error opening %1"), fileName));
    return DecodeBmp(*bytes, fileName, PictureSource::File);
}

} // namespace kluvian
