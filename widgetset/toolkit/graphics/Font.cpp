// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/graphics/Font.h"

#include "toolkit/graphics/GothicFaces.h"

#include <QGuiApplication>
#include <QPointer>

namespace TarvoWidgets {

struct TFont::Private {
    TNotifyEvent FOnChange;
    QFont FFace;
    TColor FColor = clr::Black;
    bool FFaceSet = false;
    QFont FApplicationFont; // the application font that the face has seen last
};

const TNotifyEvent& TFont::OnChange() const
{
    return d->FOnChange;
}

void TFont::SetOnChange(TNotifyEvent value)
{
    d->FOnChange = std::move(value);
}

TFont::~TFont() = default;

QString TFont::Name() const
{
    return d->FFace.family();
}

int TFont::Size() const
{
    return d->FFace.pointSize();
}

TColor TFont::Color() const
{
    return d->FColor;
}

bool TFont::DefaultFace() const
{
    return !d->FFaceSet;
}

const QFont& TFont::Face() const
{
    return d->FFace;
}

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
    : QObject(owner)
    , d(std::make_unique<Private>())
{
    d->FFace = ProportionalGothic(12);
    // 12 pixels is 9 points on the 96 dpi screen the layouts were made for; the toolkit's
    // font counts in points.
    d->FFace.setPointSize(9);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        d->FApplicationFont = QGuiApplication::font();
}

void TFont::SetName(const QString& value)
{
    d->FFaceSet = true;
    if (value == Name())
        return;
    d->FFace.setFamily(value);
    Changed();
}

void TFont::SetSize(int value)
{
    d->FFaceSet = true;
    if (value == Size() || value <= 0)
        return;
    d->FFace.setPointSize(value);
    Changed();
}

TFont::TFontStyles TFont::Style() const
{
    TFontStyles styles;
    for (const TStyleSwitch& s : StyleSwitches)
        if ((d->FFace.*s.Get)())
            styles |= s.Style;
    return styles;
}

void TFont::SetStyle(TFontStyles value)
{
    d->FFaceSet = true;
    if (value == Style())
        return;
    for (const TStyleSwitch& s : StyleSwitches)
        (d->FFace.*s.Set)(value.testFlag(s.Style));
    Changed();
}

void TFont::SetColor(TColor value)
{
    if (value == d->FColor)
        return;
    d->FColor = value;
    Changed();
}

void TFont::Assign(const TFont& source)
{
    d->FFace = source.d->FFace;
    d->FColor = source.d->FColor;
    d->FFaceSet = source.d->FFaceSet;
    Changed();
}

void TFont::FollowApplicationFont(const QFont& font)
{
    if (d->FFaceSet || font == d->FApplicationFont)
        return;
    d->FApplicationFont = font;
    const int size = font.pointSize() > 0 ? font.pointSize() : Size();
    if (font.family() == d->FFace.family() && size == Size())
        return;
    d->FFace.setFamily(font.family());
    d->FFace.setPointSize(size);
    Changed();
}

void TFont::Changed()
{
    // The owner's change signal may free the owner, and this font with it.
    QPointer<TFont> self(this);
    if (d->FOnChange)
        d->FOnChange(this);
    if (self)
        Q_EMIT ValuesChanged();
}

} // namespace TarvoWidgets
