// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Mp3.h"

#include "areagen/Wav.h"

#include <lame/lame.h>

#include <memory>
#include <stdexcept>

namespace kluvian::areagen {

namespace {

struct LameCloser {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

} // namespace

std::vector<std::uint8_t> EncodeMp3(const Stereo& mix) {
    const std::unique_ptr<lame_global_flags, LameCloser> lame(lame_init());
    if (!lame)
        throw std::runtime_error("cannot start the MP3 encoder");
    lame_set_in_samplerate(lame.get(), kSampleRate);
    lame_set_out_samplerate(lame.get(), kSampleRate);
    lame_set_num_channels(lame.get(), 2);
    lame_set_mode(lame.get(), JOINT_STEREO);
    lame_set_brate(lame.get(), 128);
    lame_set_quality(lame.get(), 7); // fast; the build must stay quick
    lame_set_bWriteVbrTag(lame.get(), 0);
    if (lame_init_params(lame.get()) < 0)
        throw std::runtime_error("cannot set up the MP3 encoder");

    std::vector<std::uint8_t> out;
    const std::size_t chunk = 8192;
    std::vector<unsigned char> buffer(chunk * 5 / 4 + 7200);
    for (std::size_t at = 0; at < mix.Frames(); at += chunk) {
        const int n = int(std::min(chunk, mix.Frames() - at));
        const int written = lame_encode_buffer_ieee_float(lame.get(), &mix.left[at], &mix.right[at],
                                                          n, buffer.data(), int(buffer.size()));
        if (written < 0)
            throw std::runtime_error("the MP3 encoder failed");
        out.insert(out.end(), buffer.begin(), buffer.begin() + written);
    }
    const int tail = lame_encode_flush(lame.get(), buffer.data(), int(buffer.size()));
    if (tail < 0)
        throw std::runtime_error("the MP3 encoder failed");
    out.insert(out.end(), buffer.begin(), buffer.begin() + tail);
    return out;
}

} // namespace kluvian::areagen
