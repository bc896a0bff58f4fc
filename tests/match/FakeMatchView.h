// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "match/Match.h"
#include "match/MatchView.h"

#include <QStringList>
#include <functional>

// The board view's test double. It writes every call into the log it is given (the services'
// log, so frames, pauses, beeps and messages appear in one order) and behaves like the grid:
// making a cell current raises the click event, which reaches the match's GridClicked.
class TFakeMatchView final : public TMatchView {
public:
    explicit TFakeMatchView(QStringList& log) : FLog(log) {}

    TMatch* Match = nullptr;
    int Col = 0, Row = 0;
    int PlayerFace = -1, OpponentFace = -1;
    int Decided = 0;
    // Runs after each frame is drawn: a test's stand-in for events that arrive mid-animation.
    std::function<void()> OnDrawDisc;

    // The player's mouse click on a cell.
    void Click(int col, int row)
    {
        Col = col;
        Row = row;
        if (Match)
            Match->GridClicked();
    }

    void DrawDisc(int col, int row, int picture) override
    {
        FLog << QStringLiteral("disc %1,%2 %3").arg(col).arg(row).arg(picture);
        if (OnDrawDisc)
            OnDrawDisc();
    }
    void RepaintBoard() override { FLog << QStringLiteral("repaint"); }
    int CurrentCol() const override { return Col; }
    int CurrentRow() const override { return Row; }
    void SetCurrentCell(int col, int row) override
    {
        FLog << QStringLiteral("cell %1,%2").arg(col).arg(row);
        Click(col, row);
    }
    void ShowPlayerFace(int index) override
    {
        FLog << QStringLiteral("player face %1").arg(index);
        PlayerFace = index;
    }
    void ShowOpponentFace(int index) override
    {
        FLog << QStringLiteral("opponent face %1").arg(index);
        OpponentFace = index;
    }
    void MatchDecided() override
    {
        FLog << QStringLiteral("decided");
        ++Decided;
    }

private:
    QStringList& FLog;
};
