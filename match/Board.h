// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

// The Reversi position and the rules that act on it. Plain C++: no toolkit, so the rules are
// tested and benchmarked without a window.

constexpr int MaxBoardSize = 20;

// Cell values. A turning disc shows the pictures 2 to 6 in between, but those are never stored.
enum TCell : int { Empty = 0, BlackDisc = 1, WhiteDisc = 7 };

// The side that answers `side`: white for black, black for anything else (so a board that
// has not started yet hands the first turn to black).
constexpr int OtherSide(int side) { return side == BlackDisc ? WhiteDisc : BlackDisc; }

// What placing and turning need of the screen: draw picture k of the disc image list over a
// cell at once (not through a repaint), and a blocking pause.
class TBoardAnimator {
public:
    virtual ~TBoardAnimator() = default;
    virtual void DrawDisc(int col, int row, int picture) = 0;
    virtual void Pause(int ms) = 0;
};

// The cells with their live size. Only the top-left BoardSize by BoardSize square is live; cells
// outside it keep whatever an earlier, larger board left there and no rule reads them.
class TBoard {
public:
    static constexpr int FramePauseMs = 50;
    static constexpr int TurnFrames = 7;

    int BoardSize = 8;
    int ComputerDiscs = 0, PlayerDiscs = 0;
    int Board[MaxBoardSize][MaxBoardSize] = {};      // [column][row]
    int MoveTable[MaxBoardSize][MaxBoardSize] = {};  // [column][row]: CountFlips of the side last filled

    // -1 for an occupied cell, else the number of discs a disc of `side` placed there would
    // turn (0: not a legal move). The cell must be live.
    int CountFlips(int side, int col, int row) const;
    // CountFlips for every live cell into MoveTable; returns the number of legal moves.
    int FillMoveTable(int side);
    // Turns every line bracketed by the disc of `side` that the caller has already stored at
    // (col, row), one disc at a time from the far end of each line back towards the placed disc,
    // each stored only once its animation has run. Returns the number of discs turned.
    int ApplyMove(int side, int col, int row, TBoardAnimator& animator);
    // The seven frames of one disc turning over to `side`; returns the value to store (the side).
    int TurnDisc(int side, int col, int row, TBoardAnimator& animator);
    // Clears the live square and sets the four starting discs around its middle
    // (up and to the left of it for an odd size). BoardSize must be 2 to MaxBoardSize.
    void ResetBoard();
    // Recounts ComputerDiscs (black) and PlayerDiscs (white) over the live square.
    void CountDiscs();
    bool IsLive(int col, int row) const;

private:
    // The number of opposing discs on the line from (col, row) towards (dc, dr) that a disc of
    // `side` at its far end brackets; 0 when the line runs into an empty cell or the edge.
    int LineYield(int side, int col, int row, int dc, int dr) const;
};
