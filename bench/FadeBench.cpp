// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// One frame of the reward pictures' fade on a full-size 600 by 400 picture through the row
// tables, beside plain copies of the same bytes: the fade should cost about what moving the
// bytes costs.
#include "screens/RewardFade.h"

#include <QImage>
#include <array>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

constexpr int Width = 600;
constexpr int Height = 400;

struct TPictures {
    QImage Src{Width, Height, QImage::Format_RGB888};
    QImage Dst{Width, Height, QImage::Format_RGB888};
    std::array<const uchar*, 480> SrcLines{};
    std::array<uchar*, 480> DstLines{};

    TPictures()
    {
        for (int y = 0; y < Height; ++y) {
            uchar* row = Src.scanLine(y);
            for (int b = 0; b < 3 * Width; ++b)
                row[b] = uchar(b * 7 + y * 13);
            SrcLines[y] = Src.constScanLine(y);
            DstLines[y] = Dst.scanLine(y);
        }
    }
};

void SetBytes(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * std::int64_t(Width) * Height * 3);
}

void BM_FadeFrame(benchmark::State& state)
{
    TPictures pictures;
    int amount = 0;
    for (auto _ : state) {
        FadeFrame(pictures.SrcLines.data(), pictures.DstLines.data(), Width, Height, amount);
        amount = (amount + 5) % 255;
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_FadeFrame);

void BM_CopyRows(benchmark::State& state)
{
    TPictures pictures;
    for (auto _ : state) {
        for (int y = Height - 1; y >= 0; --y)
            std::memcpy(pictures.DstLines[y], pictures.SrcLines[y], 3 * Width);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_CopyRows);

void BM_CopyWhole(benchmark::State& state)
{
    TPictures pictures;
    // 600 pixels of 3 bytes fill whole words, so the rows lie back to back and one copy moves
    // the same bytes.
    const auto bytes = std::size_t(pictures.Src.sizeInBytes());
    for (auto _ : state) {
        std::memcpy(pictures.Dst.bits(), pictures.Src.constBits(), bytes);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_CopyWhole);

} // namespace
