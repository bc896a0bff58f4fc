// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The title page picture, 632 by 472: the game's name drawn large, the player waving, a board
// with discs, and a calm panel behind the label and the twelve opponent thumbnails that the
// page lays over it. Its bottom-left pixel, and the band around the edge, are exactly the
// page's purple: the page draws that colour as transparent, so the band is the page itself.
class TitleBackground
{
public:
    static constexpr int kWidth = 632;
    static constexpr int kHeight = 472;
    static const QColor kKey;

    static QImage paint();
};
