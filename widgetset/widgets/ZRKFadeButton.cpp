// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/properties/PropertyWrite.h"
#include "widgets/ZRKFadeButton.h"

#include "toolkit/base/ChangeNotify_p.h"
#include "toolkit/controls/Timer.h"
#include "toolkit/graphics/ExposedPart_p.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <optional>

namespace TarvoWidgets {

struct TZRKFadeButton::Private {
    // The fade state.
    TColor FFadeColor = 0;          // the fill shown
    TColor FFadeBorderColor = 0;    // the outline shown
    int FFadeDelta = 0;             // +Step while fading in, -Step while fading out
    // The caption colour that a leave gives back; empty until a hover has replaced it.
    std::optional<TColor> FSavedFontColor;
    // Enabled while a fade runs, in either direction.
    TTimer FTimer;
    TColor FFontColor = 0;
    TColor FColor = 0;
    bool FFadeOnLeave = true;
    int FStep = 2;
    TColor FBorderColor = clr::Silver;
    TColor FBorderDestColor = clr::White;
    TColor FDestColor = clr::Lime;
    bool FShowBorder = true;
    TColor FCaptionOverColor = clr::Lime;
    bool FFadeOnOver = true;
    int FBorderHeight = 1;
    int FSpeed = 0;
};

TZRKFadeButton::~TZRKFadeButton() = default;

TColor TZRKFadeButton::FontColor() const
{
    return d->FFontColor;
}

TColor TZRKFadeButton::Color() const
{
    return d->FColor;
}

bool TZRKFadeButton::FadeOnLeave() const
{
    return d->FFadeOnLeave;
}

int TZRKFadeButton::Step() const
{
    return d->FStep;
}

TColor TZRKFadeButton::BorderColor() const
{
    return d->FBorderColor;
}

TColor TZRKFadeButton::BorderDestColor() const
{
    return d->FBorderDestColor;
}

TColor TZRKFadeButton::DestColor() const
{
    return d->FDestColor;
}

bool TZRKFadeButton::ShowBorder() const
{
    return d->FShowBorder;
}

TColor TZRKFadeButton::CaptionOverColor() const
{
    return d->FCaptionOverColor;
}

bool TZRKFadeButton::FadeOnOver() const
{
    return d->FFadeOnOver;
}

int TZRKFadeButton::BorderHeight() const
{
    return d->FBorderHeight;
}

int TZRKFadeButton::Speed() const
{
    return d->FSpeed;
}

namespace {

using TChannel = int (*)(TColor);
constexpr TChannel Channels[] = {RedOf, GreenOf, BlueOf};

} // namespace

TZRKFadeButton::TZRKFadeButton(QWidget* owner)
    : TCustomButton(owner)
    , d(std::make_unique<Private>())
{
    // The toolkit's control starts without a size, so the paint of SetColor below draws
    // nothing, and it gets mouse moves with no button held.
    resize(0, 0);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The plain defaults are the fields' initialisers; the setters below also set what is
    // shown (the fill, the caption colour) and the timer.
    SetColor(clr::Green);
    SetFontColor(clr::White);
    d->FFadeBorderColor = d->FBorderColor;
    resize(150, 30);
    d->FTimer.SetEnabled(false);
    connect(&d->FTimer, &TTimer::OnTimer, this, &TZRKFadeButton::Animate);
    SetSpeed(10);
}

void TZRKFadeButton::SetFadeOnLeave(bool value)
{
    StoreChanged(this, d->FFadeOnLeave, value, &TZRKFadeButton::FadeOnLeaveChanged);
}
void TZRKFadeButton::SetStep(int value) { StoreChanged(this, d->FStep, value, &TZRKFadeButton::StepChanged); }
void TZRKFadeButton::SetBorderDestColor(TColor value)
{
    StoreChanged(this, d->FBorderDestColor, value, &TZRKFadeButton::BorderDestColorChanged);
}
void TZRKFadeButton::SetDestColor(TColor value) { StoreChanged(this, d->FDestColor, value, &TZRKFadeButton::DestColorChanged); }
void TZRKFadeButton::SetCaptionOverColor(TColor value)
{
    StoreChanged(this, d->FCaptionOverColor, value, &TZRKFadeButton::CaptionOverColorChanged);
}
void TZRKFadeButton::SetFadeOnOver(bool value) { StoreChanged(this, d->FFadeOnOver, value, &TZRKFadeButton::FadeOnOverChanged); }

void TZRKFadeButton::SetFontColor(TColor value)
{
    // As with any font change, the toolkit repaints the control later.
    update();
    StoreChanged(this, d->FFontColor, value, &TZRKFadeButton::FontColorChanged);
}

void TZRKFadeButton::SetColor(TColor value)
{
    const bool changed = value != d->FColor;
    d->FColor = value;
    d->FFadeColor = value;
    Paint();
    if (changed)
        Q_EMIT ColorChanged(d->FColor);
}

void TZRKFadeButton::CaptionSet()
{
    updateGeometry();
    Paint();
}

void TZRKFadeButton::SetBorderColor(TColor value)
{
    if (value == d->FBorderColor)
        return;
    d->FBorderColor = value;
    d->FFadeBorderColor = value;
    Paint();
    Q_EMIT BorderColorChanged(d->FBorderColor);
}

void TZRKFadeButton::SetShowBorder(bool value)
{
    if (value == d->FShowBorder)
        return;
    d->FShowBorder = value;
    Paint();
    Q_EMIT ShowBorderChanged(d->FShowBorder);
}

void TZRKFadeButton::SetBorderHeight(int value)
{
    const bool changed = value != d->FBorderHeight;
    d->FBorderHeight = value;
    updateGeometry();
    Paint();
    if (changed)
        Q_EMIT BorderHeightChanged(d->FBorderHeight);
}

void TZRKFadeButton::SetSpeed(int value)
{
    d->FTimer.SetInterval(value);
    StoreChanged(this, d->FSpeed, value, &TZRKFadeButton::SpeedChanged);
}

void TZRKFadeButton::Paint()
{
    // Asks Qt for a paint, as a Qt widget's setter does: Qt merges it with every other one asked
    // for before the next frame (a form that sets five properties paints once) and carries it
    // out when the event loop runs, with the values stored by then. A button that cannot be
    // shown yet (no size, no parent, hidden) is painted once it is shown; a widget without a
    // parent is an ordinary state in Qt (every widget is made so before it goes into a layout).
    update();
}

void TZRKFadeButton::paintEvent(QPaintEvent* event)
{
    // Only what the paint exposes is composed: a huge button costs what is shown of it.
    const qreal ratio = devicePixelRatioF();
    const TExposedPart part(event->rect(), size(), ratio);
    QPainter screen(this);
    if (!part.Rect().isEmpty())
        screen.drawImage(part.Rect().topLeft(), Frame(event->rect(), ratio));
    // The focus, where a focus policy lets the button have it, inside the outline.
    const int inset = (d->FShowBorder ? OutlineBand() : 0) + 2;
    DrawFocusFrame(screen, rect().adjusted(inset, inset, -inset, -inset));
}

QImage TZRKFadeButton::Frame(qreal devicePixelRatio) const
{
    return Frame(rect(), devicePixelRatio);
}

QImage TZRKFadeButton::Frame(const QRect& exposed, qreal devicePixelRatio) const
{
    const TExposedPart part(exposed, size(), devicePixelRatio);
    // Made at device pixels and drawn at its ratio, so nothing is scaled up on a dense screen.
    QImage frame = part.MakeImage(QImage::Format_RGB32);
    QPainter painter(&frame);
    painter.translate(-part.Rect().topLeft());
    // System colour references are painted as the palette's colour; the fade steps on the
    // stored values alone.
    const QColor fill = ToQColor(d->FFadeColor);
    const QRect bounds = rect();
    painter.fillRect(bounds, fill);
    if (d->FShowBorder) {
        // Drawn as four bands, the outline stays whole pixels at any ratio.
        const int band = OutlineBand();
        const QColor outline = ToQColor(d->FFadeBorderColor);
        painter.fillRect(QRect(0, 0, width(), band), outline);
        painter.fillRect(QRect(0, height() - band, width(), band), outline);
        painter.fillRect(QRect(0, 0, band, height()), outline);
        painter.fillRect(QRect(width() - band, 0, band, height()), outline);
    }

    painter.setFont(font());
    const QFontMetrics metrics = painter.fontMetrics();
    const QSize caption = CaptionSize();
    // Integer halves round towards zero, so a caption larger than the button gets a negative
    // offset and is cut at both edges alike.
    const int x = width() / 2 - caption.width() / 2;
    const int y = height() / 2 - caption.height() / 2;
    // The caption is drawn on an opaque box in the fill colour.
    painter.fillRect(QRect(QPoint(x, y), caption), fill);
    painter.setPen(ToQColor(d->FFontColor));
    painter.drawText(x, y + metrics.ascent(), Caption());
    return frame;
}

int TZRKFadeButton::OutlineBand() const
{
    // The pen is centred on the outermost pixels, so of a pen BorderHeight wide the inner half,
    // rounded up, falls inside the button; a pen of width 0 or less still draws one pixel.
    return std::max(1, (d->FBorderHeight + 1) / 2);
}

QSize TZRKFadeButton::CaptionSize() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(Caption()), metrics.height());
}

QSize TZRKFadeButton::minimumSizeHint() const
{
    const int outline = d->FShowBorder ? 2 * OutlineBand() : 0;
    return CaptionSize() + QSize(outline + 4, outline + 2);
}

QSize TZRKFadeButton::sizeHint() const
{
    return (minimumSizeHint() + QSize(20, 8)).expandedTo(QSize(150, 30));
}

void TZRKFadeButton::MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers, int X, int Y)
{
    // The handler may free the button.
    QPointer<TZRKFadeButton> self(this);
    Q_EMIT onMouseMove(this, Buttons, Modifiers, X, Y);
    if (!self)
        return;
    if (d->FFontColor != d->FCaptionOverColor) {
        d->FSavedFontColor = d->FFontColor;
        // The change signal's slot may free the button too.
        SetFontColor(d->FCaptionOverColor);
        if (!self)
            return;
    }
    // A running fade, in either direction, is left alone: a fade-out runs on to its end.
    if (!d->FTimer.Enabled() && d->FFadeOnOver) {
        d->FFadeDelta = d->FStep;
        d->FTimer.SetEnabled(true);
    }
    if (!d->FFadeOnOver) {
        d->FFadeBorderColor = d->FBorderDestColor;
        d->FFadeColor = d->FDestColor;
        Paint();
    }
}

void TZRKFadeButton::MouseLeave()
{
    // The font colour's change signal may free the button.
    QPointer<TZRKFadeButton> self(this);
    if (d->FFadeOnLeave) {
        // Reverses a fade-in at once from the colour it has reached.
        d->FFadeDelta = -d->FStep;
        d->FTimer.SetEnabled(true);
        if (d->FSavedFontColor)
            SetFontColor(*d->FSavedFontColor);
    } else {
        d->FTimer.SetEnabled(false);
        d->FFadeBorderColor = d->FBorderColor;
        d->FFadeColor = d->FColor;
        if (d->FSavedFontColor)
            SetFontColor(*d->FSavedFontColor);
        if (self)
            Paint();
    }
    if (self)
        Q_EMIT onMouseLeave(this);
}

void TZRKFadeButton::Animate(QObject*)
{
    // Both colours are stepped on their RGB values, system colours resolved.
    const TColor from = ColorToRGB(d->FColor);
    const TColor to = ColorToRGB(d->FDestColor);
    const TColor before = ColorToRGB(d->FFadeColor);
    const TColor fill = Faded(before, from, to);
    d->FFadeColor = fill;
    // The outline steps on every tick, but only the fill decides when the fade ends.
    d->FFadeBorderColor = Faded(d->FFadeBorderColor, ColorToRGB(d->FBorderColor), ColorToRGB(d->FBorderDestColor));
    const bool atRest = fill == from;
    // A tick that moves nothing (Step 0 half way) would move nothing for ever.
    if (atRest || fill == to || fill == before) {
        d->FTimer.SetEnabled(false);
        // The ends are the stored colours themselves, so a system colour follows the palette;
        // a fade-out ends with the outline at rest too.
        if (fill == to)
            d->FFadeColor = d->FDestColor;
        if (atRest)
            d->FFadeColor = d->FColor;
        if (atRest && d->FFadeDelta < 0)
            d->FFadeBorderColor = d->FBorderColor;
    }
    Paint();
}

TColor TZRKFadeButton::Faded(TColor shown, TColor from, TColor to) const
{
    // Each channel moves by Step towards its own target (the hover colour's channel while fading
    // in, the rest colour's while fading out) and stays inside the range between the two. Where
    // the hover channel lies above the rest channel this is the rest channel + d->FFadeDelta held
    // inside the range, the toolkit's arithmetic; below it, the same step goes the other way.
    const TColor current = ColorToRGB(shown);
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        const int rest = Channels[i](from);
        const int hover = Channels[i](to);
        const int step = hover >= rest ? d->FFadeDelta : -d->FFadeDelta;
        rgb[i] = std::clamp(Channels[i](current) + step, std::min(rest, hover), std::max(rest, hover));
    }
    return RGBColor(rgb[0], rgb[1], rgb[2]);
}

void TZRKFadeButton::mouseMoveEvent(QMouseEvent* event)
{
    // A move with the left button up ends a press whose release went elsewhere.
    QPointer<TZRKFadeButton> self(this);
    EndLostPress(event->buttons().testFlag(Qt::LeftButton));
    if (!self)
        return;
    const QPoint at = event->position().toPoint();
    MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void TZRKFadeButton::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    QPointer<TZRKFadeButton> self(this);
    Q_EMIT onMouseDown(this, event->button(), event->buttons(), event->modifiers(), at.x(), at.y());
    if (self && event->button() == Qt::LeftButton)
        Press();
}

void TZRKFadeButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt delivers the second press of a double click as this event alone (press, release,
    // double click, release). In the toolkit that press is a double click and raises no click
    // of its own; it still raises onMouseDown, so that downs and ups pair.
    const QPoint at = event->position().toPoint();
    Q_EMIT onMouseDown(this, event->button(), event->buttons(), event->modifiers(), at.x(), at.y());
}

void TZRKFadeButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    QPointer<TZRKFadeButton> self(this);
    if (event->button() == Qt::LeftButton && Held())
        ReleasePress(rect().contains(at), true);
    // The click handler may have freed the button.
    if (self)
        Q_EMIT onMouseUp(this, event->button(), event->buttons(), event->modifiers(), at.x(), at.y());
}

void TZRKFadeButton::leaveEvent(QEvent*)
{
    MouseLeave();
}

bool TZRKFadeButton::event(QEvent* event)
{
    // The hint shows only when ShowHint allows it, and then the button's own.
    if (event->type() == QEvent::ToolTip && !ShowHint())
        return true;
    // System colours are painted as the palette has them. Qt repaints a widget for a new
    // application palette only when that changes the widget's own palette, which a widget
    // with a palette set on it keeps: the new system colours are painted here for it too.
    if (IsSystemColorsChange(event))
        Paint();
    return TCustomButton::event(event);
}

void TZRKFadeButton::setFontColor(TColor value) noexcept
{
    WriteProperty(this, "FontColor", value, &TZRKFadeButton::SetFontColor);
}

void TZRKFadeButton::setColor(TColor value) noexcept
{
    WriteProperty(this, "Color", value, &TZRKFadeButton::SetColor);
}

void TZRKFadeButton::setFadeOnLeave(bool value) noexcept
{
    WriteProperty(this, "FadeOnLeave", value, &TZRKFadeButton::SetFadeOnLeave);
}

void TZRKFadeButton::setStep(int value) noexcept
{
    WriteProperty(this, "Step", value, &TZRKFadeButton::SetStep);
}

void TZRKFadeButton::setBorderColor(TColor value) noexcept
{
    WriteProperty(this, "BorderColor", value, &TZRKFadeButton::SetBorderColor);
}

void TZRKFadeButton::setBorderDestColor(TColor value) noexcept
{
    WriteProperty(this, "BorderDestColor", value, &TZRKFadeButton::SetBorderDestColor);
}

void TZRKFadeButton::setDestColor(TColor value) noexcept
{
    WriteProperty(this, "DestColor", value, &TZRKFadeButton::SetDestColor);
}

void TZRKFadeButton::setShowBorder(bool value) noexcept
{
    WriteProperty(this, "ShowBorder", value, &TZRKFadeButton::SetShowBorder);
}

void TZRKFadeButton::setCaptionOverColor(TColor value) noexcept
{
    WriteProperty(this, "CaptionOverColor", value, &TZRKFadeButton::SetCaptionOverColor);
}

void TZRKFadeButton::setFadeOnOver(bool value) noexcept
{
    WriteProperty(this, "FadeOnOver", value, &TZRKFadeButton::SetFadeOnOver);
}

void TZRKFadeButton::setBorderHeight(int value) noexcept
{
    WriteProperty(this, "BorderHeight", value, &TZRKFadeButton::SetBorderHeight);
}

void TZRKFadeButton::setSpeed(int value) noexcept
{
    WriteProperty(this, "Speed", value, &TZRKFadeButton::SetSpeed);
}

} // namespace TarvoWidgets
