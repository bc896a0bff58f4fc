// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Board.h"

class TMatchView;
class TServices;

// One match against the computer: starts a board, hands the turn from side to side, lets a side
// without a move pass, plays the computer's side with its greedy move after a half-second pause,
// keeps the faces in step with the score and announces the result. The player's moves and the
// computer's go through the same click handler, DrawGrid1Click, which calls NextTurn again; so a
// run of computer moves nests one level per move.
class TMatch final : private TBoardAnimator {
public:
    // The board sizes the Up and Down keys can reach: every one plays a real match on the 8 by 8
    // grid (below 4 a side can be left with no move at all from the start, above 8 the
    // computer could play a cell the grid does not show).
    static constexpr int MinBoardSize = 4, MaxPlayableSize = 8;
    static constexpr int ComputerPauseMs = 500;

    TMatch(TServices& services, TMatchView& view);

    TBoard& Board() { return FBoard; }
    const TBoard& Board() const { return FBoard; }

    int SideController[2] = {0, 0}; // [0] side 1, [1] side 7: 0 the player, 1 the computer
    int SideToMove = 0;

    // Whether DrawGrid1Click answers the grid's click event: while the player is to move.
    bool ClickAttached() const { return FClickAttached; }

    // A match against the chosen opponent: the computer plays black and opens.
    void StartMatch();
    // A fresh board at the current size; the computer opens at once.
    void NewBoard();
    // After every move: hands the turn over, handles passes and the result, updates the faces,
    // and either waits for the player's click or makes the computer's move.
    void NextTurn();
    // The grid raised its click event.
    void GridClicked();
    // A move for SideToMove on the grid's current cell; a cell where it is not legal only beeps.
    void DrawGrid1Click();
    // Up and Down (Qt key codes) grow or shrink the board by one and start a new one.
    void DrawGrid1KeyDown(int key);
    // The live cell that turns most discs by MoveTable; ties go to the lowest column, then row.
    void ChooseComputerMove(int& col, int& row) const;
    void UpdatePortraits();
    // The window is closing: pending pauses, animations and computer moves stop, and nothing
    // more is drawn or asked.
    void Abandon();

private:
    void DrawDisc(int col, int row, int picture) override;
    void Pause(int ms) override;
    void ShowResult();
    // Whether what began in `generation` has been overtaken by a new board or by Abandon.
    bool Overtaken(unsigned generation) const { return generation != FGeneration; }

    TServices& FServices;
    TMatchView& FView;
    TBoard FBoard;
    bool FClickAttached = true; // attached until the first turn decides
    bool FAbandoned = false;
    unsigned FGeneration = 0;   // bumped by NewBoard and Abandon
};
