// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgetslayouts_export.h"

namespace TarvoWidgets {

/// Teaches the stored-layout reader (TStoredLayout) every widget of the set, so that a .ui file
/// may hold them. Call it once before reading a layout; calling it again does no harm.
TARVOWIDGETSLAYOUTS_EXPORT void RegisterWidgetSet();

} // namespace TarvoWidgets
