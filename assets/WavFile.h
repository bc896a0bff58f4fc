// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Writes 16-bit PCM samples (interleaved when there is more than one channel) as a RIFF WAVE
// file; throws std::runtime_error when it cannot.
void SaveWav(const std::vector<std::int16_t>& samples, int sampleRate, int channels,
             const QString& path);
