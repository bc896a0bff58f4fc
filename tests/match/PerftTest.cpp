// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The move generator and ApplyMove against the published leaf counts from the start position.
#include "match/BoardPicture.h"
#include "match/Perft.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(Perft, MatchesTheKnownCountsFromTheStart)
{
    TBoard board;
    board.ResetBoard();
    const std::uint64_t known[] = {4, 12, 56, 244, 1396, 8200, 55092, 390216};
    for (int depth = 1; depth <= 8; ++depth)
        EXPECT_EQ(Perft(board, BlackDisc, depth), known[depth - 1])
            << "depth " << depth << " from\n" << BoardPictureText(board);
}

TEST(Perft, CountsAPassAsAPlyAndAFinishedGameAsOnePosition)
{
    // White has no move, black has one; after it nobody can move.
    const TBoard board = BoardFromPicture({
        "xo......",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
        "........",
    });
    EXPECT_EQ(Perft(board, WhiteDisc, 1), 1u);
    EXPECT_EQ(Perft(board, WhiteDisc, 2), 1u);
    EXPECT_EQ(Perft(board, WhiteDisc, 5), 1u);
    EXPECT_EQ(Perft(board, BlackDisc, 1), 1u);
}
