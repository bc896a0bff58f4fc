// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "Match.h"

#include "MatchView.h"
#include "platform/Services.h"

#include <QString>
#include <Qt>

namespace {

int ControllerIndex(int side)
{
    return side == BlackDisc ? 0 : 1;
}

// The result's suffixes keep their trailing blanks: the message box is sized to the text.
const QString DrawSuffix = QStringLiteral(" で引き分け              ");
const QString WinSuffix = QStringLiteral(" でラリィの勝ち          ");
const QString LossSuffix = QStringLiteral(" でラリィの負け(涙)      ");

} // namespace

TMatch::TMatch(TServices& services, TMatchView& view)
    : FServices(services)
    , FView(view)
{
}

void TMatch::StartMatch()
{
    SideController[0] = 1;
    SideController[1] = 0;
    NewBoard();
}

void TMatch::NewBoard()
{
    if (FAbandoned)
        return;
    ++FGeneration; // whatever waited for the old position must not act on this one
    FBoard.ResetBoard();
    FView.RepaintBoard();
    SideToMove = WhiteDisc; // NextTurn hands the first turn to black
    NextTurn();
}

void TMatch::NextTurn()
{
    if (FAbandoned)
        return;
    for (;;) {
        SideToMove = OtherSide(SideToMove);
        if (FBoard.FillMoveTable(SideToMove) > 0)
            break;
        if (FBoard.FillMoveTable(OtherSide(SideToMove)) == 0) {
            ShowResult();
            return;
        }
        FServices.Beep(); // a pass; the refill above is done again for the side that moves
    }
    FBoard.CountDiscs();
    UpdatePortraits();
    // The pause is measured from the start of the computer's turn.
    const std::int64_t deadline = FServices.TickCount() + ComputerPauseMs;

    if (SideController[ControllerIndex(SideToMove)] == 0) {
        FClickAttached = true;
        return;
    }
    FClickAttached = false;
    int col = 0, row = 0;
    ChooseComputerMove(col, row);
    // Menu keys and the board keys run inside this wait; a new board started there (or the
    // window closing) makes the chosen move stale.
    const unsigned generation = FGeneration;
    for (std::int64_t now = FServices.TickCount(); now < deadline && !Overtaken(generation);
         now = FServices.TickCount())
        FServices.WaitForMessages(int(deadline - now));
    if (Overtaken(generation))
        return;
    FView.SetCurrentCell(col, row);
    DrawGrid1Click();
}

void TMatch::GridClicked()
{
    if (FClickAttached)
        DrawGrid1Click();
}

void TMatch::DrawGrid1Click()
{
    if (FAbandoned)
        return;
    const int col = FView.CurrentCol(), row = FView.CurrentRow();
    // The rules know only the live square; the grid also shows the cells around a smaller one.
    if (!FBoard.IsLive(col, row) || FBoard.CountFlips(SideToMove, col, row) <= 0) {
        FServices.Beep();
        return;
    }
    // The animation pauses take no input, so nothing can start another board meanwhile; a
    // window closing during them only silences the rest of the move.
    const int side = SideToMove;
    DrawDisc(col, row, side == BlackDisc ? side + 1 : side - 1); // the disc lifted, then laid
    Pause(TBoard::FramePauseMs);
    DrawDisc(col, row, side);
    Pause(TBoard::FramePauseMs);
    FBoard.Board[col][row] = side;
    FBoard.ApplyMove(side, col, row, *this);
    NextTurn();
}

void TMatch::DrawGrid1KeyDown(int key)
{
    if (FAbandoned)
        return;
    int size = FBoard.BoardSize;
    if (key == Qt::Key_Up)
        ++size;
    else if (key == Qt::Key_Down)
        --size;
    else
        return;
    if (size < MinBoardSize || size > MaxPlayableSize)
        return;
    FBoard.BoardSize = size;
    NewBoard();
}

void TMatch::ChooseComputerMove(int& col, int& row) const
{
    col = 0;
    row = 0;
    for (int c = 0; c < FBoard.BoardSize; ++c)
        for (int r = 0; r < FBoard.BoardSize; ++r)
            if (FBoard.MoveTable[c][r] > FBoard.MoveTable[col][row]) {
                col = c;
                row = r;
            }
}

void TMatch::UpdatePortraits()
{
    const int d = FBoard.PlayerDiscs / 4 - FBoard.ComputerDiscs / 4;
    if (d >= -8 && d <= 8)
        FView.ShowPlayerFace(d + 8); // beyond that the face keeps its last look
    int opponent = 1;
    if (FBoard.PlayerDiscs > FBoard.ComputerDiscs + 10)
        opponent = 0;
    else if (FBoard.PlayerDiscs < FBoard.ComputerDiscs - 10)
        opponent = 2;
    FView.ShowOpponentFace(opponent);
}

void TMatch::Abandon()
{
    FAbandoned = true;
    FClickAttached = false;
    ++FGeneration;
}

void TMatch::DrawDisc(int col, int row, int picture)
{
    if (!FAbandoned)
        FView.DrawDisc(col, row, picture);
}

void TMatch::Pause(int ms)
{
    if (!FAbandoned)
        FServices.Sleep(ms);
}

void TMatch::ShowResult()
{
    FBoard.CountDiscs();
    const int player = FBoard.PlayerDiscs, computer = FBoard.ComputerDiscs;
    const QString& suffix = player == computer ? DrawSuffix
                            : player > computer ? WinSuffix
                                                : LossSuffix;
    const unsigned generation = FGeneration;
    FServices.Beep();
    FServices.ShowMessage(QString::number(player) + QStringLiteral(" vs ")
                          + QString::number(computer) + suffix);
    if (Overtaken(generation))
        return;
    if (player == computer)
        NewBoard(); // a draw is played again at once
    else
        FView.MatchDecided();
}
