// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target of the Bmp reader.
#include "CheckDecode.h"
#include "textures/BmpDecoder.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return CheckDecode([&] { return kluvian::DecodeBmp({data, size}, "fuzz.bmp"); });
}
