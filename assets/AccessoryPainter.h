// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "CharacterLook.h"
#include "HeadGeometry.h"

#include <QPainter>

// Hats, glasses, beards and earrings: the things that make a character recognisable from
// across the room. Each is drawn at its place on the head geometry.
class AccessoryPainter
{
public:
    AccessoryPainter(const CharacterLook& look, const HeadGeometry& geometry);

    void paintHeadwearBehind(QPainter& p) const; // parts hidden by the head (a witch hat's back brim)
    void paintHeadwear(QPainter& p) const;
    void paintEyewear(QPainter& p) const;
    void paintBeard(QPainter& p) const;     // under the mouth
    void paintMoustache(QPainter& p) const; // over the mouth
    void paintEarrings(QPainter& p) const;

private:
    void cap(QPainter& p) const;
    void crown(QPainter& p) const;
    void witchHat(QPainter& p) const;
    void catEars(QPainter& p) const;
    void headband(QPainter& p) const;
    void ribbon(QPainter& p, QPointF centre, double size) const;

    CharacterLook look_;
    HeadGeometry g_;
};
