// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "Perft.h"

#include <cstring>


namespace {

// Moves are applied through the same ApplyMove as the game, with the animation going nowhere.
class TNoAnimation final : public TBoardAnimator {
public:
    void DrawDisc(int, int, int) override {}
    void Pause(int) override {}
};

struct TCellRef {
    int Col, Row;
};

std::uint64_t PerftFrom(TBoard& board, int side, int depth)
{
    if (depth == 0)
        return 1;
    const int moves = board.FillMoveTable(side);
    if (moves == 0) {
        if (board.FillMoveTable(OtherSide(side)) == 0)
            return 1; // the game is over
        return PerftFrom(board, OtherSide(side), depth - 1);
    }
    if (depth == 1)
        return std::uint64_t(moves);

    // The children overwrite MoveTable, so take the moves out of it first.
    TCellRef list[MaxBoardSize * MaxBoardSize];
    int count = 0;
    for (int c = 0; c < board.BoardSize; ++c)
        for (int r = 0; r < board.BoardSize; ++r)
            if (board.MoveTable[c][r] > 0)
                list[count++] = {c, r};

    // Columns are contiguous, so the live columns are all that needs saving.
    const std::size_t liveBytes = sizeof board.Board[0] * std::size_t(board.BoardSize);
    int saved[MaxBoardSize][MaxBoardSize];
    std::memcpy(saved, board.Board, liveBytes);
    TNoAnimation noAnimation;
    std::uint64_t leaves = 0;
    for (int i = 0; i < count; ++i) {
        board.Board[list[i].Col][list[i].Row] = side;
        board.ApplyMove(side, list[i].Col, list[i].Row, noAnimation);
        leaves += PerftFrom(board, OtherSide(side), depth - 1);
        std::memcpy(board.Board, saved, liveBytes);
    }
    return leaves;
}

} // namespace

std::uint64_t Perft(const TBoard& board, int side, int depth)
{
    TBoard work = board;
    return PerftFrom(work, side, depth);
}
