// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "ShineStateSample.h"

#include "layouts/StoredLayout.h"

using namespace TarvoWidgets;

void TShineStateSample::Register()
{
    TStoredLayout::RegisterClass(QStringLiteral("TShineStateSample"),
                                 [](QWidget* parent) { return new TShineStateSample(parent); },
                                 QStringLiteral("ShineStateSample.h"));
}

void TShineStateSample::SetShowActive(bool value)
{
    if (value == FShowActive)
        return;
    FShowActive = value;
    Invalidate();
}

void TShineStateSample::Paint()
{
    // A press, a leave or a click may have moved the state; the sample shows the hover look
    // again at every paint.
    if (FShowActive && isEnabled() && State() != sbDownActive)
        SetState(sbUpActive);
    TShineSpeedButton::Paint();
}
