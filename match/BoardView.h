// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "match/MatchView.h"

#include <QRect>
#include <functional>

class QPainter;
class TDrawGrid;
class TImage;
class TImageList;
class TMatch;

// The match on the screen: the board grid DrawGrid1 painted from the disc image list, and the
// two face pictures beside it. It forwards the grid's events to the match.
//
// Cells outside the live square (a board smaller than the grid) are drawn as out of play: the
// bare cell, dimmed, whatever an earlier larger board left in them. The match refuses clicks
// on them with the beep.
class TBoardView final : public TMatchView {
public:
    struct TParts {
        TDrawGrid& Grid;              // DrawGrid1
        const TImageList& Discs;      // il
        TImage& PlayerFace;           // Image1_01
        TImage& OpponentFace;         // Image1_02
        const TImageList& PlayerFaces;    // ImageList1
        const TImageList& OpponentFaces;  // ImageList2
    };

    TBoardView(TParts parts, std::function<void()> matchDecided);

    // Connects the grid's paint, click and key events to the match.
    void Attach(TMatch& match);

    void DrawGrid1DrawCell(int col, int row, QPainter& painter, const QRect& rect);

    void DrawDisc(int col, int row, int picture) override;
    void RepaintBoard() override;
    int CurrentCol() const override;
    int CurrentRow() const override;
    void SetCurrentCell(int col, int row) override;
    void ShowPlayerFace(int index) override;
    void ShowOpponentFace(int index) override;
    void MatchDecided() override;

private:
    void ShowFace(TImage& image, const TImageList& faces, int index);

    TParts FParts;
    std::function<void()> FMatchDecided;
    TMatch* FMatch = nullptr;
};
