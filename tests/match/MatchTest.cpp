// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The turn cycle against the services double and a recording board view: every beep, pause,
// frame, face and message of a match in the order they happen.
#include "FakeMatchView.h"
#include "FakeServices.h"
#include "match/BoardPicture.h"
#include "match/Match.h"

#include <gtest/gtest.h>

#include <Qt>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

using TPicture = std::vector<std::string>;

// The log of drawing `pictures` one after the other over a cell, each followed by its pause.
QStringList Frames(int col, int row, std::initializer_list<int> pictures)
{
    QStringList log;
    for (int picture : pictures)
        log << QStringLiteral("disc %1,%2 %3").arg(col).arg(row).arg(picture)
            << QStringLiteral("sleep 50");
    return log;
}

QString Blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

// A new 8 by 8 board up to the player's first turn: the computer opens at (2,4), turning (3,4).
QStringList OpeningLog()
{
    QStringList log = {"repaint", "player face 8", "opponent face 1", "wait 500", "cell 2,4"};
    log << Frames(2, 4, {2, 1}) << Frames(3, 4, {7, 6, 5, 4, 3, 2, 1});
    log << "player face 7" << "opponent face 1";
    return log;
}

const TPicture AfterOpening = {
    "........",
    "........",
    "........",
    "...xo...",
    "..xxx...",
    "........",
    "........",
    "........",
};

// Black's lone disc in one corner, white's in the other: nobody can move, one disc each.
const TPicture Stalemate = {
    "x.......",
    "........",
    "........",
    "........",
    "........",
    "........",
    "........",
    ".......o",
};

const TPicture WhiteMustPass = {
    "xo......",
    "........",
    "........",
    "........",
    "........",
    "........",
    "........",
    "........",
};

// `whiteRows` rows of white above black: a full board with nothing left to play.
TPicture FullBoard(int whiteRows)
{
    TPicture rows;
    for (int r = 0; r < 8; ++r)
        rows.push_back(std::string(8, r < whiteRows ? 'o' : 'x'));
    return rows;
}

bool SameCells(const TBoard& a, const TBoard& b)
{
    return std::equal(&a.Board[0][0], &a.Board[0][0] + MaxBoardSize * MaxBoardSize,
                      &b.Board[0][0]);
}

class MatchTest : public testing::Test {
protected:
    TFakeServices Services;
    TFakeMatchView View{Services.Log};
    TMatch Match{Services, View};

    MatchTest() { View.Match = &Match; }

    // A position as the turn cycle finds it right after `lastMover` has moved, the computer
    // playing black.
    void SetPosition(const TPicture& picture, int lastMover)
    {
        Match.Board() = BoardFromPicture(picture);
        Match.SideController[0] = 1;
        Match.SideController[1] = 0;
        Match.SideToMove = lastMover;
    }

    // Starts a match and forgets its opening, for the cases that begin on the player's turn.
    void StartAndClearLog()
    {
        Match.StartMatch();
        ASSERT_TRUE(Match.ClickAttached());
        Services.Log.clear();
    }
};

} // namespace

TEST_F(MatchTest, ComputerOpensAfterItsPauseAndHandsTheTurnOver)
{
    Match.StartMatch();

    EXPECT_EQ(Services.Log, OpeningLog());
    EXPECT_EQ(BoardPicture(Match.Board()), AfterOpening);
    EXPECT_EQ(Match.Board().ComputerDiscs, 4);
    EXPECT_EQ(Match.Board().PlayerDiscs, 1);
    EXPECT_EQ(View.PlayerFace, 7);
    EXPECT_EQ(Match.SideController[0], 1);
    EXPECT_EQ(Match.SideController[1], 0);
    EXPECT_EQ(Match.SideToMove, WhiteDisc);
    EXPECT_TRUE(Match.ClickAttached());
    EXPECT_EQ(Services.Clock, 500 + 9 * 50);
}

TEST_F(MatchTest, ClicksDuringTheComputersPauseDoNothing)
{
    Services.OnPump = [this] {
        View.Click(2, 4);
        View.Click(0, 0);
    };
    Match.StartMatch();
    EXPECT_EQ(Services.Log, OpeningLog());
}

TEST_F(MatchTest, PlayerMoveIsAnsweredAfterTheComputersPause)
{
    StartAndClearLog();
    View.Click(4, 5);

    QStringList expected = Frames(4, 5, {6, 7}) + Frames(4, 4, {1, 2, 3, 4, 5, 6, 7});
    expected << "player face 8" << "opponent face 1" << "wait 500" << "cell 5,2";
    expected << Frames(5, 2, {2, 1}) << Frames(4, 3, {7, 6, 5, 4, 3, 2, 1});
    expected << "player face 7" << "opponent face 1";
    EXPECT_EQ(Services.Log, expected);
    EXPECT_EQ(BoardPicture(Match.Board()), (TPicture{
        "........",
        "........",
        ".....x..",
        "...xx...",
        "..xxo...",
        "....o...",
        "........",
        "........",
    }));
    EXPECT_TRUE(Match.ClickAttached());
}

TEST_F(MatchTest, RefusedCellsOnlyBeep)
{
    StartAndClearLog();
    Match.DrawGrid1KeyDown(Qt::Key_Down); // a 7 by 7 board on the 8 by 8 grid
    ASSERT_EQ(Match.Board().BoardSize, 7);
    TBoard& board = Match.Board();
    board.Board[7][5] = WhiteDisc; // left over from a larger board
    board.Board[5][3] = WhiteDisc; // white would bracket (6,3) from outside the square
    board.Board[6][3] = BlackDisc;
    board.Board[5][5] = WhiteDisc; // white would bracket (5,6) from the row below the square
    board.Board[5][6] = BlackDisc;
    Services.Log.clear();
    const TBoard before = Match.Board();

    struct TCase {
        const char* Name;
        int Col, Row;
    };
    for (const TCase& t : {TCase{"occupied", 2, 2}, TCase{"turns nothing", 0, 0},
                           TCase{"outside the live square", 7, 7},
                           TCase{"outside, on an old disc", 7, 5},
                           TCase{"outside, bracketing a line inside", 7, 3},
                           TCase{"below, bracketing a line inside", 5, 7},
                           TCase{"outside, next to the discs", 4, 7}}) {
        SCOPED_TRACE(t.Name);
        Services.Log.clear();
        View.Click(t.Col, t.Row);
        EXPECT_EQ(Services.Log, QStringList{"beep"});
        EXPECT_TRUE(SameCells(Match.Board(), before)) << BoardPictureText(Match.Board());
        EXPECT_EQ(Match.SideToMove, WhiteDisc);
        EXPECT_TRUE(Match.ClickAttached());
    }
}

TEST_F(MatchTest, PlayerWithoutAMovePassesWithOneBeepAndTheComputerMovesAgain)
{
    SetPosition(WhiteMustPass, BlackDisc);
    Match.NextTurn();

    QStringList expected = {"beep", "player face 8", "opponent face 1", "wait 500", "cell 2,0"};
    expected << Frames(2, 0, {2, 1}) << Frames(1, 0, {7, 6, 5, 4, 3, 2, 1});
    expected << "beep" << "message 0 vs 3 でラリィの負け(涙)" + Blanks(6) << "decided";
    EXPECT_EQ(Services.Log, expected);
}

TEST_F(MatchTest, ComputerWithoutAMovePassesWithOneBeepAndThePlayerMoves)
{
    SetPosition({"ox......", "........", "........", "........", "........", "........",
                 "........", "........"},
                WhiteDisc);
    Match.NextTurn();
    EXPECT_EQ(Services.Log, (QStringList{"beep", "player face 8", "opponent face 1"}));
    ASSERT_TRUE(Match.ClickAttached());
    ASSERT_EQ(Match.SideToMove, WhiteDisc);

    Services.Log.clear();
    View.Click(2, 0);
    QStringList expected = Frames(2, 0, {6, 7}) + Frames(1, 0, {1, 2, 3, 4, 5, 6, 7});
    expected << "beep" << "message 3 vs 0 でラリィの勝ち" + Blanks(10) << "decided";
    EXPECT_EQ(Services.Log, expected);
}

struct TResultCase {
    const char* Name;
    TPicture Picture;
    QString Message;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TResultCase& t, std::ostream* out)
{
    *out << t.Name;
}

class MatchResultTest : public MatchTest, public testing::WithParamInterface<TResultCase> {};

TEST_P(MatchResultTest, ShowsThePlayersCountFirstAndHandsOver)
{
    const TResultCase& t = GetParam();
    SetPosition(t.Picture, BlackDisc);
    Match.NextTurn();
    // No faces: they keep their look from the start of the last turn.
    EXPECT_EQ(Services.Log, (QStringList{"beep", "message " + t.Message, "decided"}));
    EXPECT_EQ(View.Decided, 1);
}

INSTANTIATE_TEST_SUITE_P(MatchTest, MatchResultTest, testing::Values(
    TResultCase{"WonOnAFullBoard", FullBoard(5), "40 vs 24 でラリィの勝ち" + Blanks(10)},
    TResultCase{"LostOnAFullBoard", FullBoard(3), "24 vs 40 でラリィの負け(涙)" + Blanks(6)},
    TResultCase{"WonWithEmptyCellsLeft", {"o.o.....", "........", "o.......", "........",
                                          "........", "........", "........", ".......x"},
                "3 vs 1 でラリィの勝ち" + Blanks(10)}),
    [](const testing::TestParamInfo<TResultCase>& info) { return std::string(info.param.Name); });

TEST_F(MatchTest, DrawRestartsAtOnceWithTheComputersOpening)
{
    SetPosition(Stalemate, BlackDisc);
    Match.NextTurn();

    const QString draw = "1 vs 1 で引き分け" + Blanks(14);
    EXPECT_EQ(Services.Log, QStringList({"beep", "message " + draw}) + OpeningLog());
    EXPECT_EQ(BoardPicture(Match.Board()), AfterOpening);
    EXPECT_EQ(View.Decided, 0);
    EXPECT_TRUE(Match.ClickAttached());
}

TEST_F(MatchTest, ComputerTakesTheMostTurnsLowestColumnThenRow)
{
    struct TCase {
        const char* Name;
        int Size;
        std::vector<std::array<int, 3>> Entries; // col, row, MoveTable value
        int Col, Row;
    };
    const TCase cases[] = {
        {"a single move", 8, {{6, 5, 1}}, 6, 5},
        {"the most turns wins", 8, {{1, 1, 2}, {6, 6, 5}, {7, 0, 3}}, 6, 6},
        {"a tie goes to the lower column", 8, {{5, 1, 3}, {2, 6, 3}, {2, 7, 3}}, 2, 6},
        {"a tie in one column goes to the lower row", 8, {{3, 6, 2}, {3, 1, 2}}, 3, 1},
        {"the corner holds a tie", 8, {{0, 0, 2}, {0, 1, 2}, {4, 4, 2}}, 0, 0},
        {"stale entries beyond a smaller board are not read", 5, {{5, 5, 9}, {1, 2, 1}}, 1, 2},
    };
    for (const TCase& t : cases) {
        SCOPED_TRACE(t.Name);
        TBoard& board = Match.Board();
        board = TBoard();
        board.BoardSize = t.Size;
        for (int c = 0; c < 8; ++c)
            for (int r = 0; r < 8; ++r)
                board.MoveTable[c][r] = (c + r) % 3 == 0 ? -1 : 0; // occupied and illegal cells
        for (const auto& [c, r, value] : t.Entries)
            board.MoveTable[c][r] = value;
        int col = -1, row = -1;
        Match.ChooseComputerMove(col, row);
        EXPECT_EQ(col, t.Col);
        EXPECT_EQ(row, t.Row);
    }
}

TEST_F(MatchTest, FacesFollowTheScore)
{
    struct TCase {
        int Player, Computer;
        int Left; // -1: the left face keeps what it showed
        int Right;
    };
    const TCase cases[] = {
        {1, 4, 7, 1},    {3, 4, 7, 1},    {2, 2, 8, 1},    {40, 5, -1, 0}, {5, 40, -1, 2},
        {32, 0, 16, 0},  {0, 32, 0, 2},   {35, 0, 16, 0},  {36, 0, -1, 0}, {21, 10, 11, 0},
        {20, 10, 11, 1}, {10, 20, 5, 1},  {10, 21, 5, 2},
    };
    for (const TCase& t : cases) {
        SCOPED_TRACE(testing::Message() << t.Player << " vs " << t.Computer);
        View.PlayerFace = 99;
        Match.Board().PlayerDiscs = t.Player;
        Match.Board().ComputerDiscs = t.Computer;
        Match.UpdatePortraits();
        EXPECT_EQ(View.PlayerFace, t.Left == -1 ? 99 : t.Left);
        EXPECT_EQ(View.OpponentFace, t.Right);
    }
}

class MatchSizeTest : public MatchTest, public testing::WithParamInterface<int> {};

TEST_P(MatchSizeTest, PlaysARealMatchWithTheFullPauseBeforeEveryComputerMove)
{
    const int size = GetParam();
    StartAndClearLog();
    for (int s = 8; s > size; --s)
        Match.DrawGrid1KeyDown(Qt::Key_Down);
    ASSERT_EQ(Match.Board().BoardSize, size);
    // A draw would start the same game again: one result is enough.
    Services.OnMessage = [this](const QString&) { Match.Abandon(); };

    // The player takes the first legal cell; on its turn MoveTable holds white's moves.
    int playerMoves = 0;
    while (Services.Messages.isEmpty()) {
        ASSERT_TRUE(Match.ClickAttached());
        ASSERT_LT(playerMoves, size * size);
        const TBoard& board = Match.Board();
        int col = 0, row = 0;
        while (board.MoveTable[col][row] <= 0) {
            if (++row == size) {
                row = 0;
                ASSERT_LT(++col, size);
            }
        }
        View.Click(col, row);
        ++playerMoves;
    }

    const QStringList& log = Services.Log;
    const int computerMoves = int(log.filter(QStringLiteral("cell ")).size());
    EXPECT_GT(playerMoves, 1);
    EXPECT_GT(computerMoves, 1);
    EXPECT_EQ(Services.Count("wait 500"), computerMoves);
    for (int i = 0; i < log.size(); ++i)
        if (log[i].startsWith(QStringLiteral("cell "))) {
            ASSERT_GE(i, 3);
            EXPECT_EQ(log[i - 1], "wait 500") << "computer move " << log[i].toStdString();
            EXPECT_TRUE(log[i - 2].startsWith(QStringLiteral("opponent face")))
                << "the faces are updated before the pause";
            EXPECT_TRUE(log[i + 1].startsWith("disc " + log[i].mid(5) + " 2"))
                << "the computer's cell was refused: " << log[i].toStdString();
        }
    TBoard final = Match.Board();
    EXPECT_EQ(final.FillMoveTable(BlackDisc), 0);
    EXPECT_EQ(final.FillMoveTable(WhiteDisc), 0);
    EXPECT_EQ(Services.Messages.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(MatchTest, MatchSizeTest, testing::Range(TMatch::MinBoardSize,
                                                                  TMatch::MaxPlayableSize + 1));

TEST_F(MatchTest, KeysThatWouldLeaveTheSizeRangeChangeNothing)
{
    StartAndClearLog();
    const TBoard atEight = Match.Board();
    Match.DrawGrid1KeyDown(Qt::Key_Up);
    Match.DrawGrid1KeyDown(Qt::Key_Left);
    Match.DrawGrid1KeyDown(Qt::Key_A);
    EXPECT_TRUE(Services.Log.isEmpty()) << Services.Log.join(" | ").toStdString();
    EXPECT_EQ(Match.Board().BoardSize, 8);
    EXPECT_TRUE(SameCells(Match.Board(), atEight));

    for (int size = 7; size >= TMatch::MinBoardSize; --size) {
        Match.DrawGrid1KeyDown(Qt::Key_Down);
        ASSERT_EQ(Match.Board().BoardSize, size);
    }
    Services.Log.clear();
    const TBoard atFour = Match.Board();
    Match.DrawGrid1KeyDown(Qt::Key_Down);
    EXPECT_TRUE(Services.Log.isEmpty()) << Services.Log.join(" | ").toStdString();
    EXPECT_EQ(Match.Board().BoardSize, TMatch::MinBoardSize);
    EXPECT_TRUE(SameCells(Match.Board(), atFour));

    Match.DrawGrid1KeyDown(Qt::Key_Up);
    EXPECT_EQ(Match.Board().BoardSize, 5);
    EXPECT_EQ(Services.Log.first(), "repaint");
}

TEST_F(MatchTest, DownOnThePlayersFirstTurnRestartsSmallerAndTheGridsCellMovePlays)
{
    StartAndClearLog();
    Match.DrawGrid1KeyDown(Qt::Key_Down);
    // The computer opens the 7 by 7 board at (1,3), turning (2,3).
    QStringList expected = {"repaint", "player face 8", "opponent face 1", "wait 500", "cell 1,3"};
    expected << Frames(1, 3, {2, 1}) << Frames(2, 3, {7, 6, 5, 4, 3, 2, 1});
    expected << "player face 7" << "opponent face 1";
    EXPECT_EQ(Services.Log, expected);
    EXPECT_EQ(BoardPicture(Match.Board()), (TPicture{
        ".......",
        ".......",
        "..xo...",
        ".xxx...",
        ".......",
        ".......",
        ".......",
    }));

    // The key goes on to the grid, which moves the current cell one row down and raises its
    // click event: a legal white move there, so the disc is placed at once.
    Services.Log.clear();
    View.Click(View.Col, View.Row + 1);
    const QStringList placed = Frames(1, 4, {6, 7}) + Frames(2, 3, {1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(Services.Log.mid(0, placed.size()), placed);
}

TEST_F(MatchTest, NewBoardDuringTheComputersPauseCancelsItsPendingMove)
{
    bool pressed = false;
    Services.OnPump = [&] {
        if (!pressed) {
            pressed = true;
            Match.DrawGrid1KeyDown(Qt::Key_Down);
        }
    };
    Match.StartMatch();

    // The move chosen for the 8 by 8 board, (2,4), is never played on the new one.
    QStringList expected = {"repaint", "player face 8", "opponent face 1", "wait 500"};
    expected << "repaint" << "player face 8" << "opponent face 1" << "wait 500" << "cell 1,3";
    expected << Frames(1, 3, {2, 1}) << Frames(2, 3, {7, 6, 5, 4, 3, 2, 1});
    expected << "player face 7" << "opponent face 1";
    EXPECT_EQ(Services.Log, expected);
    EXPECT_EQ(Match.Board().BoardSize, 7);
    EXPECT_EQ(Match.SideToMove, WhiteDisc);
    EXPECT_TRUE(Match.ClickAttached());
}

TEST_F(MatchTest, AbandonDuringTheComputersPauseStopsEverything)
{
    Services.OnPump = [this] { Match.Abandon(); };
    Match.StartMatch();
    const QStringList expected = {"repaint", "player face 8", "opponent face 1", "wait 500"};
    EXPECT_EQ(Services.Log, expected);

    // Nothing the closing window might still deliver acts any more.
    Services.OnPump = nullptr;
    Match.NewBoard();
    Match.NextTurn();
    Match.DrawGrid1KeyDown(Qt::Key_Down);
    View.Click(2, 4);
    Match.DrawGrid1Click();
    EXPECT_EQ(Services.Log, expected);
    EXPECT_FALSE(Match.ClickAttached());
    EXPECT_EQ(Match.Board().BoardSize, 8);
}

TEST_F(MatchTest, AbandonDuringAnAnimationDrawsAndWaitsNoMore)
{
    int frames = 0;
    View.OnDrawDisc = [&] {
        if (++frames == 3) // the first frame of the turning disc
            Match.Abandon();
    };
    Match.StartMatch();
    QStringList expected = {"repaint", "player face 8", "opponent face 1", "wait 500", "cell 2,4"};
    expected << Frames(2, 4, {2, 1}) << "disc 3,4 7";
    EXPECT_EQ(Services.Log, expected);
    EXPECT_FALSE(Match.ClickAttached());
}

TEST_F(MatchTest, AbandonDuringTheDrawMessageStartsNoNewBoard)
{
    SetPosition(Stalemate, BlackDisc);
    Services.OnMessage = [this](const QString&) { Match.Abandon(); };
    Match.NextTurn();
    EXPECT_EQ(Services.Log, (QStringList{"beep", "message 1 vs 1 で引き分け" + Blanks(14)}));
    EXPECT_EQ(BoardPicture(Match.Board()), Stalemate);
}

TEST_F(MatchTest, NewBoardDuringTheResultMessageTakesOverFromTheOldResult)
{
    SetPosition(FullBoard(3), BlackDisc);
    bool pressed = false;
    Services.OnMessage = [&](const QString&) {
        if (!pressed) {
            pressed = true;
            Match.DrawGrid1KeyDown(Qt::Key_Down);
        }
    };
    Match.NextTurn();
    // The lost match does not hand over to the rewards while the new one is being played.
    EXPECT_EQ(View.Decided, 0);
    EXPECT_EQ(Match.Board().BoardSize, 7);
    EXPECT_TRUE(Match.ClickAttached());
    EXPECT_EQ(Services.Log.last(), "opponent face 1");
}

// The pause must last its 500 ms when events arrive in it: each wait returns once an event was
// handled, and the computer waits again for the rest of its half second.
TEST_F(MatchTest, TheComputersPauseLastsHalfASecondWithEventsArrivingInIt)
{
    int handled = 0;
    for (std::int64_t at : {100, 220, 499})
        Services.Arrive(at, [&] { ++handled; });
    Match.StartMatch();
    EXPECT_EQ(handled, 3);
    const QStringList waits = {"wait 500", "wait 400", "wait 280", "wait 1"};
    const qsizetype first = Services.Log.indexOf(QStringLiteral("wait 500"));
    ASSERT_GE(first, 0);
    EXPECT_EQ(Services.Log.mid(first, waits.size() + 1), waits + QStringList{QStringLiteral("cell 2,4")});
    EXPECT_EQ(Services.Clock, 500 + 9 * 50) << "the opening's frames begin at 500 ms";
}
