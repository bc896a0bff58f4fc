// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/graphics/Font.h"

#include "toolkit/graphics/GothicFaces.h"

#include <QGuiApplication>
#include <QPointer>

namespace TarvoWidgets {

namespace {

// The style bits and the QFont switches they stand for.
struct TStyleSwitch {
    TFont::TFontStyle Style;
    bool (QFont::*Get)() const;
    void (QFont::*Set)(bool);
};

constexpr TStyleSwitch StyleSwitches[] = {
    {TFont::fsBold, &QFont::bold, &QFont::setBold},
    {TFont::fsItalic, &QFont::italic, &QFont::setItalic},
    {TFont::fsUnderline, &QFont::underline, &QFont::setUnderline},
    {TFont::fsStrikeOut, &QFont::strikeOut, &QFont::setStrikeOut},
};

} // namespace

TFont::TFont(QObject* owner)
    : QObject(owner), FFace(ProportionalGothic(12))
{
    // 12 pixels is 9 points on the 96 dpi screen the layouts were made for; the toolkit's
    // font counts in points.
    FFace.setPointSize(9);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        FApplicationFont = QGuiApplication::font();
}

void TFont::SetName(const QString& value)
{
    FFaceSet = true;
    if (value == Name())
        return;
    FFace.setFamily(value);
    Changed();
}

void TFont::SetSize(int value)
{
    FFaceSet = true;
    if (value == Size() || value <= 0)
        return;
    FFace.setPointSize(value);
    Changed();
}

TFont::TFontStyles TFont::Style() const
{
    TFontStyles styles;
    for (const TStyleSwitch& s : StyleSwitches)
        if ((FFace.*s.Get)())
            styles |= s.Style;
    return styles;
}

void TFont::SetStyle(TFontStyles value)
{
    FFaceSet = true;
    if (value == Style())
        return;
    for (const TStyleSwitch& s : StyleSwitches)
        (FFace.*s.Set)(value.testFlag(s.Style));
    Changed();
}

void TFont::SetColor(TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    Changed();
}

void TFont::Assign(const TFont& source)
{
    FFace = source.FFace;
    FColor = source.FColor;
    FFaceSet = source.FFaceSet;
    Changed();
}

void TFont::FollowApplicationFont(const QFont& font)
{
    if (FFaceSet || font == FApplicationFont)
        return;
    FApplicationFont = font;
    const int size = font.pointSize() > 0 ? font.pointSize() : Size();
    if (font.family() == FFace.family() && size == Size())
        return;
    FFace.setFamily(font.family());
    FFace.setPointSize(size);
    Changed();
}

void TFont::Changed()
{
    // The owner's change signal may free the owner, and this font with it.
    QPointer<TFont> self(this);
    if (OnChange)
        OnChange(this);
    if (self)
        Q_EMIT ValuesChanged();
}

} // namespace TarvoWidgets
