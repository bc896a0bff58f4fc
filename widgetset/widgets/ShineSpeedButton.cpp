// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "widgets/ShineSpeedButton.h"
#include "widgets/ShineSpeedButton_p.h"

#include "toolkit/base/ToolkitError.h"
#include "toolkit/properties/PropertyWrite.h"
#include "toolkit/properties/PublishedProperty.h"
#include "widgets/ShinePaintCache.h"

#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <optional>

namespace TarvoWidgets {

bool TShineSpeedButton::ClickDownHook() const
{
    return d->FClickDownHook;
}

bool TShineSpeedButton::AccelCharDown() const
{
    return d->FAccelCharDown;
}

TShineSpeedButton::TFrameType TShineSpeedButton::FrameType() const
{
    return d->FFrameType;
}

bool TShineSpeedButton::ActiveFrame() const
{
    return d->FActiveFrame;
}

bool TShineSpeedButton::UpFrame() const
{
    return d->FUpFrame;
}

bool TShineSpeedButton::DownFrame() const
{
    return d->FDownFrame;
}

TShineSpeedButton::TActiveImageType TShineSpeedButton::ActiveImage() const
{
    return d->FActiveImage;
}

TShineSpeedButton::TDisabledImageType TShineSpeedButton::DisabledImage() const
{
    return d->FDisabledImage;
}

TColor TShineSpeedButton::DisabledHighlight() const
{
    return d->FDisabledHighlight;
}

TColor TShineSpeedButton::DisabledShadow() const
{
    return d->FDisabledShadow;
}

TColor TShineSpeedButton::ShineColor() const
{
    return d->FShineColor;
}

TShineSpeedButton::TButtonLayout TShineSpeedButton::Layout() const
{
    return d->FLayout;
}

int TShineSpeedButton::Margin() const
{
    return d->FMargin;
}

int TShineSpeedButton::Spacing() const
{
    return d->FSpacing;
}

TColor TShineSpeedButton::FontHighlight() const
{
    return d->FFontHighlight;
}

TColor TShineSpeedButton::FontShadow() const
{
    return d->FFontShadow;
}

bool TShineSpeedButton::Transparent() const
{
    return d->FTransparent;
}

TShineBtnColors* TShineSpeedButton::Colors() const
{
    return d->FColors.get();
}

TShineBtnColors* TShineSpeedButton::PressedColors() const
{
    return d->FPressedColors.get();
}

TFont* TShineSpeedButton::Font() const
{
    return d->FFont.get();
}

TFont* TShineSpeedButton::ActiveFont() const
{
    return d->FActiveFont.get();
}

TBitmap* TShineSpeedButton::Glyph() const
{
    return d->FGlyph.get();
}

TShineSpeedButton::TShineButtonState TShineSpeedButton::State() const
{
    return d->FState;
}

// ---------------------------------------------------------------------------------------------
// Construction, properties and the owned objects.

void TShineSpeedButton::SetState(TShineButtonState value)
{
    d->FState = value;
}

TShineSpeedButton::TShineSpeedButton(QWidget* owner)
    : TCustomSpeedButton(owner)
    , d(std::make_unique<Private>())
{
    // The control style: Qt already grabs the mouse while a button is held on a widget and
    // delivers double clicks as such; the opaque declaration is the one flag to set.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    // The plain defaults are the fields' initialisers; what follows makes the owned objects.
    const TNotifyEvent fontsAndColorsOnChange = [this](QObject* sender) { FontsAndColorsOnChange(sender); };
    d->FColors = std::make_unique<TShineBtnColors>();
    d->FColors->SetColor(clr::BtnFace);
    d->FColors->SetOnChange(fontsAndColorsOnChange);
    d->FPressedColors = std::make_unique<TShineBtnColors>();
    d->FPressedColors->SetColor(clr::BtnHighlight);
    d->FPressedColors->SetOnChange(fontsAndColorsOnChange);
    d->FFont = std::make_unique<TFont>();
    d->FFont->SetColor(clr::BtnText);
    d->FFont->SetOnChange(fontsAndColorsOnChange);
    d->FActiveFont = std::make_unique<TFont>();
    d->FActiveFont->SetColor(clr::Highlight);
    d->FActiveFont->SetOnChange(fontsAndColorsOnChange);
    d->FGlyph = std::make_unique<TBitmap>();
    d->FGlyph->SetOnChange([this](QObject* sender) { GlyphOnChange(sender); });
    // The toolkit's parent forwards every mouse move to the control under the pointer, with
    // or without a button held.
    setMouseTracking(true);
    resize(25, 25);
    d->FActiveTimer = std::make_unique<TTimer>(this);
    d->FActiveTimer->SetInterval(200);
    d->FActiveTimer->SetEnabled(false);
    connect(d->FActiveTimer.get(), &TTimer::OnTimer, this, &TShineSpeedButton::ActiveButtonTimerOnTimer);
}

TShineSpeedButton::~TShineSpeedButton()
{
    d->FActiveTimer.reset();
    d->FGlyph.reset();
    d->FColors.reset();
    d->FPressedColors.reset();
    d->FFont.reset();
    d->FActiveFont.reset();
}

void TShineSpeedButton::Loaded()
{
    TLoadable::Loaded();
}

template <typename T, typename TSignal> void TShineSpeedButton::UpdateLook(T& field, T value, TSignal changed)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
    Q_EMIT(this->*changed)(field);
}

void TShineSpeedButton::setColors(TShineBtnColors* value) noexcept
{
    WriteProperty(this, "Colors", value, &TShineSpeedButton::SetColors);
}

void TShineSpeedButton::setPressedColors(TShineBtnColors* value) noexcept
{
    WriteProperty(this, "PressedColors", value, &TShineSpeedButton::SetPressedColors);
}

void TShineSpeedButton::setGlyph(const QString& value) noexcept
{
    WriteProperty(this, "Glyph", value, &TShineSpeedButton::SetGlyphText);
}

void TShineSpeedButton::SetClickDownHook(bool value)
{
    UpdateLook(d->FClickDownHook, value, &TShineSpeedButton::ClickDownHookChanged);
}
void TShineSpeedButton::SetAccelCharDown(bool value)
{
    UpdateLook(d->FAccelCharDown, value, &TShineSpeedButton::AccelCharDownChanged);
}
void TShineSpeedButton::SetFrameType(TFrameType value)
{
    UpdateLook(d->FFrameType, value, &TShineSpeedButton::FrameTypeChanged);
}
void TShineSpeedButton::SetActiveFrame(bool value)
{
    UpdateLook(d->FActiveFrame, value, &TShineSpeedButton::ActiveFrameChanged);
}
void TShineSpeedButton::SetUpFrame(bool value)
{
    UpdateLook(d->FUpFrame, value, &TShineSpeedButton::UpFrameChanged);
}
void TShineSpeedButton::SetDownFrame(bool value)
{
    UpdateLook(d->FDownFrame, value, &TShineSpeedButton::DownFrameChanged);
}
void TShineSpeedButton::SetActiveImage(TActiveImageType value)
{
    UpdateLook(d->FActiveImage, value, &TShineSpeedButton::ActiveImageChanged);
}
void TShineSpeedButton::SetDisabledImage(TDisabledImageType value)
{
    UpdateLook(d->FDisabledImage, value, &TShineSpeedButton::DisabledImageChanged);
}
void TShineSpeedButton::SetDisabledHighlight(TColor value)
{
    UpdateLook(d->FDisabledHighlight, value, &TShineSpeedButton::DisabledHighlightChanged);
}
void TShineSpeedButton::SetDisabledShadow(TColor value)
{
    UpdateLook(d->FDisabledShadow, value, &TShineSpeedButton::DisabledShadowChanged);
}
void TShineSpeedButton::SetShineColor(TColor value)
{
    UpdateLook(d->FShineColor, value, &TShineSpeedButton::ShineColorChanged);
}
void TShineSpeedButton::SetLayout(TButtonLayout value)
{
    // The size hint follows the content's arrangement.
    if (value != d->FLayout)
        updateGeometry();
    UpdateLook(d->FLayout, value, &TShineSpeedButton::LayoutChanged);
}
void TShineSpeedButton::SetMargin(int value)
{
    // The size hint follows the content's arrangement.
    if (value != d->FMargin)
        updateGeometry();
    UpdateLook(d->FMargin, value, &TShineSpeedButton::MarginChanged);
}
void TShineSpeedButton::SetSpacing(int value)
{
    // The size hint follows the content's arrangement.
    if (value != d->FSpacing)
        updateGeometry();
    UpdateLook(d->FSpacing, value, &TShineSpeedButton::SpacingChanged);
}

void TShineSpeedButton::SetFontHighlight(TColor value)
{
    const bool changed = value != d->FFontHighlight;
    d->FFontHighlight = value;
    Invalidate();
    if (changed)
        Q_EMIT FontHighlightChanged(d->FFontHighlight);
}

void TShineSpeedButton::SetFontShadow(TColor value)
{
    const bool changed = value != d->FFontShadow;
    d->FFontShadow = value;
    Invalidate();
    if (changed)
        Q_EMIT FontShadowChanged(d->FFontShadow);
}

void TShineSpeedButton::SetTransparent(bool value)
{
    if (value == d->FTransparent)
        return;
    d->FTransparent = value;
    setAttribute(Qt::WA_OpaquePaintEvent, !value);
    Invalidate();
    Q_EMIT TransparentChanged(d->FTransparent);
}

void TShineSpeedButton::SetColors(TShineBtnColors* value)
{
    d->FColors->Assign(value);
}

void TShineSpeedButton::SetPressedColors(TShineBtnColors* value)
{
    d->FPressedColors->Assign(value);
}

void TShineSpeedButton::SetFont(TFont* value)
{
    if (!value)
        return;
    // The font's change signal may free the button.
    QPointer<TShineSpeedButton> self(this);
    d->FFont->Assign(*value);
    if (self)
        Invalidate();
}

void TShineSpeedButton::SetActiveFont(TFont* value)
{
    if (!value)
        return;
    // The font's change signal may free the button.
    QPointer<TShineSpeedButton> self(this);
    d->FActiveFont->Assign(*value);
    if (self)
        Invalidate();
}

void TShineSpeedButton::SetGlyph(const TBitmap* value)
{
    // The glyph reports nothing while it takes the new picture; GlyphOnChange runs once after.
    const bool wasEmpty = d->FGlyph->Empty();
    TNotifyEvent onChange = d->FGlyph->OnChange();
    d->FGlyph->SetOnChange(nullptr);
    if (value)
        d->FGlyph->Assign(*value);
    else
        d->FGlyph->Clear();
    d->FGlyph->SetOnChange(std::move(onChange));
    Invalidate();
    if (value)
        GlyphOnChange(d->FGlyph.get());
    else if (!wasEmpty) {
        updateGeometry();
        Q_EMIT GlyphChanged();
    }
}

QPixmap TShineSpeedButton::GlyphPixmap() const
{
    if (d->FGlyph->Empty())
        return QPixmap();
    TBitmap drawable;
    drawable.Assign(*d->FGlyph);
    drawable.SetPixelFormat(TBitmap::pfDevice);
    return QPixmap::fromImage(drawable.Image());
}

void TShineSpeedButton::SetGlyphPixmap(const QPixmap& value)
{
    if (value.isNull()) {
        SetGlyph(nullptr);
        return;
    }
    TBitmap picture;
    picture.SetImage(value.toImage());
    SetGlyph(&picture);
}

QString TShineSpeedButton::GlyphText() const
{
    if (d->FGlyph->Empty())
        return QString();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    GlyphPixmap().toImage().save(&buffer, "PNG");
    return QString::fromLatin1(png.toBase64());
}

void TShineSpeedButton::SetGlyphText(const QString& value)
{
    if (value.isEmpty()) {
        SetGlyph(nullptr);
        return;
    }
    QImage image;
    const auto decoded = QByteArray::fromBase64Encoding(value.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || !image.loadFromData(*decoded, "PNG"))
        throw EToolkitError::InvalidBitmap();
    TBitmap picture;
    picture.SetImage(image);
    SetGlyph(&picture);
}

void TShineSpeedButton::GlyphOnChange(QObject*)
{
    // Every reader of the glyph counts on 32-bit rows of 0x00RRGGBB words. The conversion
    // reports a change of its own, which comes back here with nothing left to convert.
    if (!d->FGlyph->Empty() && d->FGlyph->PixelFormat() != TBitmap::pf32bit) {
        d->FGlyph->SetPixelFormat(TBitmap::pf32bit);
        return;
    }
    Invalidate();
    updateGeometry();
    Q_EMIT GlyphChanged();
}

void TShineSpeedButton::FontsAndColorsOnChange(QObject* Sender)
{
    Invalidate();
    if (Sender == d->FFont.get() || Sender == d->FActiveFont.get())
        updateGeometry();
    if (Sender == d->FColors.get())
        Q_EMIT ColorsChanged();
    else if (Sender == d->FPressedColors.get())
        Q_EMIT PressedColorsChanged();
    else if (Sender == d->FFont.get())
        Q_EMIT FontChanged();
    else if (Sender == d->FActiveFont.get())
        Q_EMIT ActiveFontChanged();
}

void TShineSpeedButton::Invalidate()
{
    update();
}

void TShineSpeedButton::Repaint()
{
    repaint();
}


// ---------------------------------------------------------------------------------------------
// Interaction and groups. How the toolkit's queries map onto Qt is written down in
// docs/SHINE-BUTTON.md.

namespace {

bool Inside(const QWidget* control, int x, int y)
{
    return x >= 0 && y >= 0 && x < control->width() && y < control->height();
}

// The control that holds the mouse capture, if any: an explicit grab. (Qt holds back the enter
// and leave events of every other widget while one widget has the implicit grab of a pressed
// button, so that case never reaches the hover logic.)
QWidget* CaptureHolder()
{
    return QWidget::mouseGrabber();
}

TShineSpeedButton::TShiftState ShiftOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    TShineSpeedButton::TShiftState shift;
    shift.setFlag(TShineSpeedButton::ssLeft, buttons.testFlag(Qt::LeftButton));
    shift.setFlag(TShineSpeedButton::ssRight, buttons.testFlag(Qt::RightButton));
    shift.setFlag(TShineSpeedButton::ssMiddle, buttons.testFlag(Qt::MiddleButton));
    shift.setFlag(TShineSpeedButton::ssShift, modifiers.testFlag(Qt::ShiftModifier));
    shift.setFlag(TShineSpeedButton::ssCtrl, modifiers.testFlag(Qt::ControlModifier));
    shift.setFlag(TShineSpeedButton::ssAlt, modifiers.testFlag(Qt::AltModifier));
    return shift;
}

} // namespace

TShineSpeedButton::TShiftState TShineSpeedButton::CurrentShiftState()
{
    return ShiftOf(QGuiApplication::mouseButtons(), QGuiApplication::queryKeyboardModifiers());
}

void TShineSpeedButton::MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    // Every handler may free the button; nothing of it is touched after that.
    QPointer<TShineSpeedButton> self(this);
    Q_EMIT OnMouseDown(this, Button, Shift, X, Y);
    if (self && Button == Qt::LeftButton)
        Press();
}

void TShineSpeedButton::PressStarted()
{
    d->FState = sbDownActive;
    if (!Down())
        Invalidate();
}

void TShineSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    QPointer<TShineSpeedButton> self(this);
    Q_EMIT OnMouseMove(this, Shift, X, Y);
    if (!self || EndLostPress(Shift.testFlag(ssLeft)))
        return;
    if (Held()) {
        const TShineButtonState state = Inside(this, X, Y) ? sbDownActive : (Down() ? sbDown : sbUp);
        if (state != d->FState) {
            d->FState = state;
            Invalidate();
        }
    } else if (!d->FMouseInside) {
        UpdateTracking();
    }
}

void TShineSpeedButton::MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    QPointer<TShineSpeedButton> self(this);
    Q_EMIT OnMouseUp(this, Button, Shift, X, Y);
    if (!self || !Held())
        return;
    // The handlers of the release and the click may free the button.
    if (ReleasePress(Inside(this, X, Y), true))
        UpdateTracking();
}

void TShineSpeedButton::PressReleasing(bool inside, bool byMouse)
{
    // The latch comes before released(); click() and the keyboard only toggle it, and then show
    // the button as it now is (Space held it with the pressed look).
    if (!byMouse) {
        QPointer<TShineSpeedButton> self(this);
        if (GroupIndex() != 0)
            SetDown(!Down());
        // A toggled handler may have freed or disabled the button.
        if (!self || !isEnabled())
            return;
        const TShineButtonState state = Down() ? (d->FMouseInside ? sbDownActive : sbDown) : (d->FMouseInside ? sbUpActive : sbUp);
        if (state != d->FState) {
            d->FState = state;
            Repaint();
        }
        return;
    }
    if (GroupIndex() == 0) {
        d->FState = sbUp;
        d->FMouseInside = false;
        DropDown();
        if (inside)
            Repaint();
    } else if (inside) {
        QPointer<TShineSpeedButton> self(this);
        SetDown(!Down());
        // A toggled handler may have freed the button.
        if (self && Down())
            Repaint();
    } else {
        d->FState = Down() ? sbDownActive : sbUpActive;
        Repaint();
    }
}

void TShineSpeedButton::MouseEnter(TShiftState Shift, int X, int Y)
{
    QPointer<TShineSpeedButton> self(this);
    Q_EMIT OnMouseEnter(this, Shift, X, Y);
    if (!self || d->FMouseInside || !isEnabled() || CaptureHolder())
        return;
    d->FMouseInside = true;
    if (d->FState == sbUp)
        d->FState = sbUpActive;
    else if (d->FState == sbDown)
        d->FState = sbDownActive;
    Repaint();
    d->FActiveTimer->SetEnabled(true);
}

void TShineSpeedButton::MouseLeave(TShiftState Shift, int X, int Y)
{
    QPointer<TShineSpeedButton> self(this);
    Q_EMIT OnMouseLeave(this, Shift, X, Y);
    if (!self || !d->FMouseInside || !isEnabled() || Held())
        return;
    d->FActiveTimer->SetEnabled(false);
    d->FMouseInside = false;
    if (d->FState == sbUpActive)
        d->FState = sbUp;
    else if (d->FState == sbDownActive)
        d->FState = sbDown;
    Repaint();
}

namespace {

// Unset until the first question, then the platform's answer or the program's setting.
std::optional<bool> PointerPositionSetting;

} // namespace

bool TShineSpeedButton::PointerPositionKnown()
{
    if (!PointerPositionSetting)
        PointerPositionSetting = !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    return *PointerPositionSetting;
}

void TShineSpeedButton::SetPointerPositionKnown(bool known)
{
    PointerPositionSetting = known;
}

QPoint TShineSpeedButton::PointerPos() const
{
    return PointerPositionKnown() ? mapFromGlobal(QCursor::pos()) : d->FPointerAt;
}

void TShineSpeedButton::CMMouseEnter()
{
    const QPoint at = PointerPos();
    MouseEnter(CurrentShiftState(), at.x(), at.y());
}

void TShineSpeedButton::CMMouseLeave()
{
    const QPoint at = PointerPos();
    MouseLeave(CurrentShiftState(), at.x(), at.y());
}

void TShineSpeedButton::ActiveButtonTimerOnTimer(QObject*)
{
    // While a press lasts the timer keeps watching for its release getting lost.
    if (Held()) {
        EndLostPress(CurrentShiftState().testFlag(ssLeft));
        return;
    }
    if (!d->FMouseInside || !isEnabled()) {
        d->FActiveTimer->SetEnabled(false);
        return;
    }
    // Where the global position is unknown, only a leave ends the hover, and it always arrives.
    const QPoint at = PointerPos();
    if (PointerPositionKnown() ? Inside(this, at.x(), at.y()) : d->FPointerOver)
        return;
    MouseLeave(CurrentShiftState(), at.x(), at.y());
}

void TShineSpeedButton::PressLost()
{
    // The true state is drawn, and the hover look follows from where the pointer is now.
    d->FState = isEnabled() ? (Down() ? sbDown : sbUp) : sbDisabled;
    Invalidate();
    d->FMouseInside = true;
    UpdateTracking();
}

void TShineSpeedButton::UpdateTracking()
{
    if (!isEnabled())
        return;
    // The widget under the pointer, disabled ones included.
    const bool over = PointerPositionKnown() ? QApplication::widgetAt(QCursor::pos()) == this : d->FPointerOver;
    if (over) {
        d->FMouseInside = false;
        CMMouseEnter();
    } else {
        d->FMouseInside = true;
        CMMouseLeave();
    }
}

void TShineSpeedButton::Click()
{
    QPointer<TShineSpeedButton> self(this);
    const TShineButtonState remembered = d->FState;
    if (d->FClickDownHook) {
        d->FState = sbDownActive;
        Repaint();
    }
    Q_EMIT OnClick(this);
    if (self && d->FClickDownHook) {
        d->FState = remembered;
        Repaint();
    }
    if (self)
        Q_EMIT clicked();
}

void TShineSpeedButton::WMLButtonDblClick(QMouseEvent* event)
{
    // Qt sends no press for the second click of a double click; the toolkit takes the double
    // click as one, with the double-click flag, so the following release clicks again.
    QPointer<TShineSpeedButton> self(this);
    const QPoint at = event->position().toPoint();
    MouseDown(event->button(), ShiftOf(event->buttons(), event->modifiers()) | ssDouble, at.x(), at.y());
    if (self && event->button() == Qt::LeftButton && Down())
        Q_EMIT OnDblClick(this);
}

void TShineSpeedButton::CMEnabledChanged()
{
    // Qt sends the enabled change to every child of a container that is disabled or enabled;
    // the button's own Enabled is its WA_ForceDisabled. Only its own change clears Down, so a
    // group keeps its down button through the container's disable and enable.
    const bool ownDisabled = testAttribute(Qt::WA_ForceDisabled);
    bool released = false;
    if (ownDisabled != d->FOwnDisabled) {
        d->FOwnDisabled = ownDisabled;
        released = DropDown();
    }
    d->FState = isEnabled() ? (Down() ? sbDown : sbUp) : sbDisabled;
    QPointer<TShineSpeedButton> self(this);
    UpdateTracking();
    if (!self)
        return;
    Invalidate();
    if (released)
        Q_EMIT toggled(false);
}

void TShineSpeedButton::AcceleratorPressed()
{
    QPointer<TShineSpeedButton> self(this);
    if (d->FAccelCharDown)
        SetDown(!Down());
    if (self)
        Click();
}

void TShineSpeedButton::CMFontChanged()
{
    // The caption fonts that kept the toolkit's face follow a new application font.
    d->FFont->FollowApplicationFont(QApplication::font());
    d->FActiveFont->FollowApplicationFont(QApplication::font());
    Invalidate();
}
void TShineSpeedButton::CaptionSet()
{
    // The accelerator follows the caption.
    TCustomSpeedButton::CaptionSet();
    Invalidate();
    updateGeometry();
}
void TShineSpeedButton::CMSysColorChange() { Invalidate(); }

void TShineSpeedButton::LatchSet()
{
    d->FState = Down() ? sbDown : sbUp;
    Repaint();
}

void TShineSpeedButton::GroupReleased()
{
    d->FState = sbUp;
    Invalidate();
}

// Qt's entry points.

void TShineSpeedButton::NotePointer(QPoint at)
{
    d->FPointerAt = at;
    d->FPointerOver = Inside(this, at.x(), at.y());
}

void TShineSpeedButton::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    NotePointer(at);
    MouseDown(event->button(), ShiftOf(event->buttons(), event->modifiers()), at.x(), at.y());
}

void TShineSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    NotePointer(at);
    MouseMove(ShiftOf(event->buttons(), event->modifiers()), at.x(), at.y());
}

void TShineSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    NotePointer(at);
    MouseUp(event->button(), ShiftOf(event->buttons(), event->modifiers()), at.x(), at.y());
}

void TShineSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) { WMLButtonDblClick(event); }
void TShineSpeedButton::enterEvent(QEnterEvent* event)
{
    d->FPointerAt = event->position().toPoint();
    d->FPointerOver = true;
    CMMouseEnter();
}

void TShineSpeedButton::leaveEvent(QEvent*)
{
    d->FPointerOver = false;
    CMMouseLeave();
}

void TShineSpeedButton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange: CMEnabledChanged(); break;
    case QEvent::FontChange: CMFontChanged(); break;
    case QEvent::PaletteChange: CMSysColorChange(); break;
    default: break;
    }
    TCustomSpeedButton::changeEvent(event);
}

void TShineSpeedButton::setVisible(bool visible)
{
    const bool before = IsVisibleSet();
    QWidget::setVisible(visible);
    if (IsVisibleSet() != before)
        Q_EMIT VisibleChanged(IsVisibleSet());
}

bool TShineSpeedButton::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutDirectionChange)
        Invalidate();
    // A window hears of a new application font itself, its children through their FontChange.
    if (event->type() == QEvent::ApplicationFontChange)
        CMFontChanged();
    // uic's code sets the colour sets' and fonts' properties by their stored paths.
    if (event->type() == QEvent::DynamicPropertyChange
        && TPublishedProperty::TakeDynamicValue(this, static_cast<QDynamicPropertyChangeEvent&>(*event)))
        return true;
    return TCustomSpeedButton::event(event);
}

void TShineSpeedButton::setClickDownHook(bool value) noexcept
{
    WriteProperty(this, "ClickDownHook", value, &TShineSpeedButton::SetClickDownHook);
}

void TShineSpeedButton::setAccelCharDown(bool value) noexcept
{
    WriteProperty(this, "AccelCharDown", value, &TShineSpeedButton::SetAccelCharDown);
}

void TShineSpeedButton::setFrameType(TFrameType value) noexcept
{
    WriteProperty(this, "FrameType", value, &TShineSpeedButton::SetFrameType);
}

void TShineSpeedButton::setTransparent(bool value) noexcept
{
    WriteProperty(this, "Transparent", value, &TShineSpeedButton::SetTransparent);
}

void TShineSpeedButton::setActiveFrame(bool value) noexcept
{
    WriteProperty(this, "ActiveFrame", value, &TShineSpeedButton::SetActiveFrame);
}

void TShineSpeedButton::setUpFrame(bool value) noexcept
{
    WriteProperty(this, "UpFrame", value, &TShineSpeedButton::SetUpFrame);
}

void TShineSpeedButton::setDownFrame(bool value) noexcept
{
    WriteProperty(this, "DownFrame", value, &TShineSpeedButton::SetDownFrame);
}

void TShineSpeedButton::setActiveImage(TActiveImageType value) noexcept
{
    WriteProperty(this, "ActiveImage", value, &TShineSpeedButton::SetActiveImage);
}

void TShineSpeedButton::setDisabledImage(TDisabledImageType value) noexcept
{
    WriteProperty(this, "DisabledImage", value, &TShineSpeedButton::SetDisabledImage);
}

void TShineSpeedButton::setDisabledHighlight(TColor value) noexcept
{
    WriteProperty(this, "DisabledHighlight", value, &TShineSpeedButton::SetDisabledHighlight);
}

void TShineSpeedButton::setDisabledShadow(TColor value) noexcept
{
    WriteProperty(this, "DisabledShadow", value, &TShineSpeedButton::SetDisabledShadow);
}

void TShineSpeedButton::setShineColor(TColor value) noexcept
{
    WriteProperty(this, "ShineColor", value, &TShineSpeedButton::SetShineColor);
}

void TShineSpeedButton::setFont(TFont* value) noexcept
{
    WriteProperty(this, "Font", value, &TShineSpeedButton::SetFont);
}

void TShineSpeedButton::setFontHighlight(TColor value) noexcept
{
    WriteProperty(this, "FontHighlight", value, &TShineSpeedButton::SetFontHighlight);
}

void TShineSpeedButton::setFontShadow(TColor value) noexcept
{
    WriteProperty(this, "FontShadow", value, &TShineSpeedButton::SetFontShadow);
}

void TShineSpeedButton::setActiveFont(TFont* value) noexcept
{
    WriteProperty(this, "ActiveFont", value, &TShineSpeedButton::SetActiveFont);
}

void TShineSpeedButton::setLayout(TButtonLayout value) noexcept
{
    WriteProperty(this, "Layout", value, &TShineSpeedButton::SetLayout);
}

void TShineSpeedButton::setMargin(int value) noexcept
{
    WriteProperty(this, "Margin", value, &TShineSpeedButton::SetMargin);
}

void TShineSpeedButton::setSpacing(int value) noexcept
{
    WriteProperty(this, "Spacing", value, &TShineSpeedButton::SetSpacing);
}

void TShineSpeedButton::WriteColors(TShineBtnColors* value) noexcept
{
    setColors(value);
}

void TShineSpeedButton::WritePressedColors(TShineBtnColors* value) noexcept
{
    setPressedColors(value);
}

void TShineSpeedButton::WriteGlyphText(const QString& value) noexcept
{
    setGlyph(value);
}

} // namespace TarvoWidgets
