// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "CharacterLook.h"

#include <QPainterPath>
#include <QPointF>

// Where the parts of a head sit, in the 110 by 110 frame of a face picture. Hair, features and
// accessories all place themselves from these few numbers, so every head shape fits them.
struct HeadGeometry {
    QPointF centre{55, 54};
    double halfWidth = 31;
    double halfHeight = 32;
    double jaw = 0.55; // 0.3 pointed chin .. 0.55 round .. 0.9 square

    static HeadGeometry For(HeadShape shape);

    double top() const { return centre.y() - halfHeight; }
    double chin() const { return centre.y() + halfHeight; }
    double left() const { return centre.x() - halfWidth; }
    double right() const { return centre.x() + halfWidth; }
    double eyeY() const { return centre.y() + halfHeight * 0.14; }
    double eyeDx() const { return halfWidth * 0.4; }
    double browY() const { return eyeY() - 10.5; }
    double mouthY() const { return centre.y() + halfHeight * 0.6; }
    double foreheadY() const { return centre.y() - halfHeight * 0.42; }

    QPainterPath outline() const;
};
