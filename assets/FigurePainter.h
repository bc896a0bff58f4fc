// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "CharacterLook.h"
#include "FacePainter.h"
#include "Mood.h"

#include <QPainter>

#include <functional>

enum class Pose {
    Stand,
    Wave,  // right hand up, waving
    Offer, // both hands held out in front, holding something
    Cheer, // both arms up
    Slump, // arms hanging, head bowed
    Hold,  // right hand in front of the chest, gripping something upright; head bowed
};

// A whole character for the scenes: the face of FacePainter on a small round body. The figure
// is built in the face's 110-unit frame, 205 units tall from the top of the frame to the soles.
class FigurePainter
{
public:
    static constexpr double kHeight = 205;

    explicit FigurePainter(const CharacterLook& look);

    // Paints the figure with its feet at `feet`, `scale` pixels per unit. `held`, when given,
    // paints what the hands hold (in the painter's scene coordinates, at the point between
    // the hands) between the body and the hands.
    void paint(QPainter& p, QPointF feet, double scale, Pose pose, const Mood& mood,
               const std::function<void(QPainter&, QPointF)>& held = {}) const;

private:
    void paintLegs(QPainter& p) const;
    void paintBody(QPainter& p) const;
    void paintArm(QPainter& p, QPointF shoulder, QPointF elbow, QPointF hand) const;

    FacePainter face_;
};
