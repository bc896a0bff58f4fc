// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QEvent>
#include <QMetaType>
#include <QString>
#include <cstdint>
#include <optional>

namespace TarvoWidgets {

/// The toolkit's colour value, a signed 32-bit number:
/// - a plain colour 0x00BBGGRR: red in bits 0 to 7, green in 8 to 15, blue in 16 to 23;
/// - a system colour reference, 0x80000000 + the system colour's index, whose RGB value is
///   the desktop's current one (on Qt: a role of the application palette, see ColorToRGB);
/// - clr::None (0x1FFFFFFF), no colour at all.
/// In C++ it is that number (it converts both ways). To Qt's meta-type system it is a type of
/// its own, so that a colour property converts from and to QColor (Qt Designer, uic's
/// setProperty, QVariant), int, and the colour's text ("clBtnFace", "#800000"); see Color.cpp.
class TColor {
public:
    constexpr TColor() = default;
    constexpr TColor(std::int32_t value) : FValue(value) {}
    /// A plain colour of the same red, green and blue: what a form's colour gives the WRITE
    /// accessor (setColor) in the code uic makes of it.
    TColor(const QColor& color);
    constexpr operator std::int32_t() const { return FValue; }

private:
    std::int32_t FValue = 0;
};

namespace clr {
/// The sixteen named colours.
constexpr TColor Black = 0x000000;
constexpr TColor Maroon = 0x000080;
constexpr TColor Green = 0x008000;
constexpr TColor Olive = 0x008080;
constexpr TColor Navy = 0x800000;
constexpr TColor Purple = 0x800080;
constexpr TColor Teal = 0x808000;
constexpr TColor Gray = 0x808080;
constexpr TColor Silver = 0xC0C0C0;
constexpr TColor Red = 0x0000FF;
constexpr TColor Lime = 0x00FF00;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor Blue = 0xFF0000;
constexpr TColor Fuchsia = 0xFF00FF;
constexpr TColor Aqua = 0xFFFF00;
constexpr TColor White = 0xFFFFFF;

/// No colour at all.
constexpr TColor None = 0x1FFFFFFF;

/// System colour references: the flag bit plus the system colour's index.
constexpr TColor SystemColorFlag = static_cast<TColor>(0x80000000u);
constexpr TColor SystemColor(int index) { return SystemColorFlag | index; }
constexpr TColor WindowFrame = SystemColor(6);
constexpr TColor Highlight = SystemColor(13);
constexpr TColor BtnFace = SystemColor(15);
constexpr TColor BtnShadow = SystemColor(16);
constexpr TColor BtnText = SystemColor(18);
constexpr TColor BtnHighlight = SystemColor(20);
} // namespace clr

constexpr bool IsSystemColor(TColor c) { return (c & clr::SystemColorFlag) != 0; }
constexpr int SystemColorIndex(TColor c) { return c & 0xFF; }

/// The channels of the stored value, taken as they stand (a system colour reference is not
/// resolved: the fade arithmetic of the fade button works on the stored bytes).
constexpr int RedOf(TColor c) { return c & 0xFF; }
constexpr int GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor RGBColor(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }

/// The plain 0x00BBGGRR value of a colour: a system colour reference resolves to the
/// application palette's current colour for it; a plain colour keeps its low 24 bits;
/// clr::None gives black.
TColor ColorToRGB(TColor c);

/// The colour to paint with (system colours resolved), and back.
inline QColor ToQColor(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}
inline TColor FromQColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

/// The colour as a person reads and edits it in a stored layout: the toolkit's name where it
/// has one ("clBtnFace", "clMaroon", "clNone"), else a plain colour as "#RRGGBB" (red first, as
/// on the web, not in the stored byte order), else the raw value as "$XXXXXXXX".
QString ColorToString(TColor c);
/// The reverse of ColorToString; names are matched without regard to case. Empty when the text
/// is no colour.
std::optional<TColor> StringToColor(const QString& text);

/// The toolkit's system-colours-changed notification. On Qt it is the palette change: a new
/// application palette reaches every widget as QEvent::ApplicationPaletteChange and, unless the
/// widget has a palette of its own, QEvent::PaletteChange. A widget that shows system colours
/// rebuilds what it derived from them when its changeEvent gets either; a plain repaint needs
/// nothing of its own, since Qt repaints every widget on a new application palette and
/// ToQColor resolves at each paint.
inline bool IsSystemColorsChange(const QEvent* event)
{
    return event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::PaletteChange;
}

} // namespace TarvoWidgets

Q_DECLARE_METATYPE(TarvoWidgets::TColor)
