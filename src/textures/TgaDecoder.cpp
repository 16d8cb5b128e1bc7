// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/TgaDecoder.h"
#include "textures/RefusalText.h"

#include "platform/FileBytes.h"
#include "platform/IoError.h"
#include "textures/PixelSwap.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kluvian {
namespace {

constexpr std::size_t kHeaderSize = 18;

// message: the refusal, with %1 for the quoted name.
DecodeResult RefusedLoad(const std::string& name, const char* message) {
    return DecodeResult::Refused(RefusalText(QT_TRANSLATE_NOOP("Textures", "TGA File Error")),
                                 RefusalText(message, Quoted(name)));
}

DecodeResult RefusedRead(const std::string& name, PictureSource source) {
    if (source == PictureSource::Resource)
        return DecodeResult::Refused(
            RefusalText(QT_TRANSLATE_NOOP("Textures", "BMP Unit")),
            RefusalText(QT_TRANSLATE_NOOP("Textures", "Unable to read from resource - %1"), name));
    return DecodeResult::Refused(
        RefusalText(QT_TRANSLATE_NOOP("Textures", "TGA File Error")),
        RefusalText(QT_TRANSLATE_NOOP("Textures", "Couldn't read file %1."), Quoted(name)));
}

// Raw copy of `count` pixels with the blue and red bytes exchanged; B is known at compile
// time so the per-pixel copy unrolls.
template <int B> void CopySwapped(const std::uint8_t* src, std::uint8_t* dst, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i, src += B, dst += B)
        CopySwappedPixel(src, dst, B);
}

template <int B> void FillPixel(const std::uint8_t* src, std::uint8_t* dst, std::size_t count) {
    std::uint8_t pixel[B];
    CopySwappedPixel(src, pixel, B);
    for (std::size_t i = 0; i < count; ++i, dst += B)
        std::memcpy(dst, pixel, B);
}

// Decodes packets until `total` pixels are written. A packet never reads past `end`, and
// one that would run past the last pixel is cut there. False when the data ends first.
template <int B>
bool DecodeRle(const std::uint8_t* in, const std::uint8_t* end, std::uint8_t* out,
               std::size_t total) {
    std::size_t written = 0;
    while (written < total) {
        if (in == end)
            return false;
        const std::uint8_t h = *in++;
        const std::size_t count = std::min<std::size_t>((h & 0x7F) + 1u, total - written);
        const std::size_t available = std::size_t(end - in) / B;
        if (h < 128) {
            if (available < count)
                return false;
            CopySwapped<B>(in, out, count);
            in += count * B;
        } else {
            if (available < 1)
                return false;
            FillPixel<B>(in, out, count);
            in += B;
        }
        out += count * B;
        written += count;
    }
    return true;
}

} // namespace

DecodeResult DecodeTga(std::span<const std::uint8_t> bytes, const std::string& name,
                       PictureSource source) {
    if (bytes.size() < kHeaderSize) {
        if (source == PictureSource::File)
            throw IoError(IoError::ReadBeyondEnd);
        return RefusedRead(name, source);
    }
    const std::uint8_t* header = bytes.data();
    const int imageType = header[2];
    if (imageType != 2 && imageType != 10)
        return RefusedLoad(
            name,
            QT_TRANSLATE_NOOP("Textures", "Couldn't load %1. Only 24 and 32bit TGA supported."));
    if (header[1] != 0)
        return RefusedLoad(
            name, QT_TRANSLATE_NOOP("Textures",
                                    "Couldn't load %1. Colormapped TGA files not supported."));
    const int depth = header[16];
    if (depth != 24 && depth != 32)
        return RefusedLoad(
            name, QT_TRANSLATE_NOOP("Textures",
                                    "Couldn't load %1. Only 24 and 32 bit TGA files supported."));

    const int width = header[12] + 256 * header[13];
    const int height = header[14] + 256 * header[15];
    const int b = depth / 8;
    const auto size = PixelBufferSize(width, height, b);
    // The image ID field sits between the header and the pixels; ordinary writers fill it.
    const std::size_t dataStart = kHeaderSize + header[0];
    if (!size || bytes.size() < dataStart)
        return RefusedRead(name, source);
    const std::uint8_t* data = bytes.data() + dataStart;
    const std::uint8_t* end = bytes.data() + bytes.size();

    Picture picture{width, height, b, {}};
    if (imageType == 2) {
        if (std::size_t(end - data) < *size)
            return RefusedRead(name, source);
        // Copied as read, then converted in place: no zero-filling of the buffer first.
        picture.pixels.assign(data, data + *size);
        const std::size_t count = *size / std::size_t(b);
        if (b == 3)
            SwapRedBlue(picture.pixels.data(), count);
        else
            SwapRedBlue32(picture.pixels.data(), count);
    } else {
        // A run packet of 1 + b bytes makes at most 128 pixels: data too short to fill the
        // picture is refused before a buffer of the header's size is allocated.
        const std::size_t total = *size / std::size_t(b);
        if (std::size_t(end - data) < (total + 127) / 128 * std::size_t(1 + b))
            return RefusedRead(name, source);
        picture.pixels.resize(*size);
        const bool complete = b == 3 ? DecodeRle<3>(data, end, picture.pixels.data(), total)
                                     : DecodeRle<4>(data, end, picture.pixels.data(), total);
        if (!complete)
            return RefusedRead(name, source);
    }
    return DecodeResult::Decoded(std::move(picture));
}

DecodeResult DecodeTga(const std::string& fileName) {
    if (!FileExists(fileName))
        return TgaFileNotFound(fileName);
    const auto bytes = ReadFileBytes(fileName);
    if (!bytes)
        throw IoError(errno == EACCES || errno == EPERM ? int(IoError::AccessDenied)
                                                        : int(IoError::FileNotFound));
    return DecodeTga(*bytes, fileName, PictureSource::File);
}

DecodeResult TgaFileNotFound(const std::string& fileName) {
    return DecodeResult::Refused(
        RefusalText(QT_TRANSLATE_NOOP("Textures", "TGA Texture")),
        RefusalText(QT_TRANSLATE_NOOP("Textures", "File not found  - %1"), fileName));
}

} // namespace kluvian
