// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The examples of the widget set's class pages, each a function that makes one widget on a
// parent: the API documentation quotes their bodies, Usage.cpp runs them.
#pragma once

#include <widgets/HistoryComboBox.h>
#include <widgets/ShineSpeedButton.h>
#include <widgets/ZRKFadeButton.h>
#include <toolkit/controls/SpeedButton.h>

class QWidget;

// A fade button that quits the application when clicked.
TarvoWidgets::TZRKFadeButton* MakeFadeButton(QWidget* parent);
// A shine button with a gradient face and a glyph from the style's icons.
TarvoWidgets::TShineSpeedButton* MakeShineButton(QWidget* parent);
// Two speed buttons of one group: pressing one releases the other.
std::pair<TarvoWidgets::TSpeedButton*, TarvoWidgets::TSpeedButton*> MakeSpeedButtons(QWidget* parent);
// A history box that keeps what was entered in search.ini and adds what Enter confirms.
TarvoWidgets::THistoryComboBox* MakeHistoryBox(QWidget* parent);
