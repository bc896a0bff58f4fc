// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Board.h"

#include <cstdint>

// The number of positions `depth` plies after `board` with `side` to move: the usual check of a
// move generator against published counts. A side without a legal move passes, and the pass
// counts as a ply while the other side can move; a finished game counts as one position however
// many plies were left.
std::uint64_t Perft(const TBoard& board, int side, int depth);
