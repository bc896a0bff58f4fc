// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The game page picture, 632 by 472: a wooden frame around the place of the board, a frame and
// a name plate for each face, and quiet decoration. The board and the two faces are drawn by
// the page over it.
class GameBackground
{
public:
    static constexpr int kWidth = 632;
    static constexpr int kHeight = 472;

    static QImage paint();
};
