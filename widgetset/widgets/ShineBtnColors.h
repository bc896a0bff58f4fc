// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/graphics/Color.h"
#include "toolkit/base/NotifyEvent.h"

#include <QObject>
#include <memory>

namespace TarvoWidgets {

/// One colour set of the shine speed button: the background (solid, or a gradient from Color to
/// GradColor) and the three frame colours. The button owns two, one for its up states and one
/// for its down states, and listens to both through OnChange.
///
/// A set is stored as a nested object of its button. Color has no published default, because
/// the button's two sets start with different ones: it is always stored.
class TARVOWIDGETS_EXPORT TShineBtnColors : public QObject {
    Q_OBJECT
    /// The bevel's light edge (clBtnHighlight by default).
    Q_PROPERTY(TColor Highlight READ Highlight WRITE SetHighlight NOTIFY ValuesChanged)
    Q_CLASSINFO("Default:Highlight", "clBtnHighlight")
    /// The bevel's inner dark edge (clBtnShadow by default).
    Q_PROPERTY(TColor Shadow READ Shadow WRITE SetShadow NOTIFY ValuesChanged)
    Q_CLASSINFO("Default:Shadow", "clBtnShadow")
    /// The bevel's outer dark edge of ftNormalFrame (clWindowFrame by default).
    Q_PROPERTY(TColor DarkShadow READ DarkShadow WRITE SetDarkShadow NOTIFY ValuesChanged)
    Q_CLASSINFO("Default:DarkShadow", "clWindowFrame")
    /// The face's second colour, where Gradation is on (clBlue by default).
    Q_PROPERTY(TColor GradColor READ GradColor WRITE SetGradColor NOTIFY ValuesChanged)
    Q_CLASSINFO("Default:GradColor", "clBlue")
    /// Whether the gradient runs from top to bottom (true) or from left to right (false, the
    /// default).
    Q_PROPERTY(bool GradVertical READ GradVertical WRITE SetGradVertical NOTIFY ValuesChanged)
    Q_CLASSINFO("Default:GradVertical", "false")
    /// Whether the face is a gradient from Color to GradColor (false by default: solid Color).
    Q_PROPERTY(bool Gradation READ Gradation WRITE SetGradation NOTIFY ValuesChanged)
    Q_CLASSINFO("Default:Gradation", "false")
    // No published default: always stored.
    /// The face, or the gradient's first colour. It has no published default, as the button's two
    /// sets start with different ones (clBtnFace, and a lighter one while down): it is always
    /// stored.
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY ValuesChanged)

public:
    /// Created with no owner, as the toolkit's persistent objects are; the button frees its sets.
    TShineBtnColors();
    /// Nobody hears about a set that is going away.
    ~TShineBtnColors() override;

    // Each setter stores a different value and calls OnChange; the same value does nothing.
    TColor Highlight() const;
    void SetHighlight(TColor value);
    TColor Shadow() const;
    void SetShadow(TColor value);
    TColor DarkShadow() const;
    void SetDarkShadow(TColor value);
    TColor GradColor() const;
    void SetGradColor(TColor value);
    bool GradVertical() const;
    void SetGradVertical(bool value);
    bool Gradation() const;
    void SetGradation(bool value);
    TColor Color() const;
    void SetColor(TColor value);

    /// Copies all seven values of source and calls OnChange once. Any source that is not a
    /// colour set (none at all included) raises the assignment error and changes nothing.
    void Assign(const QObject* source);
    /// Copies all seven values into dest and calls dest's OnChange once. Any destination that is
    /// not a colour set raises the assignment error.
    void AssignTo(QObject* dest) const;

    /// The toolkit's change event: called after every change, before Qt's signal.
    const TNotifyEvent& OnChange() const;
    void SetOnChange(TNotifyEvent value);

Q_SIGNALS:
    /// Qt's change signal of every value of the set, emitted right after OnChange: one signal
    /// for the group, as the button treats a set as one value.
    void ValuesChanged();

private:
    /// Stores value in field and reports it when it differs.
    template <typename T> void Update(T& field, T value);
    void CopyValues(const TShineBtnColors& source);
    void Changed();


private:
    struct Private;
    std::unique_ptr<Private> const d;
};

} // namespace TarvoWidgets
