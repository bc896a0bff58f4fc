// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "Mood.h"

#include <algorithm>

namespace {
using E = EyeShape;

// One row per player face, from crying to overjoyed. Written as a table so each step can be
// tuned by eye: neighbours differ a little, the ends a lot.
struct PlayerRow {
    double smile, open, brows;
    EyeShape eyes;
    double tears;
    bool sweat;
    double blush;
    bool gloom, sparkles;
};

constexpr PlayerRow kPlayer[17] = {
    {-1.00, 0.85, -1.0, E::Shut, 1.0, false, 0.0, true, false},
    {-0.95, 0.55, -1.0, E::Shut, 0.85, false, 0.0, true, false},
    {-0.85, 0.30, -1.0, E::Open, 0.6, false, 0.0, true, false},
    {-0.75, 0.15, -0.9, E::Open, 0.45, true, 0.0, false, false},
    {-0.65, 0.00, -0.8, E::Wide, 0.0, true, 0.0, false, false},
    {-0.50, 0.00, -0.6, E::Open, 0.0, true, 0.0, false, false},
    {-0.35, 0.00, -0.4, E::Open, 0.0, false, 0.0, false, false},
    {-0.18, 0.00, -0.2, E::Open, 0.0, false, 0.0, false, false},
    {0.05, 0.00, 0.0, E::Open, 0.0, false, 0.0, false, false},
    {0.25, 0.00, 0.1, E::Open, 0.0, false, 0.15, false, false},
    {0.40, 0.00, 0.2, E::Open, 0.0, false, 0.25, false, false},
    {0.55, 0.20, 0.3, E::Open, 0.0, false, 0.35, false, false},
    {0.70, 0.40, 0.45, E::Open, 0.0, false, 0.45, false, false},
    {0.80, 0.55, 0.6, E::Open, 0.0, false, 0.55, false, true},
    {0.90, 0.70, 0.75, E::Smiling, 0.0, false, 0.65, false, true},
    {1.00, 0.85, 0.9, E::Smiling, 0.0, false, 0.75, false, true},
    {1.00, 1.00, 1.0, E::Smiling, 0.0, false, 0.85, false, true},
};
} // namespace

Mood Mood::Player(int level)
{
    const PlayerRow& r = kPlayer[std::clamp(level, 0, 16)];
    Mood m;
    m.smile = r.smile;
    m.mouthOpen = r.open;
    m.brows = r.brows;
    m.eyes = r.eyes;
    m.tears = r.tears;
    m.sweat = r.sweat;
    m.blush = r.blush;
    m.gloom = r.gloom;
    m.sparkles = r.sparkles;
    m.tint = (std::clamp(level, 0, 16) - 8) / 8.0;
    return m;
}

Mood Mood::Opponent(int face)
{
    Mood m;
    switch (std::clamp(face, 0, 2)) {
    case 0: // the player is well ahead
        m.smile = -0.7;
        m.mouthOpen = 0.15;
        m.brows = -1.0;
        m.eyes = E::Wide;
        m.sweat = true;
        m.tint = -0.45;
        break;
    case 1: // a close game
        m.smile = 0.3;
        m.brows = 0.1;
        break;
    default: // the opponent is well ahead
        m.smile = 0.8;
        m.brows = 0.4;
        m.eyes = E::Lidded;
        m.smirk = true;
        m.blush = 0.35;
        m.sparkles = true;
        m.tint = 0.45;
        break;
    }
    return m;
}

Mood Mood::Friendly()
{
    Mood m;
    m.smile = 0.6;
    m.mouthOpen = 0.3;
    m.brows = 0.3;
    m.blush = 0.3;
    return m;
}
