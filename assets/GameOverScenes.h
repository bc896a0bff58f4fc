// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The three pictures after a lost match (600 by 400): the player alone in the evening rain,
// walking home under an umbrella, and the GAME OVER card with a promise to try again.
class GameOverScenes
{
public:
    static QImage paint(int step); // 0 (A), 1 (B) or 2 (C)
};
