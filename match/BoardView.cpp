// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "BoardView.h"

#include "match/Match.h"
#include "platform/DrawGrid.h"
#include "platform/Image.h"
#include "platform/ImageList.h"

#include <QPainter>

using namespace TarvoWidgets;

namespace {
// How much of a cell outside the live square stays visible under its shade.
constexpr int OutOfPlayShade = 150;
} // namespace

TBoardView::TBoardView(TParts parts, std::function<void()> matchDecided)
    : FParts(parts), FMatchDecided(std::move(matchDecided))
{
}

void TBoardView::Attach(TMatch& match)
{
    FMatch = &match;
    FParts.Grid.OnDrawCell = [this](int col, int row, QPainter& painter, const QRect& rect) {
        DrawGrid1DrawCell(col, row, painter, rect);
    };
    FParts.Grid.OnClick = [&match] { match.GridClicked(); };
    FParts.Grid.OnKeyDown = [&match](int key, Qt::KeyboardModifiers) { match.DrawGrid1KeyDown(key); };
    FParts.Grid.InvalidateGrid();
}

void TBoardView::DrawGrid1DrawCell(int col, int row, QPainter& painter, const QRect& rect)
{
    const TBoard& board = FMatch->Board();
    if (board.IsLive(col, row)) {
        FParts.Discs.Draw(painter, rect.left(), rect.top(), board.Board[col][row]);
        return;
    }
    FParts.Discs.Draw(painter, rect.left(), rect.top(), Empty);
    painter.fillRect(rect, QColor(0, 0, 0, OutOfPlayShade));
}

void TBoardView::DrawDisc(int col, int row, int picture)
{
    FParts.Grid.DrawOnCellNow(col, row, [&](QPainter& painter, const QRect& rect) {
        FParts.Discs.Draw(painter, rect.left(), rect.top(), picture);
    });
}

void TBoardView::RepaintBoard()
{
    FParts.Grid.InvalidateGrid();
}

int TBoardView::CurrentCol() const
{
    return FParts.Grid.Col();
}

int TBoardView::CurrentRow() const
{
    return FParts.Grid.Row();
}

void TBoardView::SetCurrentCell(int col, int row)
{
    FParts.Grid.SetCol(col);
    FParts.Grid.SetRow(row);
}

void TBoardView::ShowPlayerFace(int index)
{
    ShowFace(FParts.PlayerFace, FParts.PlayerFaces, index);
}

void TBoardView::ShowOpponentFace(int index)
{
    ShowFace(FParts.OpponentFace, FParts.OpponentFaces, index);
}

void TBoardView::ShowFace(TImage& image, const TImageList& faces, int index)
{
    image.Clear();
    faces.Draw(image.Canvas(), 0, 0, index);
    image.update();
}

void TBoardView::MatchDecided()
{
    if (FMatchDecided)
        FMatchDecided();
}
