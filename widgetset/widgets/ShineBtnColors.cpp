// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "widgets/ShineBtnColors.h"

#include "toolkit/base/ToolkitError.h"

#include <QPointer>

namespace TarvoWidgets {

TShineBtnColors::TShineBtnColors() = default;

TShineBtnColors::~TShineBtnColors()
{
    OnChange = nullptr;
}

template <typename T> void TShineBtnColors::Update(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TShineBtnColors::SetHighlight(TColor value) { Update(FHighlight, value); }
void TShineBtnColors::SetShadow(TColor value) { Update(FShadow, value); }
void TShineBtnColors::SetDarkShadow(TColor value) { Update(FDarkShadow, value); }
void TShineBtnColors::SetGradColor(TColor value) { Update(FGradColor, value); }
void TShineBtnColors::SetGradVertical(bool value) { Update(FGradVertical, value); }
void TShineBtnColors::SetGradation(bool value) { Update(FGradation, value); }
void TShineBtnColors::SetColor(TColor value) { Update(FColor, value); }

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
    FColor = source.FColor;
    FHighlight = source.FHighlight;
    FShadow = source.FShadow;
    FDarkShadow = source.FDarkShadow;
    FGradColor = source.FGradColor;
    FGradVertical = source.FGradVertical;
    FGradation = source.FGradation;
}

void TShineBtnColors::Changed()
{
    // The owner's change signal may free the owner, and this set with it.
    QPointer<TShineBtnColors> self(this);
    if (OnChange)
        OnChange(this);
    if (self)
        Q_EMIT ValuesChanged();
}

} // namespace TarvoWidgets
