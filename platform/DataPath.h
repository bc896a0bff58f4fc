// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The folder of the executable at exePath, without a trailing separator, except that a root
// folder keeps its separator (so paths under it hold two separators in a row, which the file
// system reads as one).
QString AppDirOf(const QString& exePath);

// The full path of a data file: appDir + "/data/" + fileName, joined as text.
QString DataPath(const QString& appDir, const QString& fileName);
