// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/controls/Timer.h"
#include "widgets/ShinePaintCache_p.h"
#include "widgets/ShineSpeedButton.h"

// The shine button's data, shared by its behaviour (ShineSpeedButton.cpp) and its painting
// (ShineSpeedButtonPainting.cpp); not installed.

namespace TarvoWidgets {

struct TShineSpeedButton::Private {
    // The fields, in the toolkit's order.
    TFrameType FFrameType = ftNormalFrame;
    bool FClickDownHook = false;
    bool FAccelCharDown = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    bool FTransparent = false;
    bool FActiveFrame = true;
    bool FUpFrame = true;
    bool FDownFrame = true;
    TActiveImageType FActiveImage = aiFrameLight;
    TDisabledImageType FDisabledImage = diDefault;
    TColor FDisabledShadow = clr::BtnShadow;
    TColor FDisabledHighlight = clr::BtnHighlight;
    std::unique_ptr<TShineBtnColors> FColors;
    std::unique_ptr<TShineBtnColors> FPressedColors;
    TColor FShineColor = clr::Yellow;
    std::unique_ptr<TFont> FFont;
    TColor FFontHighlight = clr::None;
    TColor FFontShadow = clr::None;
    std::unique_ptr<TFont> FActiveFont;
    std::unique_ptr<TBitmap> FGlyph;
    // The private state.
    bool FMouseInside = false;
    // What this button's own events said of the pointer (enter and leave, and the position of
    // its last mouse event): the hover's source where the global position is unknown.
    bool FPointerOver = false;
    QPoint FPointerAt;
    TShineButtonState FState = sbUp;
    std::unique_ptr<TTimer> FActiveTimer;
    // Whether the button itself was last disabled (not through an ancestor): only a change of
    // its own clears Down.
    bool FOwnDisabled = false;
    // The state glyphs and gradient backgrounds drawn before, while nothing they show changed.
    std::unique_ptr<TShinePaintCache> FPaintCache = std::make_unique<TShinePaintCache>();
    QRect FExposed; // the part of the button that the paint event under way exposes

    // Everything the whole picture of button shows now, at the device pixel ratio.
    TShineLook Look(const TShineSpeedButton& button, qreal ratio) const;
};

} // namespace TarvoWidgets
