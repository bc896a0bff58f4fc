// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

// What a character looks like: the traits that one face painter turns into a face. Each
// character of the game is one value of this struct (see Roster).
enum class HeadShape { Round, Oval, Square, Wide, Long };
enum class HairStyle { Short, Spiky, Bob, Long, TwinTails, Bald, Wild, Afro, Pompadour, Bun, Topknot, Curls };
enum class EyeStyle { Sparkly, Dot, Narrow };
enum class Headwear { None, StarPin, Cap, Crown, WitchHat, CatEars, Headband, Ribbon };
enum class Eyewear { None, Round, Square, Shades };
enum class FacialHair { None, Moustache, Beard, LongBeard };

struct CharacterLook {
    HeadShape head = HeadShape::Round;
    QColor skin;
    HairStyle hair = HairStyle::Short;
    QColor hairColour;
    EyeStyle eyes = EyeStyle::Sparkly;
    QColor iris;
    Headwear headwear = Headwear::None;
    QColor headwearColour;
    Eyewear eyewear = Eyewear::None;
    FacialHair facialHair = FacialHair::None;
    bool lashes = false;
    bool earrings = false;
    bool freckles = false;
    bool wrinkles = false;
    QColor shirt;
    QColor background;
};
