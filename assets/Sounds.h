// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

// The two sounds of the reward sequence, as 16-bit mono PCM at kSoundRate.
constexpr int kSoundRate = 22050;

// A short rising two-note chime (about 0.8 s): a new reward picture has appeared.
std::vector<std::int16_t> MakeChime();

// A little fanfare (about 1.7 s): the last reward picture.
std::vector<std::int16_t> MakeFanfare();
