// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "Board.h"


namespace {

struct TDirection {
    int Col, Row;
};

// The order in which every rule walks the lines around a cell; ApplyMove's turning order and
// so the animation depend on it: up, down, left, right, up-left, down-right, up-right, down-left.
constexpr TDirection Directions[] = {
    {0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, 1}, {1, -1}, {-1, 1},
};

} // namespace

bool TBoard::IsLive(int col, int row) const
{
    return col >= 0 && col < BoardSize && row >= 0 && row < BoardSize;
}

int TBoard::LineYield(int side, int col, int row, int dc, int dr) const
{
    // One unsigned comparison per coordinate also catches the steps below 0.
    const unsigned size = unsigned(BoardSize);
    int n = 0;
    for (int c = col + dc, r = row + dr;; c += dc, r += dr, ++n) {
        if (unsigned(c) >= size || unsigned(r) >= size)
            return 0;
        const int cell = Board[c][r];
        if (cell == Empty)
            return 0;
        if (cell == side)
            return n;
    }
}

int TBoard::CountFlips(int side, int col, int row) const
{
    if (Board[col][row] != Empty)
        return -1;
    int flips = 0;
    for (const TDirection& d : Directions)
        flips += LineYield(side, col, row, d.Col, d.Row);
    return flips;
}

int TBoard::FillMoveTable(int side)
{
    int moves = 0;
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r) {
            const int flips = CountFlips(side, c, r);
            MoveTable[c][r] = flips;
            if (flips > 0)
                ++moves;
        }
    return moves;
}

int TBoard::ApplyMove(int side, int col, int row, TBoardAnimator& animator)
{
    int turned = 0;
    for (const TDirection& d : Directions) {
        const int n = LineYield(side, col, row, d.Col, d.Row);
        // From the disc next to the bracketing one back towards the placed disc.
        for (int k = n; k >= 1; --k) {
            const int x = col + k * d.Col, y = row + k * d.Row;
            Board[x][y] = TurnDisc(side, x, y, animator);
        }
        turned += n;
    }
    return turned;
}

int TBoard::TurnDisc(int side, int col, int row, TBoardAnimator& animator)
{
    // The pictures run from the opposing face to the side's own: 1..7 for white, 7..1 for black.
    const int step = side == WhiteDisc ? 1 : -1;
    int frame = side == WhiteDisc ? BlackDisc : WhiteDisc;
    for (int i = 0; i < TurnFrames; ++i, frame += step) {
        animator.DrawDisc(col, row, frame);
        animator.Pause(FramePauseMs);
    }
    return frame - step;
}

void TBoard::ResetBoard()
{
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r)
            Board[c][r] = Empty;
    const int h = BoardSize / 2;
    Board[h][h] = BlackDisc;
    Board[h - 1][h - 1] = BlackDisc;
    Board[h][h - 1] = WhiteDisc;
    Board[h - 1][h] = WhiteDisc;
}

void TBoard::CountDiscs()
{
    ComputerDiscs = 0;
    PlayerDiscs = 0;
    for (int c = 0; c < BoardSize; ++c)
        for (int r = 0; r < BoardSize; ++r) {
            if (Board[c][r] == BlackDisc)
                ++ComputerDiscs;
            else if (Board[c][r] == WhiteDisc)
                ++PlayerDiscs;
        }
}
