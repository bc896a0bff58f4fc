// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

// A tiny additive synthesiser: notes are mixed into a mono buffer and the result is scaled to
// 16-bit PCM. Enough for a chime and a fanfare, with no randomness.
class Synth
{
public:
    enum class Timbre {
        Bell,   // inharmonic partials, sharp attack, long exponential ring
        Brass,  // harmonic partials, soft attack, held then released
    };

    Synth(int sampleRate, double seconds);

    // Mixes a note that starts at `start` seconds and lasts `length` seconds.
    void addNote(double start, double frequency, double length, double gain, Timbre timbre);

    // The mix normalised to `peak` (0..1 of full scale), with a short fade at the end.
    std::vector<std::int16_t> pcm(double peak) const;

    int sampleRate() const { return rate_; }

private:
    int rate_;
    std::vector<double> mix_;
};

// Note frequency from a MIDI note number (69 = A4 = 440 Hz).
double NoteHz(int midiNote);
