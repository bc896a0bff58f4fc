// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// The three reward pictures of each opponent (600 by 400): a little story in three steps.
// A: the opponent takes the defeat with good grace; B: hands over a gift that fits them;
// C: the two celebrate together.
class RewardScenes
{
public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 400;

    // opponent 1..12, step 0 (A), 1 (B) or 2 (C).
    static QImage paint(int opponent, int step);
};
