// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

// An owner-drawn grid: fixed columns and rows of equal cells with grid lines after every
// column and row, painted only through OnDrawCell, with a current cell and the mouse and
// keyboard behaviour of a classic string grid:
//  - the left button pressed over a cell makes it current, the current cell follows the
//    pointer while the button is held, and the release makes the last cell reached current
//    and raises OnClick; only the left button plays;
//  - the arrow keys, Home, End, Page Up and Page Down move the current cell and raise OnClick
//    when it moved (with Ctrl, Home and End go to the first and last cell, and the arrows only
//    scroll, which a grid that shows all its cells never needs);
//  - OnKeyDown runs before the grid's own key handling.
//
// The grid keeps its picture in a backing image. Cells are drawn into it, and DrawOnCellNow
// shows a drawing at once, so a caller that blocks afterwards still has its frame on screen.
class TDrawGrid : public QWidget {
    Q_OBJECT
public:
    explicit TDrawGrid(QWidget* parent = nullptr);

    void SetLayout(int colCount, int rowCount, int colWidth, int rowHeight, int lineWidth);
    int ColCount() const { return FColCount; }
    int RowCount() const { return FRowCount; }

    int Col() const { return FCol; }
    int Row() const { return FRow; }
    // Make a cell current; raises OnClick when the cell changed. A cell the grid does not
    // have raises the grid index error.
    void SetCol(int col);
    void SetRow(int row);

    QRect CellRect(int col, int row) const;
    // The cell under a point of the grid, the line after it included; false outside.
    bool CellAt(QPoint point, int& col, int& row) const;

    // Redraws every cell through OnDrawCell and schedules a repaint. A hidden grid only notes
    // that it must be redrawn, and is redrawn when it is next painted or drawn on.
    void InvalidateGrid();
    // Draws on the cell through painter and shows the cell on the screen before returning.
    void DrawOnCellNow(int col, int row, const std::function<void(QPainter&, const QRect&)>& draw);

    std::function<void(int col, int row, QPainter& painter, const QRect& rect)> OnDrawCell;
    std::function<void()> OnClick;
    std::function<void(int key, Qt::KeyboardModifiers modifiers)> OnKeyDown;

    QColor GridLineColor = QColor(192, 192, 192);
    QColor Color = QColor(128, 0, 128);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void DrawAll();
    QSize BackingSize() const;  // the grid's size in the screen's pixels
    void EnsureBacking();   // redraws everything when the backing image is stale or no longer fits
    void KeyDown(QKeyEvent* event);     // OnKeyDown, then the grid's own keys
    void MoveCurrent(int col, int row);  // keyboard and mouse: no index error, click on change
    void Click();
    void TrackTo(int col, int row);  // the pointer reached a cell with the button held

    int FColCount = 5;
    int FRowCount = 5;
    int FColWidth = 64;
    int FRowHeight = 24;
    int FLineWidth = 1;
    int FCol = 0;
    int FRow = 0;
    bool FTracking = false;
    int FTrackCol = 0;    // the last cell the pointer reached with the button held
    int FTrackRow = 0;
    QImage FBacking;
    bool FStale = true;   // the cells changed since FBacking was drawn
};
