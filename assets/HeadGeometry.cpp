// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "HeadGeometry.h"

HeadGeometry HeadGeometry::For(HeadShape shape)
{
    HeadGeometry g;
    switch (shape) {
    case HeadShape::Round: g.halfWidth = 33; g.halfHeight = 33; g.jaw = 0.55; break;
    case HeadShape::Oval: g.halfWidth = 30; g.halfHeight = 35; g.jaw = 0.42; break;
    case HeadShape::Square: g.halfWidth = 33; g.halfHeight = 32; g.jaw = 0.92; break;
    case HeadShape::Wide: g.halfWidth = 37; g.halfHeight = 31; g.jaw = 0.62; g.centre.ry() += 1; break;
    case HeadShape::Long: g.halfWidth = 28; g.halfHeight = 36; g.jaw = 0.75; break;
    }
    return g;
}

QPainterPath HeadGeometry::outline() const
{
    // The crown is half an ellipse; the jaw is two cubic curves whose control points move
    // towards the corners as the jaw gets squarer.
    const double cx = centre.x(), cy = centre.y(), w = halfWidth, h = halfHeight;
    QPainterPath path;
    path.moveTo(cx - w, cy);
    path.arcTo(QRectF(cx - w, cy - h, 2 * w, 2 * h), 180, -180);
    path.cubicTo(cx + w, cy + h * jaw, cx + w * jaw, cy + h, cx, cy + h);
    path.cubicTo(cx - w * jaw, cy + h, cx - w, cy + h * jaw, cx - w, cy);
    path.closeSubpath();
    return path;
}
