// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The bytes that the process holds from malloc, counted by the program's own malloc, free and
// friends (CountingMalloc.cpp), which every library of the process calls in place of the C
// library's and which pass on to it. Each block counts with its usable size, so the figures are
// what the heap really gives out, without the heap's own bookkeeping.
#pragma once

#include <cstddef>

namespace CountingMalloc {

/// Bytes in blocks not yet freed.
std::size_t InUse();
/// The most InUse has been since the last ResetPeak.
std::size_t Peak();
void ResetPeak();

} // namespace CountingMalloc
