// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/graphics/Bitmap.h"
#include "widgets/ShineSpeedButton.h"

#include <cstdint>
#include <memory>

namespace TarvoWidgets {

/// What decides the picture of the shine button's glyph in one draw state.
struct TARVOWIDGETS_EXPORT TStateGlyphLook {
    TShineSpeedButton::TShineButtonState State = TShineSpeedButton::sbUp;
    TShineSpeedButton::TActiveImageType ActiveImage = TShineSpeedButton::aiFrameLight;
    TShineSpeedButton::TDisabledImageType DisabledImage = TShineSpeedButton::diDefault;
    std::uint32_t Shine = 0;  // the shine colour as a pixel 0x00RRGGBB
    std::uint32_t Face = 0;   // the up colour set's Color as a pixel
    bool operator==(const TStateGlyphLook&) const = default;
};

/// The glyph as the state shows it, as a new bitmap marked for transparent drawing; none for an
/// empty glyph. The glyph's bottom-left pixel is the key colour: every pixel of that colour is
/// background, left alone by every mode and left out when the result is drawn. The result is
/// in the display's form, except the disabled default, which is the one-bit edge stencil.
TARVOWIDGETS_EXPORT std::unique_ptr<TBitmap> MakeStateGlyph(const TBitmap& glyph, const TStateGlyphLook& look);

} // namespace TarvoWidgets
