// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/controls/SpeedButton.h"

#include "toolkit/graphics/Color.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace TarvoWidgets {

class TSpeedButtonPrivate {
public:
    TSpeedButton::TButtonState State = TSpeedButton::bsUp;
};

TSpeedButton::TSpeedButton(QWidget* parent)
    : TCustomSpeedButton(parent), d(std::make_unique<TSpeedButtonPrivate>())
{
    // The toolkit's default size; a toolbar button takes the keyboard focus only where a program
    // gives it a focus policy.
    resize(23, 22);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TSpeedButton::~TSpeedButton() = default;

TSpeedButton::TButtonState TSpeedButton::State() const { return d->State; }
bool TSpeedButton::Held() const { return TCustomSpeedButton::Held() && d->State == bsDown; }

void TSpeedButton::ShowRestingState()
{
    d->State = isEnabled() ? (Down() ? bsExclusive : bsUp) : bsDisabled;
}

void TSpeedButton::CaptionSet()
{
    TCustomSpeedButton::CaptionSet();
    updateGeometry();
    update();
}

void TSpeedButton::LatchSet()
{
    if (isEnabled())
        d->State = Down() ? bsExclusive : bsUp;
    repaint();
}

void TSpeedButton::GroupReleased()
{
    if (isEnabled())
        d->State = bsUp;
    update();
}

void TSpeedButton::PressStarted()
{
    if (!Down()) {
        d->State = bsDown;
        repaint();
    }
}

void TSpeedButton::PressReleased(bool inside, bool)
{
    QPointer<TSpeedButton> self(this);
    // SetDown may refuse (the down button of an exclusive group): the latch is shown as it is.
    if (GroupIndex() != 0 && inside)
        SetDown(!Down());
    if (!self)
        return;
    d->State = GroupIndex() != 0 && Down() ? bsExclusive : bsUp;
    repaint();
}

void TSpeedButton::PressLost()
{
    ShowRestingState();
    update();
}

void TSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Press();
}

void TSpeedButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt sends no press for the second click of a double click; the toolkit takes it as one.
    if (event->button() == Qt::LeftButton)
        Press();
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!TCustomSpeedButton::Held() || EndLostPress(event->buttons().testFlag(Qt::LeftButton)))
        return;
    TButtonState state = Down() ? bsExclusive : bsUp;
    if (rect().contains(event->position().toPoint()))
        state = bsDown;
    if (state != d->State) {
        d->State = state;
        update();
    }
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && TCustomSpeedButton::Held())
        ReleasePress(rect().contains(event->position().toPoint()), true);
}

void TSpeedButton::changeEvent(QEvent* event)
{
    TCustomSpeedButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        ShowRestingState();
        update();
    }
}

QSize TSpeedButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, Caption());
    return QSize(std::max(23, text.width() + 12), std::max(22, text.height() + 8));
}

QSize TSpeedButton::minimumSizeHint() const
{
    return QSize(23, 22);
}

void TSpeedButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect all = rect();
    const bool sunken = d->State == bsDown || d->State == bsExclusive;
    // A latched button shows a lighter face, as the toolkit's does, so it reads as "on".
    QColor face = ToQColor(clr::BtnFace);
    if (d->State == bsExclusive) {
        const QColor light = ToQColor(clr::BtnHighlight);
        face = QColor((face.red() + light.red()) / 2, (face.green() + light.green()) / 2,
                      (face.blue() + light.blue()) / 2);
    }
    painter.fillRect(all, face);

    // One-pixel bevel, drawn as filled rectangles so it stays on whole device pixels at any
    // scale: light above and left, dark below and right; the other way round when sunken.
    const QColor light = ToQColor(clr::BtnHighlight);
    const QColor dark = ToQColor(clr::BtnShadow);
    const QColor& topLeft = sunken ? dark : light;
    const QColor& bottomRight = sunken ? light : dark;
    painter.fillRect(QRect(0, 0, all.width() - 1, 1), topLeft);
    painter.fillRect(QRect(0, 0, 1, all.height() - 1), topLeft);
    painter.fillRect(QRect(0, all.height() - 1, all.width(), 1), bottomRight);
    painter.fillRect(QRect(all.width() - 1, 0, 1, all.height()), bottomRight);
    // Only where a program gave the button a focus policy.
    DrawFocusFrame(painter, all.adjusted(2, 2, -2, -2));

    if (Caption().isEmpty())
        return;
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    QRect text = all;
    if (sunken)
        text.translate(1, 1);
    if (d->State == bsDisabled) {
        painter.setPen(light);
        painter.drawText(text.translated(1, 1), flags, Caption());
        painter.setPen(dark);
    } else {
        painter.setPen(ToQColor(clr::BtnText));
    }
    painter.drawText(text, flags, Caption());
}

} // namespace TarvoWidgets
