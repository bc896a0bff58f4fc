// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Character.h"

#include <QPainter>

// The gifts of the reward pictures, each drawn centred on a point and about `size` pixels
// across.
class PropPainter
{
public:
    static void paint(QPainter& p, Gift gift, QPointF centre, double size);

private:
    static void cake(QPainter& p);
    static void trophy(QPainter& p);
    static void snowRabbit(QPainter& p);
    static void fish(QPainter& p);
    static void potion(QPainter& p);
    static void bouquet(QPainter& p);
    static void guitar(QPainter& p);
    static void dango(QPainter& p);
    static void bell(QPainter& p);
    static void balloons(QPainter& p);
    static void scroll(QPainter& p);
    static void starWand(QPainter& p);
};
