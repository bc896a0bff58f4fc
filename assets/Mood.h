// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

// How a face feels: the expression parameters that the face painter reads.
enum class EyeShape {
    Open,    // the character's own eyes
    Wide,    // small pupils, more white: worried, startled
    Smiling, // closed upward arcs: delighted
    Shut,    // squeezed shut: crying
    Lidded,  // half-closed: smug
};

struct Mood {
    double smile = 0;     // -1 deep frown .. 1 broad smile
    double mouthOpen = 0; // 0 closed .. 1 wide open (a wail or a laugh, by the sign of smile)
    double brows = 0;     // -1 worried (inner ends up) .. 1 raised and arched
    EyeShape eyes = EyeShape::Open;
    double tears = 0;     // 0 none, around 0.5 welling up, 1 streaming
    bool sweat = false;
    double blush = 0;
    bool gloom = false;   // the dark lines of despair over the brow
    bool sparkles = false;
    bool smirk = false;   // a one-sided smile with one brow up
    double tint = 0;      // the portrait ground: -1 cold and grey .. 1 warm and golden

    // The player's faces: 0 (losing badly, crying) .. 8 (even) .. 16 (winning big, overjoyed).
    static Mood Player(int level);
    // An opponent's faces: 0 losing and worried, 1 a close game, 2 leading and smug.
    static Mood Opponent(int face);
    // A calm, friendly look for portraits and scenes.
    static Mood Friendly();
};
