// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "RewardFade.h"

#include <algorithm>

namespace {

// A saturating subtract over one row. Written as a plain forward loop with unaliased pointers
// so that the compiler turns it into packed saturating subtracts; the build asks for the
// vectoriser on this file (see CMakeLists.txt).
void FadeRow(const uchar* __restrict src, uchar* __restrict dst, int bytes, uchar amount)
{
    for (int b = 0; b < bytes; ++b)
        dst[b] = src[b] > amount ? uchar(src[b] - amount) : uchar(0);
}

} // namespace

void FadeFrame(const uchar* const* srcLines, uchar* const* dstLines, int width, int height, int amount)
{
    const uchar s = uchar(std::clamp(amount, 0, 255));
    // The frame reaches the screen only after it is complete, so the order in which its bytes
    // are written is not observable: rows bottom to top as the picture is stored, each row
    // front to back, which is the order the vectoriser handles best.
    for (int r = height - 1; r >= 0; --r)
        FadeRow(srcLines[r], dstLines[r], 3 * width, s);
}
