// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBuilders.h"

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace kluvian::test {
namespace {

void Put16(std::string& s, unsigned v) {
    s += char(v & 0xFF);
    s += char(v >> 8 & 0xFF);
}

void Put32(std::string& s, std::uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

} // namespace

std::string Tga(int imageType, int width, int height, int depth, const std::string& data,
                int descriptor, int idLength, int colourMapType) {
    std::string s;
    s += char(idLength);
    s += char(colourMapType);
    s += char(imageType);
    s += std::string(5, '\0');
    Put16(s, 0);
    Put16(s, 0);
    Put16(s, unsigned(width));
    Put16(s, unsigned(height));
    s += char(depth);
    s += char(descriptor);
    s += std::string(std::size_t(idLength), 'I');
    return s + data;
}

std::string Bmp(std::int32_t width, std::int32_t height, const std::string& pixels,
                std::uint32_t sizeImage, std::uint32_t clrUsed, int bitCount) {
    const std::uint32_t offset = 54 + clrUsed * 4;
    std::string s = "BM";
    Put32(s, offset + std::uint32_t(pixels.size()));
    Put32(s, 0);
    Put32(s, offset);
    Put32(s, 40);
    Put32(s, std::uint32_t(width));
    Put32(s, std::uint32_t(height));
    Put16(s, 1);
    Put16(s, unsigned(bitCount));
    Put32(s, 0);
    Put32(s, sizeImage);
    Put32(s, 2835);
    Put32(s, 2835);
    Put32(s, clrUsed);
    Put32(s, 0);
    s += std::string(std::size_t(clrUsed) * 4, 'P');
    return s + pixels;
}

std::string Jpeg(int width, int height, const std::string& pixels, bool grey, int quality) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = std::size_t(width) * std::size_t(info.input_components);
    std::vector<unsigned char> row(stride);
    while (info.next_scanline < info.image_height) {
        const std::string part = pixels.substr(info.next_scanline * stride, stride);
        std::copy(part.begin(), part.end(), row.begin());
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

std::string DamagedJpeg() {
    std::string jpeg = Jpeg(32, 32, Repeat("\x10\x80\xF0", 32 * 32), false, 50);
    const auto sof = jpeg.find("\xFF\xC0");
    const std::size_t sofLength =
        std::size_t(std::uint8_t(jpeg[sof + 2])) << 8 | std::uint8_t(jpeg[sof + 3]);
    const std::string frameHeader = jpeg.substr(sof, 2 + sofLength);
    const auto sos = jpeg.find("\xFF\xDA");
    const std::size_t sosLength =
        std::size_t(std::uint8_t(jpeg[sos + 2])) << 8 | std::uint8_t(jpeg[sos + 3]);
    jpeg.insert(sos + 2 + sosLength + 4, frameHeader);
    return jpeg;
}

} // namespace kluvian::test
