// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// One frame of the reward pictures' fade: every byte of the first 3 * width bytes of rows 0 to
// height - 1 becomes the source byte less amount, or 0 where the source byte is not greater
// than amount. The three colour channels of a 24-bit row are treated alike. amount is taken in
// 0..255. Source and destination rows must not overlap; bytes past 3 * width are left alone.
void FadeFrame(const uchar* const* srcLines, uchar* const* dstLines, int width, int height, int amount);
