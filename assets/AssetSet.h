// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Writes every generated file into its folder: the data folder beside the game, the sounds,
// and the pictures that the window layouts carry. Throws std::runtime_error on the first
// file that cannot be written.
class AssetSet
{
public:
    static void writeData(const QString& dir);
    static void writeSounds(const QString& dir);
    static void writeLayout(const QString& dir);
};
