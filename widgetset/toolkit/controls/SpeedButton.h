// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/controls/CustomButton.h"

namespace TarvoWidgets {

/// The toolkit's speed button: a flat button that takes no focus by default and, with a non-zero
/// GroupIndex, latches down. The group, the press, the accelerator and the signals are the
/// button core's (TCustomSpeedButton); this class draws the button and follows the press with
/// its look.
///
/// What Qt's styling reaches: the caption is drawn in Qt's font; the face, bevel and text are
/// the system colours of the application's palette, so the widget's own palette reaches nothing
/// (Designer hides its row), nor do a style sheet's colours.
///
/// The order of the signals. Beside OnClick the button emits Qt's button signals (the core's). A
/// left press on the enabled button emits pressed(); its release emits released() (also when the press is lost:
/// hidden, disabled, mouse taken), then, over the button, the latch change and OnClick followed by
/// clicked(). An accelerator emits OnClick and clicked() alone. toggled(bool) follows every change
/// of Down, by the mouse, SetDown or the release by another button of the group.
class TARVOWIDGETS_EXPORT TSpeedButton : public TCustomSpeedButton {
    Q_OBJECT

public:
    /// The look: up, held by the mouse over it, latched down, disabled.
    enum TButtonState { bsUp, bsDown, bsExclusive, bsDisabled };

    explicit TSpeedButton(QWidget* parent = nullptr);
    ~TSpeedButton() override;

    TButtonState State() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    /// Pressed for screen readers while the mouse holds it down over it.
    bool Held() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    void PressStarted() override;
    void PressReleased(bool inside, bool byMouse) override;
    void PressLost() override;
    void LatchSet() override;
    void GroupReleased() override;
    void CaptionSet() override;

private:
    /// Shows the state that Down and Enabled give when no press is going on.
    void ShowRestingState();

    std::unique_ptr<class TSpeedButtonPrivate> const d;
};

} // namespace TarvoWidgets
