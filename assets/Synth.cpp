// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
struct Partial {
    double ratio;
    double gain;
    double decay; // extra decay rate per second for this partial
};

constexpr Partial kBell[] = {{1.0, 1.0, 0.0}, {2.0, 0.45, 2.0}, {3.01, 0.22, 4.0}, {4.17, 0.12, 6.0}};
constexpr Partial kBrass[] = {{1.0, 1.0, 0.0}, {2.0, 0.6, 0.0}, {3.0, 0.42, 0.0}, {4.0, 0.25, 0.0},
                              {5.0, 0.15, 0.0}, {6.0, 0.08, 0.0}};

double Envelope(Synth::Timbre timbre, double t, double length)
{
    if (timbre == Synth::Timbre::Bell) {
        const double attack = std::min(1.0, t / 0.004);
        return attack * std::exp(-t * 4.5 / std::max(length, 0.05));
    }
    const double attack = std::min(1.0, t / 0.03);
    const double release = 0.08;
    const double tail = t > length - release ? std::max(0.0, (length - t) / release) : 1.0;
    const double swell = 0.85 + 0.15 * std::exp(-t * 6.0); // a bright start that settles
    return attack * tail * swell;
}
} // namespace

double NoteHz(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

Synth::Synth(int sampleRate, double seconds)
    : rate_(sampleRate), mix_(static_cast<std::size_t>(sampleRate * seconds), 0.0)
{
}

void Synth::addNote(double start, double frequency, double length, double gain, Timbre timbre)
{
    const auto first = static_cast<std::size_t>(start * rate_);
    const auto count = static_cast<std::size_t>(length * rate_);
    const bool bell = timbre == Timbre::Bell;
    const Partial* partials = bell ? kBell : kBrass;
    const std::size_t partialCount = bell ? std::size(kBell) : std::size(kBrass);
    for (std::size_t i = 0; i < count && first + i < mix_.size(); ++i) {
        const double t = static_cast<double>(i) / rate_;
        // A gentle vibrato keeps the brass from sounding like a test tone.
        const double vibrato = bell ? 0.0 : 0.004 * std::sin(2 * std::numbers::pi * 5.5 * t) * std::min(1.0, t * 4);
        double v = 0.0;
        for (std::size_t k = 0; k < partialCount; ++k) {
            const Partial& p = partials[k];
            const double phase = 2 * std::numbers::pi * frequency * p.ratio * t * (1.0 + vibrato);
            v += p.gain * std::exp(-p.decay * t) * std::sin(phase);
        }
        mix_[first + i] += gain * Envelope(timbre, t, length) * v;
    }
}

std::vector<std::int16_t> Synth::pcm(double peak) const
{
    double loudest = 1e-9;
    for (double v : mix_)
        loudest = std::max(loudest, std::abs(v));
    const double scale = peak * 32767.0 / loudest;
    const std::size_t fade = static_cast<std::size_t>(rate_ * 0.02);
    std::vector<std::int16_t> out(mix_.size());
    for (std::size_t i = 0; i < mix_.size(); ++i) {
        double v = mix_[i] * scale;
        const std::size_t left = mix_.size() - i;
        if (left < fade)
            v *= static_cast<double>(left) / fade;
        out[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -32767.0, 32767.0)));
    }
    return out;
}
