// SPDX-License-Identifier: GPL-3.0-or-later
#include "textures/JpegDecoder.h"
#include "textures/RefusalText.h"

#include "platform/FileBytes.h"

#include <csetjmp>
#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>

namespace kluvian {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return. It jumps back
// into the reading functions below; they hold no C++ objects, so nothing is skipped.
struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void JumpOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->manager.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings (such as data that ends early, which decodes as grey) are not the user's concern.
extern "C" void IgnoreMessage(j_common_ptr) {}

bool ReadHeader(jpeg_decompress_struct* info, JpegErrors* errors, const std::uint8_t* data,
                std::size_t size) {
    if (setjmp(errors->jump))
        return false;
    jpeg_mem_src(info, data, static_cast<unsigned long>(size));
    return jpeg_read_header(info, TRUE) == JPEG_HEADER_OK;
}

// Decodes every row into rgba (output_width x output_height x 4 bytes), the picture's
// bottom row first, alpha 255; row (output_width x 3 bytes) holds one decoded row.
bool ReadRows(jpeg_decompress_struct* info, JpegErrors* errors, std::uint8_t* row,
              std::uint8_t* rgba) {
    if (setjmp(errors->jump))
        return false;
    info->out_color_space = JCS_RGB;
    info->scale_num = 1;
    info->scale_denom = 1;
    jpeg_start_decompress(info);
    const std::size_t width = info->output_width;
    const std::size_t height = info->output_height;
    while (info->output_scanline < height) {
        const std::size_t y = info->output_scanline;
        JSAMPROW rows[1] = {row};
        jpeg_read_scanlines(info, rows, 1);
        std::uint8_t* dst = rgba + (height - 1 - y) * width * 4;
        for (std::size_t x = 0; x < width; ++x, dst += 4) {
            dst[0] = row[x * 3];
            dst[1] = row[x * 3 + 1];
            dst[2] = row[x * 3 + 2];
            dst[3] = 255;
        }
    }
    jpeg_finish_decompress(info);
    return true;
}

class Decompressor {
public:
    Decompressor() {
        info.err = jpeg_std_error(&errors.manager);
        errors.manager.error_exit = JumpOnError;
        errors.manager.output_message = IgnoreMessage;
        errors.message[0] = '\0';
        jpeg_create_decompress(&info);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    jpeg_decompress_struct info{};
    JpegErrors errors{};
};

} // namespace

DecodeResult DecodeJpeg(std::span<const std::uint8_t> bytes, const std::string& name,
                        PictureSource source) {
    const auto refused = [&] {
        if (source == PictureSource::Resource)
            return DecodeResult::Refused(
                RefusalText(QT_TRANSLATE_NOOP("Textures", "BMP Unit")),
                RefusalText(QT_TRANSLATE_NOOP("Textures", "Couldn't load JPG Resource - %1"),
                            Quoted(name)));
        return DecodeResult::Refused(
            RefusalText(QT_TRANSLATE_NOOP("Textures", "BMP Unit")),
            RefusalText(QT_TRANSLATE_NOOP("Textures", "Couldn't load JPG - %1"), Quoted(name)));
    };
    Decompressor jpeg;
    if (bytes.empty() || !ReadHeader(&jpeg.info, &jpeg.errors, bytes.data(), bytes.size()))
        return refused();
    const auto size = PixelBufferSize(jpeg.info.image_width, jpeg.info.image_height, 3);
    if (!size)
        return refused();

    const int width = int(jpeg.info.image_width);
    const int height = int(jpeg.info.image_height);
    std::vector<std::uint8_t> row(std::size_t(width) * 3);
    Picture picture{width, height, 4, std::vector<std::uint8_t>(*size / 3 * 4)};
    if (!ReadRows(&jpeg.info, &jpeg.errors, row.data(), picture.pixels.data()))
        throw std::runtime_error(jpeg.errors.message);
    return DecodeResult::Decoded(std::move(picture));
}

DecodeResult DecodeJpeg(const std::string& fileName) {
    const auto bytes = ReadFileBytes(fileName);
    if (!bytes)
        return DecodeResult::Refused(
            RefusalText(QT_TRANSLATE_NOOP("Textures", "BMP Unit")),
            RefusalText(QT_TRANSLATE_NOOP("Textures", "Couldn't load JPG - %1"), Quoted(fileName)));
    return DecodeJpeg(*bytes, fileName, PictureSource::File);
}

} // namespace kluvian
