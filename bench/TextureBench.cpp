// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding speed of our TGA reader against stb_image on the same 1024 x 1024 pictures, with a
// plain memcpy of the output size as the floor.
#include "textures/TgaDecoder.h"

// The reference decoder is third-party code: its warnings are not ours to fix.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#include <stb_image.h>
#pragma GCC diagnostic pop

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 1024;

std::vector<std::uint8_t> Header(int imageType, int depth) {
    std::vector<std::uint8_t> h(18, 0);
    h[2] = std::uint8_t(imageType);
    h[12] = kSide & 0xFF;
    h[13] = kSide >> 8;
    h[14] = kSide & 0xFF;
    h[15] = kSide >> 8;
    h[16] = std::uint8_t(depth);
    h[17] = depth == 32 ? 8 : 0;
    return h;
}

// A sprite-like picture: transparent margins and flat bands (long runs) around a textured
// middle (raw packets), as the game's layers and birds are.
std::vector<std::uint8_t> SpritePixel(int x, int y) {
    if (x < 200 || x >= 824)
        return {0, 0, 0, 0};
    if (y % 128 < 40)
        return {40, std::uint8_t(80 + y / 8), 160, 255};
    const auto n = std::uint8_t((x * 7 + y * 13) ^ (x >> 2));
    return {n, std::uint8_t(n / 2 + y), std::uint8_t(255 - n), 255};
}

std::vector<std::uint8_t> Rle32() {
    auto file = Header(10, 32);
    for (int y = 0; y < kSide; ++y) {
        int x = 0;
        while (x < kSide) {
            const auto p = SpritePixel(x, y);
            int run = 1;
            while (x + run < kSide && run < 128 && SpritePixel(x + run, y) == p)
                ++run;
            if (run > 1) {
                file.push_back(std::uint8_t(127 + run));
                file.insert(file.end(), p.begin(), p.end());
                x += run;
                continue;
            }
            int raw = 1;
            while (x + raw < kSide && raw < 128 &&
                   SpritePixel(x + raw, y) != SpritePixel(x + raw - 1, y))
                ++raw;
            file.push_back(std::uint8_t(raw - 1));
            for (int i = 0; i < raw; ++i) {
                const auto q = SpritePixel(x + i, y);
                file.insert(file.end(), q.begin(), q.end());
            }
            x += raw;
        }
    }
    return file;
}

std::vector<std::uint8_t> Raw24() {
    auto file = Header(2, 24);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const auto p = SpritePixel(x, y);
            file.insert(file.end(), p.begin(), p.begin() + 3);
        }
    return file;
}

const std::vector<std::uint8_t>& Rle32File() {
    static const auto file = Rle32();
    return file;
}

const std::vector<std::uint8_t>& Raw24File() {
    static const auto file = Raw24();
    return file;
}

void DecodeOurs(benchmark::State& state, const std::vector<std::uint8_t>& file) {
    const std::string name = "bench.tga";
    for (auto _ : state) {
        auto result = kluvian::DecodeTga(file, name);
        if (!result.Ok())
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(result.picture->pixels.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.size()));
}

void DecodeStb(benchmark::State& state, const std::vector<std::uint8_t>& file) {
    for (auto _ : state) {
        int w = 0, h = 0, comp = 0;
        stbi_uc* pixels = stbi_load_from_memory(file.data(), int(file.size()), &w, &h, &comp, 0);
        if (!pixels)
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(pixels);
        stbi_image_free(pixels);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.size()));
}

void BM_TgaRle32_Kluvian(benchmark::State& state) {
    DecodeOurs(state, Rle32File());
}
void BM_TgaRle32_Stb(benchmark::State& state) {
    DecodeStb(state, Rle32File());
}
void BM_TgaRaw24_Kluvian(benchmark::State& state) {
    DecodeOurs(state, Raw24File());
}
void BM_TgaRaw24_Stb(benchmark::State& state) {
    DecodeStb(state, Raw24File());
}

// Copying the decoded size once (argument: bytes per pixel) is what no decoder can beat.
void BM_Memcpy_Floor(benchmark::State& state) {
    const std::size_t size = std::size_t(kSide) * kSide * std::size_t(state.range(0));
    const std::vector<std::uint8_t> source(size, 7);
    for (auto _ : state) {
        std::vector<std::uint8_t> copy(size);
        std::memcpy(copy.data(), source.data(), size);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(size));
}

} // namespace

BENCHMARK(BM_TgaRle32_Kluvian)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TgaRle32_Stb)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TgaRaw24_Kluvian)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TgaRaw24_Stb)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Memcpy_Floor)->Arg(4)->Arg(3)->Unit(benchmark::kMicrosecond);
