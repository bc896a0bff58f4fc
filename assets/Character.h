// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "CharacterLook.h"

#include <QString>

#include <array>

// Where an opponent's reward pictures take place and what they hand over.
enum class Setting { Park, Ballpark, SnowField, Beach, Lab, Castle, Stage, TeaGarden, Rooftops, Fairground, Dojo, NightSky };
enum class Gift { Cake, Trophy, SnowRabbit, Fish, Potion, Bouquet, Guitar, Dango, Bell, Balloons, Scroll, StarWand };

// A character of the game: a name, a few words about them, their look and, for the
// opponents, the little story of their three reward pictures.
struct Character {
    QString name;
    QString role;
    CharacterLook look;
    Setting setting = Setting::Park;
    Gift gift = Gift::Cake;
    std::array<QString, 3> lines; // what they say in reward pictures A, B and C
};
