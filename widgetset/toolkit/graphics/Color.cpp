// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/graphics/Color.h"

#include <QGuiApplication>
#include <QPalette>
#include <iterator>
#include <utility>
#include <vector>

namespace TarvoWidgets {

TColor::TColor(const QColor& color)
    : FValue(RGBColor(color.red(), color.green(), color.blue()))
{
}


namespace {

struct TPaletteEntry {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// The palette role that answers each system colour index. The toolkit's 3-D colours map onto
// Qt's bevel roles: the button face is Button, its highlight Light, its shadow Dark, the dark
// shadow and the window frame Shadow (black in every stock palette, as the frame is).
constexpr TPaletteEntry SystemColors[] = {
    {QPalette::Active, QPalette::Mid},               // 0 scroll bar
    {QPalette::Active, QPalette::Window},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},         // 2 active caption
    {QPalette::Inactive, QPalette::Mid},             // 3 inactive caption
    {QPalette::Active, QPalette::Window},            // 4 menu
    {QPalette::Active, QPalette::Base},              // 5 window
    {QPalette::Active, QPalette::Shadow},            // 6 window frame
    {QPalette::Active, QPalette::WindowText},        // 7 menu text
    {QPalette::Active, QPalette::Text},              // 8 window text
    {QPalette::Active, QPalette::HighlightedText},   // 9 caption text
    {QPalette::Active, QPalette::Button},            // 10 active border
    {QPalette::Inactive, QPalette::Button},          // 11 inactive border
    {QPalette::Active, QPalette::Mid},               // 12 application workspace
    {QPalette::Active, QPalette::Highlight},         // 13 selection highlight
    {QPalette::Active, QPalette::HighlightedText},   // 14 selected text
    {QPalette::Active, QPalette::Button},            // 15 button face
    {QPalette::Active, QPalette::Dark},              // 16 button shadow
    {QPalette::Disabled, QPalette::Text},            // 17 grey text
    {QPalette::Active, QPalette::ButtonText},        // 18 button text
    {QPalette::Inactive, QPalette::HighlightedText}, // 19 inactive caption text
    {QPalette::Active, QPalette::Light},             // 20 button highlight
    {QPalette::Active, QPalette::Shadow},            // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},          // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},       // 23 tool tip text
    {QPalette::Active, QPalette::ToolTipBase},       // 24 tool tip background
    {QPalette::Active, QPalette::Button},            // 25 (unused index)
    {QPalette::Active, QPalette::Link},              // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},         // 27 active caption gradient
    {QPalette::Inactive, QPalette::Mid},             // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},         // 29 menu highlight
    {QPalette::Active, QPalette::Window},            // 30 menu bar
};

struct TColorName {
    TColor Color;
    const char* Name;
};

// The toolkit's names: the sixteen named colours, no colour, and the system colours by index.
constexpr TColorName ColorNames[] = {
    {clr::Black, "clBlack"}, {clr::Maroon, "clMaroon"}, {clr::Green, "clGreen"},
    {clr::Olive, "clOlive"}, {clr::Navy, "clNavy"}, {clr::Purple, "clPurple"},
    {clr::Teal, "clTeal"}, {clr::Gray, "clGray"}, {clr::Silver, "clSilver"},
    {clr::Red, "clRed"}, {clr::Lime, "clLime"}, {clr::Yellow, "clYellow"},
    {clr::Blue, "clBlue"}, {clr::Fuchsia, "clFuchsia"}, {clr::Aqua, "clAqua"},
    {clr::White, "clWhite"}, {clr::None, "clNone"},
    {clr::SystemColor(0), "clScrollBar"}, {clr::SystemColor(1), "clBackground"},
    {clr::SystemColor(2), "clActiveCaption"}, {clr::SystemColor(3), "clInactiveCaption"},
    {clr::SystemColor(4), "clMenu"}, {clr::SystemColor(5), "clWindow"},
    {clr::SystemColor(6), "clWindowFrame"}, {clr::SystemColor(7), "clMenuText"},
    {clr::SystemColor(8), "clWindowText"}, {clr::SystemColor(9), "clCaptionText"},
    {clr::SystemColor(10), "clActiveBorder"}, {clr::SystemColor(11), "clInactiveBorder"},
    {clr::SystemColor(12), "clAppWorkSpace"}, {clr::SystemColor(13), "clHighlight"},
    {clr::SystemColor(14), "clHighlightText"}, {clr::SystemColor(15), "clBtnFace"},
    {clr::SystemColor(16), "clBtnShadow"}, {clr::SystemColor(17), "clGrayText"},
    {clr::SystemColor(18), "clBtnText"}, {clr::SystemColor(19), "clInactiveCaptionText"},
    {clr::SystemColor(20), "clBtnHighlight"}, {clr::SystemColor(21), "cl3DDkShadow"},
    {clr::SystemColor(22), "cl3DLight"}, {clr::SystemColor(23), "clInfoText"},
    {clr::SystemColor(24), "clInfoBk"}, {clr::SystemColor(26), "clHotLight"},
    {clr::SystemColor(27), "clGradientActiveCaption"},
    {clr::SystemColor(28), "clGradientInactiveCaption"},
    {clr::SystemColor(29), "clMenuHighlight"}, {clr::SystemColor(30), "clMenuBar"},
};

} // namespace

QString ColorToString(TColor c)
{
    for (const TColorName& entry : ColorNames)
        if (entry.Color == c)
            return QLatin1String(entry.Name);
    if ((c & ~0xFFFFFF) == 0)
        return QStringLiteral("#%1%2%3")
            .arg(RedOf(c), 2, 16, QLatin1Char('0'))
            .arg(GreenOf(c), 2, 16, QLatin1Char('0'))
            .arg(BlueOf(c), 2, 16, QLatin1Char('0'))
            .toUpper();
    return QStringLiteral("$%1").arg(quint32(c), 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<TColor> StringToColor(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const TColorName& entry : ColorNames)
        if (trimmed.compare(QLatin1String(entry.Name), Qt::CaseInsensitive) == 0)
            return entry.Color;
    bool ok = false;
    if (trimmed.size() == 7 && trimmed.startsWith(QLatin1Char('#'))) {
        const uint rgb = trimmed.mid(1).toUInt(&ok, 16);
        if (ok)
            return RGBColor(int(rgb >> 16), int(rgb >> 8), int(rgb));
    }
    if (trimmed.size() >= 2 && trimmed.size() <= 9 && trimmed.startsWith(QLatin1Char('$'))) {
        const uint raw = trimmed.mid(1).toUInt(&ok, 16);
        if (ok)
            return TColor(raw);
    }
    return std::nullopt;
}

TColor ColorToRGB(TColor c)
{
    if (c == clr::None)
        return clr::Black;
    if (!IsSystemColor(c))
        return c & 0xFFFFFF;
    const int index = SystemColorIndex(c);
    if (index >= int(std::size(SystemColors)))
        return clr::Black;
    // Without an application object QPalette() is Qt's built-in palette.
    const QPalette palette = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
        ? QGuiApplication::palette() : QPalette();
    return FromQColor(palette.color(SystemColors[index].Group, SystemColors[index].Role));
}

namespace {

// Teaches Qt's meta-type system the conversions of a colour property, for as long as the
// library is loaded (a Designer plugin may be unloaded before the program ends):
// - QColor, both ways: Qt Designer's colour editor and preview, and uic's setProperty, hand a
//   property a QColor; a system colour reference gives the palette's colour it stands for;
// - int, both ways: the number itself;
// - QString, both ways: the colour's text as a stored layout holds it; a text that names no
//   colour does not convert, so the property keeps its value.
class TColorConversions {
public:
    TColorConversions()
    {
        Add<TColor, QColor>([](const TColor& c, QColor& to) { to = ToQColor(c); return true; });
        Add<QColor, TColor>([](const QColor& c, TColor& to) { to = FromQColor(c); return true; });
        Add<TColor, int>([](const TColor& c, int& to) { to = c; return true; });
        Add<int, TColor>([](const int& number, TColor& to) { to = number; return true; });
        Add<TColor, QString>([](const TColor& c, QString& to) { to = ColorToString(c); return true; });
        Add<QString, TColor>([](const QString& text, TColor& to) {
            const std::optional<TColor> color = StringToColor(text);
            if (color)
                to = *color;
            return color.has_value();
        });
    }
    ~TColorConversions()
    {
        for (const auto& [from, to] : FAdded)
            QMetaType::unregisterConverterFunction(from, to);
    }
    TColorConversions(const TColorConversions&) = delete;
    TColorConversions& operator=(const TColorConversions&) = delete;

private:
    template <class TFrom, class TTo>
    void Add(bool (*convert)(const TFrom&, TTo&))
    {
        const QMetaType from = QMetaType::fromType<TFrom>(), to = QMetaType::fromType<TTo>();
        const auto converter = [convert](const void* source, void* target) {
            return convert(*static_cast<const TFrom*>(source), *static_cast<TTo*>(target));
        };
        if (QMetaType::registerConverterFunction(converter, from, to))
            FAdded.emplace_back(from, to);
    }

    std::vector<std::pair<QMetaType, QMetaType>> FAdded;
};

const TColorConversions ColorConversions;

} // namespace

} // namespace TarvoWidgets
