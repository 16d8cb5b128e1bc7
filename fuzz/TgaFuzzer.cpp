// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target of the Tga reader.
#include "CheckDecode.h"
#include "textures/TgaDecoder.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckDecode([&] { return kluvian::DecodeTga({data, size}, "fuzz.tga"); });
}
