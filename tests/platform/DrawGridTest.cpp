// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "AppServices.h"
#include "platform/DrawGrid.h"
#include "toolkit/base/ToolkitError.h"

#include <QPainter>
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

namespace {

// The board's grid: 8 by 8 cells of 40 by 50 with 2-pixel lines.
struct GridFixture : testing::Test {
    TDrawGrid grid;
    QStringList clicks;   // "col,row" at every click
    QStringList keys;

    GridFixture()
    {
        grid.resize(336, 416);
        grid.SetLayout(8, 8, 40, 50, 2);
        grid.OnClick = [this] { clicks << QStringLiteral("%1,%2").arg(grid.Col()).arg(grid.Row()); };
        grid.OnKeyDown = [this](int key, Qt::KeyboardModifiers) { keys << QString::number(key); };
    }
    QPoint CentreOf(int col, int row) const { return grid.CellRect(col, row).center(); }
};

} // namespace

TEST_F(GridFixture, CellsAndTheLinesAfterThemTileTheControl)
{
    EXPECT_EQ(grid.CellRect(0, 0), QRect(0, 0, 40, 50));
    EXPECT_EQ(grid.CellRect(7, 7), QRect(294, 364, 40, 50));
    // Each column takes 42 pixels and each row 52: a point on the line after a cell is in it.
    struct Case { QPoint point; int col, row; };
    const Case cases[] = {
        {{0, 0}, 0, 0},
        {{39, 49}, 0, 0},
        {{40, 10}, 0, 0},            // the vertical line after column 0
        {{41, 51}, 0, 0},            // where the two lines after cell (0, 0) cross
        {{42, 52}, 1, 1},
        {{42 * 3 + 39, 52 * 5 + 49}, 3, 5},
        {{42 * 3 + 41, 52 * 5 + 50}, 3, 5},
        {{335, 415}, 7, 7},          // the last pixel of the control
        {{336, 10}, -1, -1},         // outside
        {{10, 416}, -1, -1},
        {{-1, 10}, -1, -1},
    };
    for (const Case& c : cases) {
        int col = -1, row = -1;
        const bool inside = grid.CellAt(c.point, col, row);
        EXPECT_EQ(inside, c.col >= 0) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(QPoint(col, row), QPoint(c.col, c.row)) << c.point.x() << "," << c.point.y();
    }
    // A click on a line plays the cell before it.
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(42 * 2 + 41, 52 * 6 + 20));
    EXPECT_EQ(clicks, QStringList{QStringLiteral("2,6")});
}

TEST_F(GridFixture, MouseReleaseClicksTheLastCellReached)
{
    QTest::mousePress(&grid, Qt::LeftButton, {}, CentreOf(1, 1));
    EXPECT_TRUE(clicks.isEmpty()) << "no click until the release";
    QMouseEvent move(QEvent::MouseMove, CentreOf(4, 6), grid.mapToGlobal(CentreOf(4, 6)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&grid, &move);
    QTest::mouseRelease(&grid, Qt::LeftButton, {}, CentreOf(4, 6));
    EXPECT_EQ(clicks, QStringList{QStringLiteral("4,6")});
    // Clicking the current cell again is a click too.
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CentreOf(4, 6));
    EXPECT_EQ(clicks.size(), 2);
}

// The click is the user's: on the cell the pointer reached last, whatever current cell the
// program set while the button was held (the computer moves during the user's press). A release
// off every cell (outside the grid, or on the frame to its right) plays that remembered cell too,
// as a release on a cell would: what the pointer last touched is what the user chose.
TEST_F(GridFixture, TheReleaseClicksThePointersCellEvenIfTheProgramMovedTheCurrentCell)
{
    struct Case { const char* where; QPoint release; };
    const Case cases[] = {
        {"on the pressed cell", CentreOf(2, 3)},
        {"outside the grid", QPoint(-20, -20)},
        {"past the last column", QPoint(grid.width() + 30, CentreOf(2, 3).y())},
    };
    for (const Case& c : cases) {
        grid.SetCol(0);
        grid.SetRow(0);
        QTest::mousePress(&grid, Qt::LeftButton, {}, CentreOf(2, 3));
        grid.SetCol(5);   // the program moves the current cell while the button is held
        grid.SetRow(1);
        clicks.clear();
        QTest::mouseRelease(&grid, Qt::LeftButton, {}, c.release);
        EXPECT_EQ(clicks, QStringList{QStringLiteral("2,3")}) << c.where;
        EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(2, 3)) << c.where;
    }
}

TEST_F(GridFixture, OnlyTheLeftButtonClicks)
{
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(&grid, button, {}, CentreOf(4, 4));
        QTest::mouseRelease(&grid, button, {}, CentreOf(4, 4));
        EXPECT_TRUE(clicks.isEmpty()) << "button " << button;
        EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(0, 0)) << "button " << button;
    }
}

TEST_F(GridFixture, KeysMoveTheCurrentCellAndClickOnlyWhenItMoved)
{
    struct Case { Qt::Key key; Qt::KeyboardModifiers mods; const char* expected; };
    // Each case starts at (3, 3).
    const Case cases[] = {
        {Qt::Key_Up, Qt::NoModifier, "3,2"},
        {Qt::Key_Down, Qt::NoModifier, "3,4"},
        {Qt::Key_Left, Qt::NoModifier, "2,3"},
        {Qt::Key_Right, Qt::NoModifier, "4,3"},
        {Qt::Key_Home, Qt::NoModifier, "0,3"},
        {Qt::Key_End, Qt::NoModifier, "7,3"},
        {Qt::Key_Home, Qt::ControlModifier, "0,0"},
        {Qt::Key_End, Qt::ControlModifier, "7,7"},
        {Qt::Key_PageUp, Qt::NoModifier, "3,0"},
        {Qt::Key_PageDown, Qt::NoModifier, "3,7"},
        {Qt::Key_Up, Qt::ControlModifier, ""},
        {Qt::Key_A, Qt::NoModifier, ""},
    };
    for (const Case& c : cases) {
        grid.SetCol(3);
        grid.SetRow(3);
        clicks.clear();
        QTest::keyClick(&grid, c.key, c.mods);
        const QStringList expected = *c.expected ? QStringList{QString::fromLatin1(c.expected)} : QStringList{};
        EXPECT_EQ(clicks, expected) << "key " << c.key;
    }
    // At the top row Up does not move, so nothing is clicked; OnKeyDown still sees the key.
    grid.SetRow(0);
    clicks.clear();
    keys.clear();
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_TRUE(clicks.isEmpty());
    EXPECT_EQ(keys, QStringList{QString::number(Qt::Key_Up)});
}

TEST_F(GridFixture, SettingACellItDoesNotHaveIsAnIndexError)
{
    EXPECT_THROW(grid.SetCol(8), EToolkitError);
    EXPECT_THROW(grid.SetRow(-1), EToolkitError);
    try {
        grid.SetRow(9);
    } catch (const EToolkitError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("グリッドインデックス が範囲を超えています"));
    }
}

TEST_F(GridFixture, PaintsCellsThroughTheHandlerAndSilverLines)
{
    grid.OnDrawCell = [](int col, int row, QPainter& p, const QRect& r) {
        p.fillRect(r, (col + row) % 2 ? Qt::black : Qt::white);
    };
    grid.InvalidateGrid();
    const QImage shot = grid.grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(42 + 5, 5), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(40, 5), QColor(192, 192, 192));
    EXPECT_EQ(shot.pixelColor(5, 51), QColor(192, 192, 192));
    grid.DrawOnCellNow(0, 0, [](QPainter& p, const QRect& r) { p.fillRect(r.adjusted(0, 0, 10, 10), Qt::red); });
    const QImage after = grid.grab().toImage();
    EXPECT_EQ(after.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(after.pixelColor(41, 5), QColor(192, 192, 192)) << "a cell drawing stays inside its cell";
}

// A hidden grid leaves its cells undrawn until it is painted; a shown one draws them at once.
TEST_F(GridFixture, AHiddenGridDrawsItsCellsWhenItIsPainted)
{
    int drawn = 0;
    grid.OnDrawCell = [&](int, int, QPainter&, const QRect&) { ++drawn; };
    grid.InvalidateGrid();
    EXPECT_EQ(drawn, 0);
    const QImage shot = grid.grab().toImage();
    EXPECT_EQ(drawn, 64);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    drawn = 0;
    grid.InvalidateGrid();
    EXPECT_EQ(drawn, 64);
}

// An error raised by a handler that the grid runs for Qt (the click, the key handler, the cell
// painter) is shown in the error box where Qt calls in; it skips the rest of that event's
// handling, and the grid takes its next events as usual.
TEST_F(GridFixture, ErrorsOfItsHandlersEndAtTheGridAndShowTheErrorBox)
{
    AppServices().Errors.clear();
    const QString failure = QStringLiteral("ファイル /x は開けません");
    bool raise = true;
    grid.OnClick = [&] {
        clicks << QStringLiteral("%1,%2").arg(grid.Col()).arg(grid.Row());
        if (raise)
            throw EToolkitError(failure);
    };
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CentreOf(2, 2));
    EXPECT_EQ(AppServices().Errors, QStringList{failure});
    raise = false;
    QTest::mouseClick(&grid, Qt::LeftButton, {}, CentreOf(5, 1));
    EXPECT_EQ(clicks, QStringList({QStringLiteral("2,2"), QStringLiteral("5,1")})) << "the next click is taken";

    // A key handler's error skips the grid's own move of the current cell.
    grid.OnKeyDown = [](int, Qt::KeyboardModifiers) { throw std::runtime_error("not the toolkit's"); };
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(AppServices().Errors, QStringList({failure, QString()}));

    grid.show();
    grid.OnDrawCell = [&](int, int, QPainter&, const QRect&) { throw EToolkitError(failure); };
    grid.resize(grid.width() + 2, grid.height());   // a new backing image, drawn cell by cell
    EXPECT_EQ(AppServices().Errors, QStringList({failure, QString(), failure}));
}
