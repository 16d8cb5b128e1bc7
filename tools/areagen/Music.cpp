// SPDX-License-Identifier: GPL-3.0-or-later
#include "areagen/Music.h"

#include "areagen/Rng.h"
#include "areagen/Wav.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kluvian::areagen {

namespace {

struct Note {
    int pitch; // MIDI number; 0 for a rest
    int eighths;
};

// The tune in G with a raised fourth, as the highland fiddlers play it. Each phrase is
// four bars.
const std::vector<Note> kA1{{74, 1}, {74, 1}, {79, 1}, {78, 1}, {76, 1}, {73, 1},
                            {74, 2}, {71, 1}, {74, 1}, {73, 1}, {71, 1}, {69, 4}};
const std::vector<Note> kA2{{74, 1}, {74, 1}, {79, 1}, {81, 1}, {79, 1}, {78, 1},
                            {76, 2}, {73, 1}, {76, 1}, {74, 1}, {71, 1}, {67, 4}};
const std::vector<Note> kB1{{79, 2}, {78, 1}, {76, 1}, {78, 1}, {76, 1}, {73, 2},
                            {76, 2}, {74, 1}, {71, 1}, {73, 1}, {71, 1}, {69, 2}};
const std::vector<Note> kB2{{71, 1}, {73, 1}, {74, 1}, {76, 1}, {78, 1}, {79, 1},
                            {81, 2}, {79, 1}, {76, 1}, {73, 1}, {74, 1}, {67, 4}};

// Chord roots, one per bar, with the chord's quality.
struct Chord {
    int root;
    bool minor;
};
const std::vector<Chord> kChordsA{{43, false}, {45, false}, {43, false}, {50, false},
                                  {43, false}, {52, true},  {45, false}, {43, false}};
const std::vector<Chord> kChordsB{{43, false}, {42, true},  {52, true},  {45, false},
                                  {43, false}, {50, false}, {45, false}, {43, false}};
const std::vector<Chord> kChordsBridge{{52, true},  {52, true},  {45, false}, {45, false},
                                       {43, false}, {43, false}, {50, false}, {50, false}};

enum class Lead { None, Fiddle, Flute, Both, FiddleHighFlute };

struct Section {
    const std::vector<Note>* first;
    const std::vector<Note>* second;
    const std::vector<Chord>* chords;
    Lead lead;
};

// Plays the tune at the look's tempo and key: two beats a bar, four eighths.
class Band {
public:
    Band(Stereo& mix, const MusicLook& look)
        : mix_(mix), rng_(look.seed), eighth_(60.0 / look.beatsPerMinute / 2.0),
          transpose_(look.transpose) {}

    double Hz(int pitch) const { return MidiToHz(pitch + transpose_); }

    void Melody(double start, const std::vector<Note>& notes, Lead lead) {
        double t = start;
        for (const Note& n : notes) {
            const double length = n.eighths * eighth_;
            const double at = t + rng_.Range(-0.006, 0.006);
            const double hz = Hz(n.pitch);
            const double accent = 0.85 + 0.15 * rng_.Unit();
            // A quick upper grace note before some long notes.
            const bool grace = n.eighths >= 2 && rng_.Chance(0.5);
            const double graceLength = grace ? 0.06 : 0;
            if (grace && lead != Lead::Flute)
                AddFiddle(mix_, at - 0.01, graceLength, Hz(n.pitch + 2), 0.12, -0.15);
            if (lead == Lead::Fiddle || lead == Lead::Both || lead == Lead::FiddleHighFlute)
                AddFiddle(mix_, at + graceLength, length - graceLength - 0.03, hz, 0.16 * accent,
                          -0.15);
            if (lead == Lead::Flute || lead == Lead::Both)
                AddFlute(mix_, at, length - 0.04, hz, 0.11 * accent, 0.3);
            if (lead == Lead::FiddleHighFlute)
                AddFlute(mix_, at, length - 0.04, hz * 2, 0.06 * accent, 0.35);
            t += length;
        }
    }

    // Bass on the beats, zither chords off the beats, drum and shaker keeping time.
    void Accompany(double start, const Chord& chord, bool drums, double level) {
        const int third = chord.root + (chord.minor ? 3 : 4);
        const int fifth = chord.root + 7;
        const std::uint32_t seed = rng_.Next();
        AddPluck(mix_, start, eighth_ * 2.2, Hz(chord.root), 0.42 * level, 0.0, 0.35, seed);
        AddPluck(mix_, start + 2 * eighth_, eighth_ * 2.2,
                 Hz(fifth - 12 + (fifth - 12 < 40 ? 12 : 0)), 0.36 * level, 0.0, 0.35, seed + 1);
        for (int beat = 0; beat < 2; ++beat) {
            const double off = start + (2 * beat + 1) * eighth_;
            const int notes[] = {chord.root + 12, third + 12, fifth + 12, chord.root + 24};
            for (int k = 0; k < 4; ++k)
                AddPluck(mix_, off + 0.012 * k, eighth_ * 1.6, Hz(notes[k]), 0.07 * level,
                         k % 2 ? 0.35 : -0.35, 0.7, seed + 10 + k);
        }
        if (drums) {
            AddDrum(mix_, start, 0.5 * level, 0.0);
            AddDrum(mix_, start + 2 * eighth_, 0.28 * level, 0.0);
            for (int e = 0; e < 4; ++e)
                AddShaker(mix_, start + e * eighth_, (e % 2 ? 0.09 : 0.05) * level, 0.4,
                          seed + 20 + e);
        }
    }

    // A slow flute line drawn from the chord tones, different every bar.
    void Improvise(double start, const Chord& chord) {
        const int tones[] = {chord.root + 24, chord.root + (chord.minor ? 27 : 28), chord.root + 31,
                             chord.root + 36};
        const int pitch = tones[rng_.Below(4)];
        AddFlute(mix_, start + eighth_, 2 * eighth_, Hz(pitch), 0.08, 0.3);
        AddFlute(mix_, start + 3 * eighth_, eighth_ * 1.8, Hz(tones[rng_.Below(4)]), 0.07, 0.3);
    }

    void Drone(double start, double length, int pitch) {
        AddFiddle(mix_, start, length, Hz(pitch), 0.05, -0.3);
        AddFiddle(mix_, start, length, Hz(pitch + 7), 0.04, -0.3);
    }

private:
    Stereo& mix_;
    Rng rng_;
    double eighth_;
    int transpose_;
};

void Normalise(Stereo& mix, double peak) {
    float highest = 0;
    for (std::size_t i = 0; i < mix.Frames(); ++i)
        highest = std::max({highest, std::abs(mix.left[i]), std::abs(mix.right[i])});
    const float scale = highest > 0 ? float(peak / highest) : 1.0f;
    for (std::size_t i = 0; i < mix.Frames(); ++i) {
        mix.left[i] *= scale;
        mix.right[i] *= scale;
    }
}

} // namespace

Stereo ComposeMusic(const MusicLook& look) {
    const Section sections[] = {
        {&kA1, &kA2, &kChordsA, Lead::Fiddle}, {&kA1, &kA2, &kChordsA, Lead::FiddleHighFlute},
        {&kB1, &kB2, &kChordsB, Lead::Fiddle}, {&kB1, &kB2, &kChordsB, Lead::Flute},
        {&kA1, &kA2, &kChordsA, Lead::Both},   {nullptr, nullptr, &kChordsBridge, Lead::None},
        {&kB1, &kB2, &kChordsB, Lead::Both},   {&kB1, &kB2, &kChordsB, Lead::FiddleHighFlute},
        {&kA1, &kA2, &kChordsA, Lead::Fiddle}, {&kA1, &kA2, &kChordsA, Lead::Both},
    };
    // A slow tempo makes the tune longer: it then plays to its end, with the last chord
    // ringing out and the fade after it.
    const double barLength = 4 * (60.0 / look.beatsPerMinute / 2.0);
    const double tune = 0.3 + (4 + 8 * double(std::size(sections))) * barLength;
    const double seconds = std::max(kMusicSeconds, tune + std::max(3 * barLength, 3.5) + 2.5);
    Stereo mix(std::size_t(seconds * kSampleRate));
    Band band(mix, look);
    double t = 0.3;

    // Introduction: the chords alone, the drum joining.
    band.Drone(t, 4 * barLength, 43);
    for (int bar = 0; bar < 4; ++bar)
        band.Accompany(t + bar * barLength, kChordsA[std::size_t(bar * 2)], bar >= 2, 0.8);
    t += 4 * barLength;

    for (const Section& s : sections) {
        if (s.first) {
            band.Melody(t, *s.first, s.lead);
            band.Melody(t + 4 * barLength, *s.second, s.lead);
        } else {
            band.Drone(t, 8 * barLength, 40);
        }
        for (std::size_t bar = 0; bar < 8; ++bar) {
            band.Accompany(t + bar * barLength, (*s.chords)[bar], true, s.first ? 1.0 : 0.8);
            if (!s.first)
                band.Improvise(t + bar * barLength, (*s.chords)[bar]);
        }
        t += 8 * barLength;
    }

    // Ending: one last chord rings out.
    AddFiddle(mix, t, 3 * barLength, band.Hz(67), 0.14, -0.15);
    AddFlute(mix, t, 3 * barLength, band.Hz(74), 0.07, 0.3);
    band.Drone(t, 3 * barLength, 43);
    AddPluck(mix, t, 3.5, band.Hz(43), 0.45, 0.0, 0.35, 7);
    AddDrum(mix, t, 0.5, 0.0);
    for (int k = 0; k < 4; ++k)
        AddPluck(mix, t + 0.03 * k, 3.0,
                 band.Hz(55 + (k == 1   ? 4
                               : k == 2 ? 7
                                        : 12 * (k / 3))),
                 0.08, k % 2 ? 0.35 : -0.35, 0.7, 40 + k);

    AddReverb(mix, look.reverb);
    // Fade the last two seconds so the file ends in silence.
    const std::size_t fade = 2 * kSampleRate;
    for (std::size_t i = mix.Frames() - fade; i < mix.Frames(); ++i) {
        const float k = float(mix.Frames() - i) / float(fade);
        mix.left[i] *= k;
        mix.right[i] *= k;
    }
    Normalise(mix, 0.89);
    return mix;
}

} // namespace kluvian::areagen
