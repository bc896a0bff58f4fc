// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

// What the turn cycle needs of the screen: the board grid with its current cell and the two
// face pictures beside it.
class TMatchView {
public:
    virtual ~TMatchView() = default;

    // Draws disc picture `picture` over the cell at once, without waiting for a repaint.
    virtual void DrawDisc(int col, int row, int picture) = 0;
    // Has the whole grid repainted from the board.
    virtual void RepaintBoard() = 0;
    // The grid's current cell.
    virtual int CurrentCol() const = 0;
    virtual int CurrentRow() const = 0;
    // Makes a cell current, column first, then row. The grid raises its click event as it
    // would for the keyboard; the match has detached its handler whenever it calls this.
    virtual void SetCurrentCell(int col, int row) = 0;
    // Replaces the left picture with the player's face `index` (0 to 16).
    virtual void ShowPlayerFace(int index) = 0;
    // Replaces the right picture with the opponent's face `index` (0 to 2).
    virtual void ShowOpponentFace(int index) = 0;
    // The match was won or lost and its result message closed: on to the reward sequence.
    virtual void MatchDecided() = 0;
};
