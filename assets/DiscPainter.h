// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPainter>

// The eight board-cell pictures (40 by 50 on purple) of a disc seen at a slant from above,
// and the program's icon, which uses the same disc.
class DiscPainter
{
public:
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 50;

    // Picture 0 (bare cell) .. 7 (white disc lying flat).
    static QImage cell(int index);

    // A black and a white disc on a green board square, `size` pixels square.
    static QImage icon(int size);

    // A disc anywhere in a picture: its top face is the ellipse `top`, its rim `rim` pixels
    // high below it, half in the face colour and half in the other.
    static void paintDisc(QPainter& p, const QRectF& top, double rim, bool black);

    // Pixel rows [first, last] that picture `index` covers; columns are always kLeft..kRight.
    static int firstRow(int index);
    static int lastRow(int index);
    static constexpr int kLeft = 3;
    static constexpr int kRight = 36;
};
