// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Board.h"

#include <string>
#include <vector>

// Positions as pictures, for tests and benchmarks: one line per row from the top, one character
// per column from the left: '.' empty, 'x' black, 'o' white. The number of lines is the board
// size. A failing case prints its board the same way.
TBoard BoardFromPicture(const std::vector<std::string>& rows);

// The live square as picture lines; a value other than 0, 1 and 7 shows as its digit.
std::vector<std::string> BoardPicture(const TBoard& board);

// The picture as one text, a line per row, for failure messages.
std::string BoardPictureText(const TBoard& board);
