// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/ShineSpeedButton.h"

// A shine button for the gallery that shows its hover look while it rests, so that the lit
// glyphs can be seen side by side without a pointer over each. Disabled, it shows the dimmed
// look as any button does.
class TShineStateSample : public TarvoWidgets::TShineSpeedButton {
    Q_OBJECT
    Q_PROPERTY(bool ShowActive READ ShowActive WRITE SetShowActive)
    Q_CLASSINFO("Default:ShowActive", "false")

public:
    using TarvoWidgets::TShineSpeedButton::TShineSpeedButton;

    // Teaches the stored-layout reader the class, for the gallery's pages.
    static void Register();

    bool ShowActive() const { return FShowActive; }
    void SetShowActive(bool value);

protected:
    void Paint() override;

private:
    bool FShowActive = false;
};
