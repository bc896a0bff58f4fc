// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The widget box icons, drawn rather than stored: each shows its widget in small.
QIcon FadeButtonIcon();
QIcon ShineButtonIcon();
QIcon HistoryComboBoxIcon();
QIcon SpeedButtonIcon();
