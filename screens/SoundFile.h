// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The file to play for a sound named by its bare file name: the file of that name in the
// current folder when there is one, else the file of that name in appDir (the executable's
// folder), so the sounds play however the game was started. The result may name a file that
// does not exist; playing it then plays nothing.
QString SoundFile(const QString& fileName, const QString& appDir);
