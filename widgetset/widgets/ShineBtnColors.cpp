// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "widgets/ShineBtnColors.h"

#include "toolkit/base/ToolkitError.h"

#include <QPointer>

namespace TarvoWidgets {

struct TShineBtnColors::Private {
    TNotifyEvent FOnChange;
    TColor FColor = clr::BtnFace;
    TColor FHighlight = clr::BtnHighlight;
    TColor FShadow = clr::BtnShadow;
    TColor FDarkShadow = clr::WindowFrame;
    TColor FGradColor = clr::Blue;
    bool FGradVertical = false;
    bool FGradation = false;
};

TColor TShineBtnColors::Highlight() const
{
    return d->FHighlight;
}

TColor TShineBtnColors::Shadow() const
{
    return d->FShadow;
}

TColor TShineBtnColors::DarkShadow() const
{
    return d->FDarkShadow;
}

TColor TShineBtnColors::GradColor() const
{
    return d->FGradColor;
}

bool TShineBtnColors::GradVertical() const
{
    return d->FGradVertical;
}

bool TShineBtnColors::Gradation() const
{
    return d->FGradation;
}

TColor TShineBtnColors::Color() const
{
    return d->FColor;
}

TShineBtnColors::TShineBtnColors()
    : d(std::make_unique<Private>())
{
}

const TNotifyEvent& TShineBtnColors::OnChange() const
{
    return d->FOnChange;
}

void TShineBtnColors::SetOnChange(TNotifyEvent value)
{
    d->FOnChange = std::move(value);
}

TShineBtnColors::~TShineBtnColors()
{
    d->FOnChange = nullptr;
}

template <typename T> void TShineBtnColors::Update(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TShineBtnColors::SetHighlight(TColor value) { Update(d->FHighlight, value); }
void TShineBtnColors::SetShadow(TColor value) { Update(d->FShadow, value); }
void TShineBtnColors::SetDarkShadow(TColor value) { Update(d->FDarkShadow, value); }
void TShineBtnColors::SetGradColor(TColor value) { Update(d->FGradColor, value); }
void TShineBtnColors::SetGradVertical(bool value) { Update(d->FGradVertical, value); }
void TShineBtnColors::SetGradation(bool value) { Update(d->FGradation, value); }
void TShineBtnColors::SetColor(TColor value) { Update(d->FColor, value); }

void TShineBtnColors::Assign(const QObject* source)
{
    const auto* colors = qobject_cast<const TShineBtnColors*>(source);
    if (!colors)
        throw EToolkitError::Assign(source, this);
    CopyValues(*colors);
    Changed();
}

void TShineBtnColors::AssignTo(QObject* dest) const
{
    auto* colors = qobject_cast<TShineBtnColors*>(dest);
    if (!colors)
        throw EToolkitError::Assign(this, dest);
    colors->CopyValues(*this);
    colors->Changed();
}

void TShineBtnColors::CopyValues(const TShineBtnColors& source)
{
    d->FColor = source.d->FColor;
    d->FHighlight = source.d->FHighlight;
    d->FShadow = source.d->FShadow;
    d->FDarkShadow = source.d->FDarkShadow;
    d->FGradColor = source.d->FGradColor;
    d->FGradVertical = source.d->FGradVertical;
    d->FGradation = source.d->FGradation;
}

void TShineBtnColors::Changed()
{
    // The owner's change signal may free the owner, and this set with it.
    QPointer<TShineBtnColors> self(this);
    if (d->FOnChange)
        d->FOnChange(this);
    if (self)
        Q_EMIT ValuesChanged();
}

} // namespace TarvoWidgets
