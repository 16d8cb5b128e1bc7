// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target of the Jpeg reader.
#include "CheckDecode.h"
#include "textures/JpegDecoder.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckDecode([&] { return kluvian::DecodeJpeg({data, size}, "fuzz.jpg"); });
}
