// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QKeySequence>
#include <QString>

namespace TarvoWidgets {

/// What a screen reader needs to know of a button of the widget set, and the one thing it may
/// do with it. The buttons draw themselves and are no QAbstractButton, so Qt's accessibility
/// knows nothing of them; a button that implements this gets the accessible interface of a Qt
/// push button (AccessibleButton.cpp): role Button, its caption as the name, pressed, checkable
/// and checked states, and the press action.
class TARVOWIDGETS_EXPORT TAccessibleButton {
public:
    /// The caption as read aloud: without the accelerator marker, "&&" as one ampersand.
    virtual QString AccessibleCaption() const = 0;
    /// Whether the button latches down (Qt's checkable).
    virtual bool Latching() const { return false; }
    /// Whether it is latched down now (Qt's checked).
    virtual bool LatchedDown() const { return false; }
    /// The key that clicks it (Alt and the marked character), if any.
    virtual QKeySequence Accelerator() const { return {}; }
    /// Whether the left mouse button holds it pressed now.
    virtual bool Held() const = 0;
    /// Does what a click of the mouse does: Qt's QAbstractButton::click().
    virtual void click() = 0;

protected:
    ~TAccessibleButton() = default;
};

/// The caption of a button that marks its accelerator with an ampersand, as read aloud.
TARVOWIDGETS_EXPORT QString WithoutAcceleratorMarker(const QString& caption);

/// Tells screen readers that a latching button went down or up, as Qt's buttons do when their
/// checked state changes; a button connects its toggled signal here.
TARVOWIDGETS_EXPORT void AccessibleCheckedChanged(QObject* button);

} // namespace TarvoWidgets
