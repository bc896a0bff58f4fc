// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "CharacterLook.h"
#include "HeadGeometry.h"

#include <QPainter>
#include <QPainterPath>

// Draws a hair style around a head, in two layers: what falls behind the head and shoulders,
// and what lies over the head (crown, fringe, front locks).
class HairPainter
{
public:
    HairPainter(const CharacterLook& look, const HeadGeometry& geometry);

    void paintBack(QPainter& p) const;
    void paintFront(QPainter& p) const;

private:
    QPainterPath backShape() const;
    QPainterPath frontShape() const;

    // Building blocks shared by the styles.
    QPainterPath crown(double extra, double lowest) const;       // hair over the top of the head
    QPainterPath fringe(double y, int bumps, double depth) const; // a scalloped fringe line
    QPainterPath sideLocks(double width, double bottom) const;   // locks down both sides of the face
    QPainterPath spikes(double from, double to, int count, double length) const;
    QPainterPath curlRing(QPointF centre, double radius, int curls, double curlRadius) const;

    void fill(QPainter& p, const QPainterPath& shape) const;
    void shine(QPainter& p) const;

    CharacterLook look_;
    HeadGeometry g_;
};
