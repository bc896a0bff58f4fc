// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// A small fixed-seed generator (xorshift32) for scattered detail such as confetti, rain and
// stars: the same seed gives the same picture on every machine and every run.
class Rng
{
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}

    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    // A number in [lo, hi).
    double uniform(double lo, double hi) { return lo + (hi - lo) * (next() / 4294967296.0); }

    // An index in [0, n).
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

private:
    std::uint32_t state_;
};
