// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Character.h"

#include <QPainter>

class Rng;

// The places of the reward pictures, 600 by 400. The ground where figures stand runs from
// about y = 300 down. `festive` is the celebration of the last picture: an evening sky with
// fireworks outdoors, bunting indoors.
class BackdropPainter
{
public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 400;

    static void paint(QPainter& p, Setting setting, bool festive, Rng& rng);

private:
    static void sky(QPainter& p, bool festive, Rng& rng);
    static void fireworks(QPainter& p, Rng& rng);
    static void bunting(QPainter& p);
    static void hills(QPainter& p, const QColor& far, const QColor& near, double horizon);

    static void park(QPainter& p, Rng& rng);
    static void ballpark(QPainter& p, Rng& rng);
    static void snowField(QPainter& p, Rng& rng);
    static void beach(QPainter& p);
    static void lab(QPainter& p);
    static void castle(QPainter& p);
    static void stage(QPainter& p, Rng& rng);
    static void teaGarden(QPainter& p);
    static void rooftops(QPainter& p, Rng& rng);
    static void fairground(QPainter& p);
    static void dojo(QPainter& p);
    static void nightSky(QPainter& p, Rng& rng);
};
