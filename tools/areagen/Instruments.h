// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace kluvian::areagen {

// A stereo mix being built at kSampleRate; notes are added into it.
struct Stereo {
    std::vector<float> left;
    std::vector<float> right;

    explicit Stereo(std::size_t frames) : left(frames), right(frames) {}
    std::size_t Frames() const { return left.size(); }
    // Adds a mono sample at frame i, pan -1 (left) .. 1 (right); ignores frames past the end.
    void Add(std::size_t i, double value, double pan) {
        if (i >= left.size())
            return;
        left[i] += float(value * (1 - pan) * 0.5);
        right[i] += float(value * (1 + pan) * 0.5);
    }
};

double MidiToHz(double note);

// A bowed fiddle note: start and length in seconds, with vibrato after the attack.
void AddFiddle(Stereo& mix, double start, double length, double hz, double gain, double pan);
// A breathy wooden flute note.
void AddFlute(Stereo& mix, double start, double length, double hz, double gain, double pan);
// A plucked string (bass or zither) that rings for `length` seconds; seed varies the pluck.
void AddPluck(Stereo& mix, double start, double length, double hz, double gain, double pan,
              double brightness, std::uint32_t seed);
// A frame drum's low stroke.
void AddDrum(Stereo& mix, double start, double gain, double pan);
// A shaker of seeds: a short hiss.
void AddShaker(Stereo& mix, double start, double gain, double pan, std::uint32_t seed);

// A small room reverb mixed into the signal, `wet` 0..1.
void AddReverb(Stereo& mix, double wet);

} // namespace kluvian::areagen
