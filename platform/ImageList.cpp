// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/ImageList.h"

#include <QPainter>

using namespace TarvoWidgets;

TImageList::TImageList(int width, int height, TColor backgroundColor)
    : FWidth(width), FHeight(height), FBackground(backgroundColor)
{
}

void TImageList::Draw(QPainter& painter, int x, int y, int index) const
{
    if (index < 0 || index >= Count())
        return;
    painter.fillRect(x, y, FWidth, FHeight, ToQColor(FBackground));
    // The cell's part of the picture, in the picture's own pixels: a double-size picture has
    // twice as many.
    const QImage& picture = FImages[std::size_t(index)];
    const qreal ratio = picture.devicePixelRatio();
    // On a screen scaled by less than the picture (1.5), it is scaled down smoothly.
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth || ratio > 1.0);
    painter.drawImage(QRectF(x, y, FWidth, FHeight), picture, QRectF(0, 0, FWidth * ratio, FHeight * ratio));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

void TImageList::Draw(QImage& canvas, int x, int y, int index) const
{
    QPainter painter(&canvas);
    Draw(painter, x, y, index);
}
