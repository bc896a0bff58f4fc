// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "FakeServices.h"
#include "match/BoardView.h"
#include "match/Match.h"
#include "platform/DrawGrid.h"
#include "platform/Image.h"
#include "platform/ImageList.h"

#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

// Points and texts print as what they are when a comparison fails.
void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << "(" << point.x() << ", " << point.y() << ")";
}
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << "rgb(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}

namespace {

const QColor Purple(128, 0, 128);

// The game page's board and faces around a real grid, with the layout's disc pictures and
// plain one-colour faces whose index can be read back from their colour.
struct BoardViewFixture : testing::Test {
    TFakeServices services;
    QWidget page;
    TDrawGrid* grid = new TDrawGrid(&page);
    TImage* playerFace = new TImage(&page);
    TImage* opponentFace = new TImage(&page);
    TImageList discs{40, 50, 0x800080};
    TImageList playerFaces{110, 110, 0x800080};
    TImageList opponentFaces{110, 110, 0x800080};
    int decided = 0;
    TBoardView view{{*grid, discs, *playerFace, *opponentFace, playerFaces, opponentFaces}, [this] { ++decided; }};
    TMatch match{services, view};

    BoardViewFixture()
    {
        for (int k = 0; k < 8; ++k)
            discs.Add(QImage(QStringLiteral(":/layout/disc%1.bmp").arg(k)));
        for (int k = 0; k < 17; ++k)
            playerFaces.Add(Face(k));
        for (int k = 0; k < 3; ++k)
            opponentFaces.Add(Face(100 + k));
        grid->setGeometry(152, 31, 336, 416);
        grid->SetLayout(8, 8, 40, 50, 2);
        playerFace->setGeometry(24, 56, 110, 110);
        opponentFace->setGeometry(507, 56, 110, 110);
        page.resize(640, 480);
        view.Attach(match);
    }
    static QImage Face(int index)
    {
        QImage face(110, 110, QImage::Format_RGB32);
        face.fill(QColor(index, 50, 50));
        return face;
    }
    // The colour at the middle of a disc's rows in cell (col, row), and at the cell's top
    // edge, where no disc picture reaches.
    QColor DiscPixel(int col, int row) const { return grid->grab().toImage().pixelColor(42 * col + 20, 52 * row + 32); }
    QColor GroundPixel(int col, int row) const { return grid->grab().toImage().pixelColor(42 * col + 20, 52 * row + 1); }
    static bool IsBlack(QColor c) { return c.red() < 90 && c.green() < 90 && c.blue() < 90; }
    static bool IsWhite(QColor c) { return c.red() > 180 && c.green() > 180 && c.blue() > 180; }
};

} // namespace

TEST_F(BoardViewFixture, CellsShowTheirValuesAndTheFacesFollowTheScore)
{
    match.StartMatch();   // the computer opens at (2, 4), turning (3, 4)
    EXPECT_TRUE(IsBlack(DiscPixel(2, 4)));
    EXPECT_TRUE(IsBlack(DiscPixel(3, 4)));
    EXPECT_TRUE(IsWhite(DiscPixel(4, 3)));
    EXPECT_EQ(DiscPixel(0, 0), Purple) << "an empty cell is the bare purple cell";
    EXPECT_EQ(grid->grab().toImage().pixelColor(40, 5), QColor(192, 192, 192)) << "silver grid lines";
    // Player 1, computer 4: face (1 div 4) - (4 div 4) + 8 = 7; the opponent's close-game face 1.
    EXPECT_EQ(playerFace->Picture().pixelColor(50, 50), QColor(7, 50, 50));
    EXPECT_EQ(opponentFace->Picture().pixelColor(50, 50), QColor(101, 50, 50));
}

TEST_F(BoardViewFixture, AMouseClickIsThePlayersMoveAndAnOccupiedCellOnlyBeeps)
{
    match.StartMatch();
    services.Log.clear();
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(3, 3).center());
    EXPECT_EQ(services.Log, QStringList{QStringLiteral("beep")});
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(2, 3).center());
    EXPECT_EQ(match.Board().Board[2][3], BlackDisc) << "white played (2, 3); the computer took it back from (2, 2)";
    EXPECT_TRUE(IsBlack(DiscPixel(2, 2)));
    EXPECT_TRUE(IsWhite(DiscPixel(4, 3)));
}

TEST_F(BoardViewFixture, DownShrinksTheBoardAndDimsTheCellsOutOfPlay)
{
    match.StartMatch();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(match.Board().BoardSize, 7);
    // Discs an earlier board left in the column right of the square and in the row below it:
    // the cells out of play show none of them.
    match.Board().Board[7][7] = BlackDisc;
    match.Board().Board[7][2] = WhiteDisc;
    match.Board().Board[3][7] = WhiteDisc;
    grid->InvalidateGrid();
    const QImage shot = grid->grab().toImage();
    for (int col = 0; col < 8; ++col)
        for (int row = 0; row < 8; ++row) {
            const QColor ground = shot.pixelColor(42 * col + 20, 52 * row + 1);
            if (col < 7 && row < 7) {
                EXPECT_EQ(ground, Purple) << "cell " << col << "," << row << " is in play";
                continue;
            }
            EXPECT_LT(ground.red(), Purple.red()) << "cell " << col << "," << row << " is out of play, dimmed";
            EXPECT_EQ(shot.pixelColor(42 * col + 20, 52 * row + 32), ground)
                << "cell " << col << "," << row << " is the dimmed bare cell";
        }
    services.Log.clear();
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(7, 7).center());
    EXPECT_EQ(services.Log, QStringList{QStringLiteral("beep")});
}

// A press during the computer's pause and a release after its move: the computer's move made
// its own cell current in between, and the click used to land there and only beep.
TEST_F(BoardViewFixture, APressDuringTheComputersPausePlaysThePressedCellOnRelease)
{
    bool pressed = false;
    services.OnPump = [&] {
        if (!pressed)
            QTest::mousePress(grid, Qt::LeftButton, {}, grid->CellRect(2, 3).center());
        pressed = true;
    };
    match.StartMatch();   // the computer opens at (2, 4) after its pause
    ASSERT_TRUE(pressed);
    services.Log.clear();
    QTest::mouseRelease(grid, Qt::LeftButton, {}, grid->CellRect(2, 3).center());
    EXPECT_FALSE(services.Log.contains(QStringLiteral("beep")));
    EXPECT_EQ(services.Log.value(0), QStringLiteral("sleep 50")) << "the placing animation ran";
    EXPECT_NE(match.Board().Board[2][3], Empty) << "the player's disc is on the pressed cell";
}

TEST_F(BoardViewFixture, OnlyTheLeftButtonPlays)
{
    match.StartMatch();
    const QPoint legal = grid->CellRect(2, 3).center();
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        services.Log.clear();
        QTest::mousePress(grid, button, {}, legal);
        QTest::mouseRelease(grid, button, {}, legal);
        EXPECT_TRUE(services.Log.isEmpty()) << "button " << button;
        EXPECT_EQ(match.Board().Board[2][3], Empty) << "button " << button;
    }
}

// Down runs the match's key handler first (a 7 by 7 board, the computer opening at (1, 3)),
// then the grid's own move one row down from the computer's cell, which is the player's move.
TEST_F(BoardViewFixture, DownPlaysTheCellBelowTheNewOpeningWithTheRealKey)
{
    match.StartMatch();   // opens at (2, 4); the current cell is there
    grid->setFocus();
    services.Log.clear();
    QTest::keyClick(grid, Qt::Key_Down);
    ASSERT_EQ(match.Board().BoardSize, 7);
    EXPECT_FALSE(services.Log.contains(QStringLiteral("beep")));
    EXPECT_NE(match.Board().Board[1][4], Empty) << "the player's disc lands at (1, 4)";
    EXPECT_EQ(match.Board().Board[2][5], Empty);
}

// A drawing must reach the screen before the caller goes on, without any event being handled:
// what the window system was given is read back, not the grid's own image.
TEST_F(BoardViewFixture, AnAnimationFrameReachesTheScreenBeforeAnyEventIsHandled)
{
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    grid->InvalidateGrid();
    QCoreApplication::processEvents();
    view.DrawDisc(0, 0, 2);   // a lifted black disc
    const QImage screen = page.screen()->grabWindow(page.winId()).toImage();
    const QPoint cell = grid->mapTo(&page, QPoint(20, 20));
    EXPECT_TRUE(IsBlack(screen.pixelColor(cell))) << "the frame is on the screen";
    EXPECT_EQ(screen.pixelColor(cell + QPoint(0, 25)), Purple) << "picture 2 covers rows 3 to 36 only";
}
