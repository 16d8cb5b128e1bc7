// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Tga.h"

#include <algorithm>
#include <array>

namespace kluvian::areagen {

namespace {

constexpr int kHeaderSize = 18;

// One stored row of pixels, as b, g, r (, a).
std::vector<std::uint8_t> StoredRow(const QImage& image, int row, bool mirrored, int bytes) {
    std::vector<std::uint8_t> out(std::size_t(image.width()) * bytes);
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
    for (int x = 0; x < image.width(); ++x) {
        const QRgb p = line[mirrored ? image.width() - 1 - x : x];
        std::uint8_t* o = &out[std::size_t(x) * bytes];
        o[0] = std::uint8_t(qBlue(p));
        o[1] = std::uint8_t(qGreen(p));
        o[2] = std::uint8_t(qRed(p));
        if (bytes == 4)
            o[3] = std::uint8_t(qAlpha(p));
    }
    return out;
}

// Packs pixels into run and raw packets of at most 128 pixels each.
void AppendRle(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& pixels, int bytes) {
    const std::size_t count = pixels.size() / bytes;
    auto same = [&](std::size_t a, std::size_t b) {
        return std::equal(&pixels[a * bytes], &pixels[a * bytes] + bytes, &pixels[b * bytes]);
    };
    std::size_t i = 0;
    while (i < count) {
        std::size_t run = 1;
        while (i + run < count && run < 128 && same(i, i + run))
            ++run;
        if (run >= 2) {
            out.push_back(std::uint8_t(0x80 + run - 1));
            out.insert(out.end(), &pixels[i * bytes], &pixels[i * bytes] + bytes);
            i += run;
            continue;
        }
        std::size_t raw = 1;
        while (i + raw < count && raw < 128 && !(i + raw + 1 < count && same(i + raw, i + raw + 1)))
            ++raw;
        out.push_back(std::uint8_t(raw - 1));
        out.insert(out.end(), &pixels[i * bytes], &pixels[(i + raw) * bytes]);
        i += raw;
    }
}

} // namespace

std::vector<std::uint8_t> EncodeTga(const QImage& picture, TgaLayout layout) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int bytes = layout.kind == TgaKind::Rgb24 ? 3 : 4;
    const bool rle = layout.kind == TgaKind::Rgba32Rle;

    std::vector<std::uint8_t> out(kHeaderSize, 0);
    out[2] = rle ? 10 : 2;
    out[12] = std::uint8_t(image.width() & 0xFF);
    out[13] = std::uint8_t(image.width() >> 8);
    out[14] = std::uint8_t(image.height() & 0xFF);
    out[15] = std::uint8_t(image.height() >> 8);
    out[16] = std::uint8_t(bytes * 8);
    out[17] = std::uint8_t((bytes == 4 ? 8 : 0) | (layout.topDown ? 0x20 : 0));

    // Packets may cross rows, so the whole picture is one stream.
    std::vector<std::uint8_t> pixels;
    pixels.reserve(std::size_t(image.width()) * image.height() * bytes);
    for (int i = 0; i < image.height(); ++i) {
        const int row = layout.topDown ? i : image.height() - 1 - i;
        const auto stored = StoredRow(image, row, layout.mirrored, bytes);
        pixels.insert(pixels.end(), stored.begin(), stored.end());
    }
    if (rle)
        AppendRle(out, pixels, bytes);
    else
        out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

QImage DecodeTgaRows(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderSize || bytes[1] != 0 || (bytes[2] != 2 && bytes[2] != 10))
        return {};
    const int width = bytes[12] | bytes[13] << 8;
    const int height = bytes[14] | bytes[15] << 8;
    const int depth = bytes[16];
    if ((depth != 24 && depth != 32) || width == 0 || height == 0)
        return {};
    const int b = depth / 8;
    QImage image(width, height, QImage::Format_ARGB32);
    const std::size_t total = std::size_t(width) * height;
    std::size_t in = kHeaderSize + bytes[0];
    std::size_t written = 0;
    auto put = [&](std::size_t at) {
        const std::uint8_t* p = &bytes[at];
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(int(written / width)));
        line[written % width] = qRgba(p[2], p[1], p[0], b == 4 ? p[3] : 255);
        ++written;
    };
    while (written < total) {
        if (bytes[2] == 2) {
            if (in + b > bytes.size())
                return {};
            put(in);
            in += b;
            continue;
        }
        if (in >= bytes.size())
            return {};
        const int h = bytes[in++];
        const std::size_t n = std::size_t(h & 0x7F) + 1;
        if (h >= 128) {
            if (in + b > bytes.size() || written + n > total)
                return {};
            for (std::size_t k = 0; k < n; ++k)
                put(in);
            in += b;
        } else {
            if (in + n * b > bytes.size() || written + n > total)
                return {};
            for (std::size_t k = 0; k < n; ++k)
                put(in + k * b);
            in += n * b;
        }
    }
    return image;
}

} // namespace kluvian::areagen
