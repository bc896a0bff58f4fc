// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "screens/RewardFade.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Two rows of two pixels, each row padded with guard bytes that the fade must not touch, the
// way a bitmap's rows are padded to whole words.
struct TRows {
    static constexpr int Width = 2;
    static constexpr int Height = 2;
    static constexpr int Stride = 3 * Width + 2;
    static constexpr uchar Guard = 0xA5;

    std::vector<uchar> Src = std::vector<uchar>(Stride * (Height + 1), Guard);
    std::vector<uchar> Dst = std::vector<uchar>(Stride * (Height + 1), Guard);
    std::array<const uchar*, Height> SrcLines{};
    std::array<uchar*, Height> DstLines{};

    explicit TRows(std::array<uchar, 3 * Width * Height> bytes)
    {
        for (int r = 0; r < Height; ++r) {
            for (int b = 0; b < 3 * Width; ++b)
                Src[r * Stride + b] = bytes[r * 3 * Width + b];
            SrcLines[r] = &Src[r * Stride];
            DstLines[r] = &Dst[r * Stride];
        }
    }
    void Fade(int amount) { FadeFrame(SrcLines.data(), DstLines.data(), Width, Height, amount); }
    uchar At(int r, int b) const { return Dst[r * Stride + b]; }
};

} // namespace

TEST(RewardFade, SubtractsAndClampsEveryByteOfEveryRow)
{
    struct TCase { int amount; uchar src; uchar expected; };
    const TCase cases[] = {
        {0, 0, 0}, {0, 7, 7}, {0, 255, 255},                  // amount 0 copies
        {5, 5, 0}, {5, 6, 1}, {5, 4, 0}, {5, 255, 250},       // a byte equal to the amount becomes 0
        {250, 250, 0}, {250, 251, 1}, {250, 255, 5},          // the last fade-out frame
        {255, 255, 0}, {255, 254, 0}, {255, 0, 0},            // 255 blacks out
        {-3, 9, 9}, {300, 255, 0},                            // amounts outside 0..255 are clamped
    };
    for (const TCase& c : cases) {
        std::array<uchar, 12> bytes;
        bytes.fill(c.src);
        TRows rows(bytes);
        rows.Fade(c.amount);
        for (int r = 0; r < TRows::Height; ++r)
            for (int b = 0; b < 3 * TRows::Width; ++b)
                ASSERT_EQ(rows.At(r, b), c.expected) << "amount " << c.amount << ", byte " << int(c.src)
                                                     << ", row " << r << ", offset " << b;
    }
}

TEST(RewardFade, TreatsEachByteOnItsOwnAndLeavesThePaddingAlone)
{
    TRows rows({10, 20, 30, 40, 50, 60,
                1, 2, 3, 200, 100, 0});
    rows.Fade(20);
    const uchar expected[2][6] = {{0, 0, 10, 20, 30, 40}, {0, 0, 0, 180, 80, 0}};
    for (int r = 0; r < TRows::Height; ++r) {
        for (int b = 0; b < 3 * TRows::Width; ++b)
            EXPECT_EQ(rows.At(r, b), expected[r][b]) << "row " << r << ", offset " << b;
        for (int b = 3 * TRows::Width; b < TRows::Stride; ++b)
            EXPECT_EQ(rows.At(r, b), TRows::Guard) << "padding of row " << r;
    }
    for (int b = 0; b < TRows::Stride; ++b)
        EXPECT_EQ(rows.At(TRows::Height, b), TRows::Guard) << "the row below the picture";
}
