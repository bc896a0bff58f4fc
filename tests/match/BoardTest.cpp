// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The board rules, each case on a position drawn as a picture.
#include "match/Board.h"
#include "match/BoardPicture.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using TPicture = std::vector<std::string>;

struct TFrame {
    int Col, Row, Picture, Stored; // Stored: the cell's value while the frame is on screen
    bool operator==(const TFrame&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TFrame& f)
{
    return out << "(" << f.Col << "," << f.Row << " pic " << f.Picture << " stored " << f.Stored
               << ")";
}

// Records the frames with what the board held in the cell at that moment, and the pauses.
class TRecordingAnimator final : public TBoardAnimator {
public:
    explicit TRecordingAnimator(const TBoard& board) : FBoard(board) {}
    std::vector<TFrame> Frames;
    std::vector<int> Pauses;
    void DrawDisc(int col, int row, int picture) override
    {
        Frames.push_back({col, row, picture, FBoard.Board[col][row]});
    }
    void Pause(int ms) override { Pauses.push_back(ms); }

    // The cells in the order their turning began.
    std::vector<std::pair<int, int>> TurnedCells() const
    {
        std::vector<std::pair<int, int>> cells;
        for (std::size_t i = 0; i < Frames.size(); i += TBoard::TurnFrames)
            cells.emplace_back(Frames[i].Col, Frames[i].Row);
        return cells;
    }

private:
    const TBoard& FBoard;
};

const TPicture Start = {
    "........",
    "........",
    "........",
    "...xo...",
    "...ox...",
    "........",
    "........",
    "........",
};

} // namespace

TEST(BoardPicture, PrintsBackWhatItRead)
{
    const TPicture picture = {
        "x......o",
        ".ox.....",
        "........",
        "...xo...",
        "...ox...",
        "........",
        "......x.",
        "o.......",
    };
    const TBoard board = BoardFromPicture(picture);
    EXPECT_EQ(BoardPicture(board), picture);
    EXPECT_EQ(board.Board[7][0], WhiteDisc) << "[column][row]: the top right cell";
    EXPECT_EQ(board.Board[1][1], WhiteDisc);
    EXPECT_EQ(board.Board[2][1], BlackDisc);
    EXPECT_EQ(board.ComputerDiscs, 5);
    EXPECT_EQ(board.PlayerDiscs, 5);
    EXPECT_EQ(BoardFromPicture({"x.", ".o"}).BoardSize, 2);
}

TEST(BoardPicture, RefusesMalformedPictures)
{
    EXPECT_THROW(BoardFromPicture({"x.", "o"}), std::invalid_argument);
    EXPECT_THROW(BoardFromPicture({"x.", "o#"}), std::invalid_argument);
    EXPECT_THROW(BoardFromPicture({"x"}), std::invalid_argument);
}

TEST(Board, FreshBoardGivesBlackFourMovesTurningOneEach)
{
    TBoard board;
    board.ResetBoard();
    ASSERT_EQ(BoardPicture(board), Start);
    EXPECT_EQ(board.FillMoveTable(BlackDisc), 4);
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 8; ++r) {
            const bool legal = (c == 2 && r == 4) || (c == 3 && r == 5) || (c == 4 && r == 2)
                               || (c == 5 && r == 3);
            const bool occupied = (c == 3 || c == 4) && (r == 3 || r == 4);
            EXPECT_EQ(board.MoveTable[c][r], legal ? 1 : occupied ? -1 : 0)
                << "cell " << c << "," << r;
        }
    EXPECT_EQ(board.FillMoveTable(WhiteDisc), 4);
}

struct TFlipCase {
    const char* Name;
    TPicture Picture;
    int Side, Col, Row, Expected;
    // When set, the board is shrunk to this size after the picture is laid: the picture's
    // cells outside the smaller square stay behind, as an earlier larger board leaves them.
    int LiveSize = 0;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TFlipCase& t, std::ostream* out)
{
    *out << t.Name;
}

class CountFlipsTest : public testing::TestWithParam<TFlipCase> {};

TEST_P(CountFlipsTest, CountsTheBracketedDiscs)
{
    const TFlipCase& t = GetParam();
    TBoard board = BoardFromPicture(t.Picture);
    if (t.LiveSize != 0)
        board.BoardSize = t.LiveSize;
    const TPicture before = BoardPicture(board);
    EXPECT_EQ(board.CountFlips(t.Side, t.Col, t.Row), t.Expected) << BoardPictureText(board);
    EXPECT_EQ(BoardPicture(board), before) << "CountFlips changed the board";
}

const TPicture Star = {
    "x.x.x...",
    ".ooo....",
    "xo.oox.o",
    ".ooo....",
    "x.x.x...",
    ".....o..",
    "........",
    "........",
};

INSTANTIATE_TEST_SUITE_P(Board, CountFlipsTest, testing::Values(
    TFlipCase{"LineIntoTheEdge", {"ooo.....", "........", "........", "........", "........",
                                  "........", "........", "........"}, BlackDisc, 3, 0, 0},
    TFlipCase{"LineIntoAnEmptyCell", {".ooo....", "........", "........", "........", "........",
                                      "........", "........", "........"}, BlackDisc, 4, 0, 0},
    TFlipCase{"OwnNeighbourStopsTheWalk", {".xox....", "........", "........", "........",
                                           "........", "........", "........", "........"},
              BlackDisc, 0, 0, 0},
    TFlipCase{"OneLine", {".oox....", "........", "........", "........", "........", "........",
                          "........", "........"}, BlackDisc, 0, 0, 2},
    TFlipCase{"WhiteTakesBlack", {".xxo....", "........", "........", "........", "........",
                                  "........", "........", "........"}, WhiteDisc, 0, 0, 2},
    TFlipCase{"EveryDirectionSums", Star, BlackDisc, 2, 2, 9},
    TFlipCase{"OccupiedByTheOtherSide", Star, BlackDisc, 1, 1, -1},
    TFlipCase{"OccupiedByTheOwnSide", Star, BlackDisc, 0, 0, -1},
    TFlipCase{"OnTheEdgeOfASmallBoard", {".ox", "...", "..."}, BlackDisc, 0, 0, 1},
    // A stale disc just outside a smaller board brackets nothing inside it.
    TFlipCase{"StaleDiscJustRightOfASmallerBoard", {".oox", "....", "....", "...."},
              BlackDisc, 0, 0, 0, 3},
    TFlipCase{"StaleDiscJustBelowASmallerBoard", {"....", "o...", "o...", "x..."},
              BlackDisc, 0, 0, 0, 3}),
    [](const testing::TestParamInfo<TFlipCase>& info) { return std::string(info.param.Name); });

TEST(Board, ApplyMoveTurnsEveryBracketedLineInDirectionOrderAndNothingElse)
{
    TBoard board = BoardFromPicture(Star);
    TRecordingAnimator animator(board);
    board.Board[2][2] = BlackDisc;
    EXPECT_EQ(board.ApplyMove(BlackDisc, 2, 2, animator), 9);
    EXPECT_EQ(BoardPicture(board), (TPicture{
        "x.x.x...",
        ".xxx....",
        "xxxxxx.o",
        ".xxx....",
        "x.x.x...",
        ".....o..",
        "........",
        "........",
    }));
    // Up, down, left, right (far end first), up-left, down-right, up-right, down-left.
    EXPECT_EQ(animator.TurnedCells(), (std::vector<std::pair<int, int>>{
        {2, 1}, {2, 3}, {1, 2}, {4, 2}, {3, 2}, {1, 1}, {3, 3}, {3, 1}, {1, 3}}));
}

struct TTurnCase {
    const char* Name;
    int Side;
    TPicture Picture;
    std::vector<int> Pictures;
};

void PrintTo(const TTurnCase& t, std::ostream* out)
{
    *out << t.Name;
}

class TurningTest : public testing::TestWithParam<TTurnCase> {};

TEST_P(TurningTest, TurnsFromTheFarEndWithSevenFramesAndStoresAfterThem)
{
    const TTurnCase& t = GetParam();
    TBoard board = BoardFromPicture(t.Picture);
    TRecordingAnimator animator(board);
    board.Board[0][0] = t.Side;
    ASSERT_EQ(board.ApplyMove(t.Side, 0, 0, animator), 3);

    std::vector<TFrame> expected;
    for (int col : {3, 2, 1}) // the disc next to the bracketing one first
        for (int picture : t.Pictures)
            expected.push_back({col, 0, picture, OtherSide(t.Side)});
    EXPECT_EQ(animator.Frames, expected);
    EXPECT_EQ(animator.Pauses, std::vector<int>(21, 50));
    for (int col : {1, 2, 3})
        EXPECT_EQ(board.Board[col][0], t.Side);
}

INSTANTIATE_TEST_SUITE_P(Board, TurningTest, testing::Values(
    TTurnCase{"WhiteTakes", WhiteDisc, {".xxxo...", "........", "........", "........",
                                        "........", "........", "........", "........"},
              {1, 2, 3, 4, 5, 6, 7}},
    TTurnCase{"BlackTakes", BlackDisc, {".ooox...", "........", "........", "........",
                                        "........", "........", "........", "........"},
              {7, 6, 5, 4, 3, 2, 1}}),
    [](const testing::TestParamInfo<TTurnCase>& info) { return std::string(info.param.Name); });

struct TResetCase {
    int Size;
    TPicture Expected;
};

void PrintTo(const TResetCase& t, std::ostream* out)
{
    *out << "size " << t.Size;
}

class ResetBoardTest : public testing::TestWithParam<TResetCase> {};

TEST_P(ResetBoardTest, SetsTheStartAndLeavesCellsOutsideAlone)
{
    const TResetCase& t = GetParam();
    TBoard board;
    // Stale discs from a larger board: white everywhere, closed by black on the far edges, so a
    // rule that looked past the live square would find moves or discs there.
    for (int c = 0; c < MaxBoardSize; ++c)
        for (int r = 0; r < MaxBoardSize; ++r)
            board.Board[c][r] = c == MaxBoardSize - 1 || r == MaxBoardSize - 1 ? BlackDisc
                                                                               : WhiteDisc;
    board.BoardSize = t.Size;
    board.ResetBoard();

    EXPECT_EQ(BoardPicture(board), t.Expected);
    for (int c = 0; c < MaxBoardSize; ++c)
        for (int r = 0; r < MaxBoardSize; ++r)
            if (!board.IsLive(c, r)) {
                ASSERT_EQ(board.Board[c][r], c == MaxBoardSize - 1 || r == MaxBoardSize - 1
                                                 ? BlackDisc : WhiteDisc)
                    << "cell " << c << "," << r << " outside the live square changed";
            }
    board.CountDiscs();
    EXPECT_EQ(board.ComputerDiscs, 2);
    EXPECT_EQ(board.PlayerDiscs, 2);
    EXPECT_EQ(board.FillMoveTable(BlackDisc), 4);
    EXPECT_EQ(board.FillMoveTable(WhiteDisc), 4);
}

INSTANTIATE_TEST_SUITE_P(Board, ResetBoardTest, testing::Values(
    TResetCase{4, {"....", ".xo.", ".ox.", "...."}},
    TResetCase{5, {".....", ".xo..", ".ox..", ".....", "....."}},
    TResetCase{6, {"......", "......", "..xo..", "..ox..", "......", "......"}},
    TResetCase{7, {".......", ".......", "..xo...", "..ox...", ".......", ".......", "......."}},
    TResetCase{8, Start},
    TResetCase{9, {".........", ".........", ".........", "...xo....", "...ox....", ".........",
                   ".........", ".........", "........."}}),
    [](const testing::TestParamInfo<TResetCase>& info) {
        return "Size" + std::to_string(info.param.Size);
    });
