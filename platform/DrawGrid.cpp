// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/DrawGrid.h"

#include "toolkit/application/ErrorBoundary.h"
#include "toolkit/base/ToolkitError.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

using namespace TarvoWidgets;

TDrawGrid::TDrawGrid(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDrawGrid::SetLayout(int colCount, int rowCount, int colWidth, int rowHeight, int lineWidth)
{
    FColCount = colCount;
    FRowCount = rowCount;
    FColWidth = colWidth;
    FRowHeight = rowHeight;
    FLineWidth = lineWidth;
    FCol = qMin(FCol, FColCount - 1);
    FRow = qMin(FRow, FRowCount - 1);
    InvalidateGrid();
}

void TDrawGrid::SetCol(int col)
{
    if (col < 0 || col >= FColCount)
        throw EToolkitError::GridIndex();
    if (col == FCol)
        return;
    FCol = col;
    Click();
}

void TDrawGrid::SetRow(int row)
{
    if (row < 0 || row >= FRowCount)
        throw EToolkitError::GridIndex();
    if (row == FRow)
        return;
    FRow = row;
    Click();
}

QRect TDrawGrid::CellRect(int col, int row) const
{
    return QRect(col * (FColWidth + FLineWidth), row * (FRowHeight + FLineWidth), FColWidth, FRowHeight);
}

bool TDrawGrid::CellAt(QPoint point, int& col, int& row) const
{
    // The line after a cell belongs to that cell, so the cells and their lines tile the grid
    // and a click on a line is not lost.
    if (point.x() < 0 || point.y() < 0)
        return false;
    const int c = point.x() / (FColWidth + FLineWidth);
    const int r = point.y() / (FRowHeight + FLineWidth);
    if (c >= FColCount || r >= FRowCount)
        return false;
    col = c;
    row = r;
    return true;
}

void TDrawGrid::InvalidateGrid()
{
    FStale = true;
    if (isVisible())
        DrawAll();
    update();
}

void TDrawGrid::DrawOnCellNow(int col, int row, const std::function<void(QPainter&, const QRect&)>& draw)
{
    EnsureBacking();
    const QRect cell = CellRect(col, row);
    {
        QPainter painter(&FBacking);
        painter.setClipRect(cell);
        draw(painter, cell);
    }
    repaint(cell);
}

QSize TDrawGrid::BackingSize() const
{
    const qreal ratio = devicePixelRatioF();
    return QSize(qCeil(width() * ratio), qCeil(height() * ratio));
}

void TDrawGrid::EnsureBacking()
{
    if (FStale || FBacking.size() != BackingSize() || FBacking.devicePixelRatio() != devicePixelRatioF())
        DrawAll();
}

void TDrawGrid::DrawAll()
{
    if (width() <= 0 || height() <= 0)
        return;
    // The backing image has the screen's pixels, so that the cells' pictures stay sharp on a
    // scaled screen; the painter draws on it in the grid's own units.
    if (FBacking.size() != BackingSize() || FBacking.devicePixelRatio() != devicePixelRatioF()) {
        FBacking = QImage(BackingSize(), QImage::Format_RGB32);
        FBacking.setDevicePixelRatio(devicePixelRatioF());
    }
    FStale = false;
    FBacking.fill(Color);
    QPainter painter(&FBacking);
    // Grid lines: one band after every column and every row.
    for (int c = 0; c < FColCount; ++c)
        painter.fillRect(c * (FColWidth + FLineWidth) + FColWidth, 0, FLineWidth, height(), GridLineColor);
    for (int r = 0; r < FRowCount; ++r)
        painter.fillRect(0, r * (FRowHeight + FLineWidth) + FRowHeight, width(), FLineWidth, GridLineColor);
    if (!OnDrawCell)
        return;
    for (int c = 0; c < FColCount; ++c)
        for (int r = 0; r < FRowCount; ++r) {
            const QRect cell = CellRect(c, r);
            painter.save();
            painter.setClipRect(cell);
            OnDrawCell(c, r, painter, cell);
            painter.restore();
        }
}

// The event overrides below are where Qt calls in; the cell painter, the click and the key
// handler run inside them, so each runs its work guarded.
void TDrawGrid::paintEvent(QPaintEvent* event)
{
    RunGuarded([this] { EnsureBacking(); });
    QPainter painter(this);
    const qreal ratio = FBacking.devicePixelRatio();
    const QRectF source(event->rect().x() * ratio, event->rect().y() * ratio, event->rect().width() * ratio,
                        event->rect().height() * ratio);
    painter.drawImage(QRectF(event->rect()), FBacking, source);
}

void TDrawGrid::resizeEvent(QResizeEvent*)
{
    RunGuarded([this] { EnsureBacking(); });
}

void TDrawGrid::mousePressEvent(QMouseEvent* event)
{
    int col, row;
    if (event->button() != Qt::LeftButton || !CellAt(event->position().toPoint(), col, row))
        return;
    FTracking = true;
    TrackTo(col, row);
}

void TDrawGrid::mouseMoveEvent(QMouseEvent* event)
{
    int col, row;
    if (FTracking && CellAt(event->position().toPoint(), col, row))
        TrackTo(col, row);
}

void TDrawGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !FTracking)
        return;
    FTracking = false;
    int col, row;
    if (CellAt(event->position().toPoint(), col, row))
        TrackTo(col, row);
    // The program may have set the current cell while the button was held (the computer's
    // move does); the click is the user's, on the cell the pointer reached last.
    FCol = FTrackCol;
    FRow = FTrackRow;
    RunGuarded([this] { Click(); });
}

void TDrawGrid::TrackTo(int col, int row)
{
    FTrackCol = FCol = col;
    FTrackRow = FRow = row;
}

void TDrawGrid::keyPressEvent(QKeyEvent* event)
{
    // An error in the key handler skips the grid's own move of the current cell too.
    RunGuarded([this, event] { KeyDown(event); });
}

void TDrawGrid::KeyDown(QKeyEvent* event)
{
    const int key = event->key();
    if (OnKeyDown)
        OnKeyDown(key, event->modifiers());
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    int col = FCol;
    int row = FRow;
    switch (key) {
    case Qt::Key_Up:       if (!ctrl) --row; break;
    case Qt::Key_Down:     if (!ctrl) ++row; break;
    case Qt::Key_Left:     if (!ctrl) --col; break;
    case Qt::Key_Right:    if (!ctrl) ++col; break;
    case Qt::Key_PageUp:   row -= FRowCount; break;
    case Qt::Key_PageDown: row += FRowCount; break;
    case Qt::Key_Home:     col = 0; if (ctrl) row = 0; break;
    case Qt::Key_End:      col = FColCount - 1; if (ctrl) row = FRowCount - 1; break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    MoveCurrent(qBound(0, col, FColCount - 1), qBound(0, row, FRowCount - 1));
}

void TDrawGrid::MoveCurrent(int col, int row)
{
    if (col == FCol && row == FRow)
        return;
    FCol = col;
    FRow = row;
    Click();
}

void TDrawGrid::Click()
{
    if (OnClick)
        OnClick();
}
