// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kluvian {

// Decoded pixels: width x height pixels of `channels` bytes (3: red, green, blue; 4: plus
// alpha), rows without gaps in the order the buffer is uploaded (the first row becomes the
// bottom row of the texture).
struct Picture {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<std::uint8_t> pixels;
};

// Where a reader's bytes come from; it decides which messages a refusal shows.
enum class PictureSource { File, Resource };

// What a reader makes of its input: the picture, or the message box to show instead.
struct DecodeResult {
    std::optional<Picture> picture;
    std::string caption; // set only when refused
    std::string message;

    bool Ok() const { return picture.has_value(); }

    static DecodeResult Refused(std::string caption, std::string message) {
        return DecodeResult{std::nullopt, std::move(caption), std::move(message)};
    }
    static DecodeResult Decoded(Picture picture) {
        return DecodeResult{std::move(picture), {}, {}};
    }
};

// Neither side of a picture may exceed this, whatever its header claims.
inline constexpr int kMaxPictureSide = 16384;

// The byte size of a width x height picture of bytesPerPixel bytes, or nothing when a side
// is zero, negative or larger than kMaxPictureSide. Never overflows.
inline std::optional<std::size_t> PixelBufferSize(std::int64_t width, std::int64_t height,
                                                  int bytesPerPixel) {
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide)
        return std::nullopt;
    return std::size_t(width) * std::size_t(height) * std::size_t(bytesPerPixel);
}

// The text between double quotes, as the readers' messages quote file names.
inline std::string Quoted(const std::string& text) {
    return '"' + text + '"';
}

} // namespace kluvian
