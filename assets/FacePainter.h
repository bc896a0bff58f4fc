// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "CharacterLook.h"
#include "HeadGeometry.h"
#include "Mood.h"

#include <QImage>
#include <QPainter>

// Paints one character's face in any mood. The face lives in a 110 by 110 frame: `portrait`
// makes the face picture itself; scenes call the two layers with a transform of their own.
class FacePainter
{
public:
    static constexpr int kSize = 110;

    explicit FacePainter(const CharacterLook& look);

    // The face picture: ground, shoulders and head.
    QImage portrait(const Mood& mood) const;

    // What lies behind the neck and shoulders (long hair, tails, a hat's far brim).
    void paintBehind(QPainter& p) const;
    // The head with its face, hair and accessories, over the body.
    void paintHead(QPainter& p, const Mood& mood) const;

    const CharacterLook& look() const { return look_; }
    const HeadGeometry& geometry() const { return g_; }

private:
    void paintGround(QPainter& p, const Mood& mood) const;
    void paintShoulders(QPainter& p) const;
    void paintEars(QPainter& p) const;
    void paintSkin(QPainter& p) const;
    void paintCheeks(QPainter& p, const Mood& mood) const;
    void paintEyes(QPainter& p, const Mood& mood) const;
    void paintEye(QPainter& p, QPointF centre, int side, const Mood& mood) const;
    void paintBrows(QPainter& p, const Mood& mood) const;
    void paintNose(QPainter& p) const;
    void paintMouth(QPainter& p, const Mood& mood) const;
    void paintTears(QPainter& p, const Mood& mood) const;
    void paintSweat(QPainter& p) const;
    void paintGloom(QPainter& p) const;

    CharacterLook look_;
    HeadGeometry g_;
};
