// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Character.h"

#include <array>

// Everyone who appears in the pictures: the player, the twelve opponents (number 1 to 12 in
// the order of the title page) and the old man of the title page.
namespace roster {

const Character& Player();
const std::array<Character, 12>& Opponents();
const Character& Opponent(int number); // 1..12
const Character& OldMan();

} // namespace roster
