// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QFont>

namespace TarvoWidgets {

/// The two Japanese faces of the layouts. Each asks for the original family first, so a machine
/// that has it uses it, and falls back to the IPA face that stands in for it.
TARVOWIDGETS_EXPORT QFont ProportionalGothic(int pixelSize, bool bold = false);
TARVOWIDGETS_EXPORT QFont FixedGothic(int pixelSize, bool bold = false);

} // namespace TarvoWidgets
