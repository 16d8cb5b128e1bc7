// libFuzzer target: the Jpeg reader must refuse or decode any bytes without a memory error,
// and a decoded picture must fill exactly width x height pixels.
#include "textures/JpegDecoder.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <new>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto result = kluvian::DecodeJpeg({data, size}, "fuzz.jpeg");
        if (result.ok()) {
            const auto& p = *result.picture;
            if (p.width <= 0 || p.height <= 0 ||
                p.pixels.size() !=
                    std::size_t(p.width) * std::size_t(p.height) * std::size_t(p.channels))
                __builtin_trap();
        } else if (result.message.empty() || result.caption.empty()) {
            __builtin_trap();
        }
    } catch (const std::bad_alloc&) {
    } catch (const std::exception&) {
        // the errors the game lets reach its caller
    }
    return 0;
}
