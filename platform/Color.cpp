#include "Color.h"

#include <QGuiApplication>
#include <QPalette>
#include <iterator>

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

} // namespace

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
