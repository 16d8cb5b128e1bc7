// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every reader's fuzz target checks: any bytes are refused or decoded without a memory
// error; a refusal carries its message and caption, and a decoded picture fills exactly
// width x height pixels. The exceptions the game lets reach its caller are fine.
#include "textures/Picture.h"

#include <cstddef>
#include <exception>

template <typename Decode> int CheckDecode(Decode decode) {
    try {
        const auto result = decode();
        if (result.Ok()) {
            const auto& p = *result.picture;
            if (p.width <= 0 || p.height <= 0 ||
                p.pixels.size() !=
                    std::size_t(p.width) * std::size_t(p.height) * std::size_t(p.channels))
                __builtin_trap();
        } else if (result.message.empty() || result.caption.empty()) {
            __builtin_trap();
        }
    } catch (const std::exception&) {
    }
    return 0;
}
