// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/controls/CustomButton.h"

#include "toolkit/base/ChangeNotify.h"
#include "toolkit/base/ToolkitError.h"
#include "toolkit/properties/PropertyWrite.h"
#include "toolkit/controls/DialogChar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace TarvoWidgets {

class TCustomButtonPrivate {
public:
    explicit TCustomButtonPrivate(QWidget* control) : Placement(control) {}

    TControlPlacement Placement;
    int Tag = 0;
    bool ShowHint = false;
    QString Caption;
    bool Held = false; // the left button went down on the button and its release is awaited
    bool HeldByKey = false; // that press is Space's, held on the focused button
};

TCustomButton::TCustomButton(QWidget* owner)
    : QWidget(owner), d(std::make_unique<TCustomButtonPrivate>(this))
{
}

TCustomButton::~TCustomButton() = default;

int TCustomButton::Tag() const { return d->Tag; }
void TCustomButton::SetTag(int value) { StoreChanged(this, d->Tag, value, &TCustomButton::TagChanged); }
void TCustomButton::SetLeft(int value) { move(TControlPlacement::BoundedCoordinate(value), y()); }
void TCustomButton::SetTop(int value) { move(x(), TControlPlacement::BoundedCoordinate(value)); }
void TCustomButton::SetWidth(int value) { resize(TControlPlacement::BoundedExtent(value), height()); }
void TCustomButton::SetHeight(int value) { resize(width(), TControlPlacement::BoundedExtent(value)); }
TControlPlacement::TAlign TCustomButton::Align() const { return d->Placement.Align(); }
TControlPlacement::TAnchors TCustomButton::Anchors() const { return d->Placement.Anchors(); }
bool TCustomButton::ShowHint() const { return d->ShowHint; }
void TCustomButton::SetShowHint(bool value) { StoreChanged(this, d->ShowHint, value, &TCustomButton::ShowHintChanged); }
QString TCustomButton::Caption() const { return d->Caption; }
QString TCustomButton::AccessibleCaption() const { return d->Caption; }
bool TCustomButton::Held() const { return d->Held; }

void TCustomButton::SetAlign(TControlPlacement::TAlign value)
{
    if (value < TControlPlacement::alNone || value > TControlPlacement::alClient)
        throw EToolkitError::InvalidPropertyValue();
    if (d->Placement.SetAlign(value))
        Q_EMIT AlignChanged(value);
}

void TCustomButton::setAlign(TControlPlacement::TAlign value) noexcept
{
    WriteProperty(this, "Align", value, &TCustomButton::SetAlign);
}

void TCustomButton::SetAnchors(TControlPlacement::TAnchors value)
{
    if (d->Placement.SetAnchors(value))
        Q_EMIT AnchorsChanged(value);
}

void TCustomButton::SetCaption(const QString& value)
{
    if (value == d->Caption)
        return;
    d->Caption = value;
    CaptionSet();
    Q_EMIT CaptionChanged(d->Caption);
}

namespace {

// Whether a press on control can go on: it is enabled and not hidden by a hide of its own (a
// hidden ancestor hides it with a hide event, which ends the press; a window not shown yet is
// no reason to refuse the events that reach it).
bool CanBeHeld(const QWidget* control)
{
    return control->isEnabled() && !(control->isHidden() && control->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

// Notes whether a window was blocked by a modal dialog while it lives: a modal dialog opened
// and closed again from a handler of the press leaves no other trace, and Qt drops the press's
// implicit grab.
class TModalWatch : public QObject {
public:
    explicit TModalWatch(QWidget* window) : FWindow(window) { FWindow->installEventFilter(this); }
    ~TModalWatch() override
    {
        if (FWindow)
            FWindow->removeEventFilter(this);
    }
    bool Blocked() const { return FBlocked; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowBlocked)
            FBlocked = true;
        return false;
    }

private:
    QPointer<QWidget> FWindow;
    bool FBlocked = false;
};

} // namespace

// Every handler below may free the button: after each signal nothing of it is touched unless
// the guard says it is still there.

bool TCustomButton::Press()
{
    // A handler of the button's own mouse-down event may have hidden or disabled it already;
    // such a press would never see its release.
    if (!CanBeHeld(this))
        return false;
    d->Held = true;
    QPointer<TCustomButton> self(this);
    PressStarted();
    if (self)
        Q_EMIT pressed();
    return self;
}

bool TCustomButton::ReleasePress(bool inside, bool byMouse)
{
    d->Held = false;
    QPointer<TCustomButton> self(this);
    PressReleasing(inside, byMouse);
    if (self)
        Q_EMIT released();
    if (self)
        PressReleased(inside, byMouse);
    if (self && inside)
        Click();
    return self;
}

bool TCustomButton::EndLostPress(bool leftHeld)
{
    if (!d->Held)
        return false;
    // The press goes on while the left button is held on the shown, enabled button and no other
    // widget or popup has taken the mouse from it.
    QWidget* grabber = QWidget::mouseGrabber();
    QWidget* popup = QApplication::activePopupWidget();
    const bool taken = (grabber && grabber != this) || (popup && popup != window());
    if (leftHeld && CanBeHeld(this) && !taken)
        return false;
    d->Held = false;
    QPointer<TCustomButton> self(this);
    Q_EMIT released();
    if (self)
        PressLost();
    return true;
}

void TCustomButton::PressReleasing(bool, bool) {}
void TCustomButton::PressReleased(bool, bool) {}

void TCustomButton::Click()
{
    QPointer<TCustomButton> self(this);
    Q_EMIT OnClick(this);
    if (self)
        Q_EMIT clicked();
}

void TCustomButton::click()
{
    if (!isEnabled() || d->Held)
        return;
    QPointer<TCustomButton> self(this);
    Q_EMIT pressed();
    if (self)
        ReleasePress(true, false);
}

void TCustomButton::changeEvent(QEvent* event)
{
    // A disabled button gets no release.
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        EndLostPress(false);
    QWidget::changeEvent(event);
}

void TCustomButton::hideEvent(QHideEvent* event)
{
    // A hidden button gets no release.
    EndLostPress(false);
    QWidget::hideEvent(event);
}

bool TCustomButton::event(QEvent* event)
{
    if (event->type() == QEvent::UngrabMouse)
        EndLostPress(false);
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
        return QWidget::event(event);
    // The button's own handlers of the mouse-down (its mouse-down event, Press and pressed())
    // run inside; any of them may cut the press short: a modal dialog whose loop took the
    // release (or that blocked the window, after which Qt sends the release to no one), a popup
    // or another widget's grab, a hide or a disable. A press that came through the window
    // system has the left button in the application's button state; one sent straight to the
    // widget does not, and is not checked against it.
    const bool leftDownAtStart = QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
    const TModalWatch modal(window());
    QPointer<TCustomButton> self(this);
    const bool handled = QWidget::event(event);
    if (self && d->Held) {
        const bool releaseTaken = leftDownAtStart && !QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
        EndLostPress(!releaseTaken && !modal.Blocked());
    }
    return handled;
}

// ---------------------------------------------------------------------------------------------
// The keyboard, for a button that a program or a form gave a focus policy (the default is none).

namespace {

bool IsSpace(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Space && !event->isAutoRepeat();
}

} // namespace

void TCustomButton::keyPressEvent(QKeyEvent* event)
{
    // Space holds the button as the left button does, without its mouse events (as Qt's buttons
    // do); Return and Enter click at once.
    if (IsSpace(event) && event->modifiers() == Qt::NoModifier) {
        if (!d->Held && Press())
            d->HeldByKey = d->Held;
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click(); // the last thing done: the click handler may free the button
        return;
    }
    // Space held down repeats: the press goes on.
    if (event->key() == Qt::Key_Space && event->isAutoRepeat() && d->HeldByKey)
        return;
    QWidget::keyPressEvent(event);
}

void TCustomButton::keyReleaseEvent(QKeyEvent* event)
{
    if (IsSpace(event) && d->HeldByKey) {
        d->HeldByKey = false;
        // The order of click(): the latch, released(), OnClick, clicked().
        if (d->Held)
            ReleasePress(true, false);
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TCustomButton::focusOutEvent(QFocusEvent* event)
{
    // Space's press ends without a click when the focus goes elsewhere: its release goes there.
    if (d->HeldByKey) {
        d->HeldByKey = false;
        EndLostPress(false);
    }
    QWidget::focusOutEvent(event);
}

void TCustomButton::DrawFocusFrame(QPainter& canvas, const QRect& area) const
{
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = area;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &canvas, this);
}

// ---------------------------------------------------------------------------------------------
// Groups and accelerators.

QEvent::Type TButtonPressedEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

class TCustomSpeedButtonPrivate {
public:
    int GroupIndex = 0;
    bool AllowAllUp = false;
    bool Down = false;
    TAccelerator Accelerator; // the window shortcuts of the caption's accelerator
};

TCustomSpeedButton::TCustomSpeedButton(QWidget* owner)
    : TCustomButton(owner), d(std::make_unique<TCustomSpeedButtonPrivate>())
{
    connect(this, &TCustomSpeedButton::toggled, this, [this] { AccessibleCheckedChanged(this); });
}

TCustomSpeedButton::~TCustomSpeedButton() = default;

int TCustomSpeedButton::GroupIndex() const { return d->GroupIndex; }
bool TCustomSpeedButton::AllowAllUp() const { return d->AllowAllUp; }
bool TCustomSpeedButton::Down() const { return d->Down; }
// A button that went down in a group and then left it (GroupIndex 0) keeps Down, as the
// toolkit's GroupIndex setter does; until it is released it is still a latched button.
bool TCustomSpeedButton::Latching() const { return d->GroupIndex != 0 || d->Down; }
bool TCustomSpeedButton::LatchedDown() const { return d->Down; }
QString TCustomSpeedButton::AccessibleCaption() const { return WithoutAcceleratorMarker(Caption()); }
QKeySequence TCustomSpeedButton::Accelerator() const { return QKeySequence::mnemonic(Caption()); }

template <class T, class TSignal> void TCustomSpeedButton::StorePublished(T& field, T value, TSignal changed)
{
    if (value == field)
        return;
    field = value;
    // The group hears of it first; the change signal comes last, with the value in place.
    QPointer<TCustomSpeedButton> self(this);
    PublishGroupStatus();
    if (self)
        Q_EMIT(this->*changed)(field);
}

void TCustomSpeedButton::SetGroupIndex(int value)
{
    StorePublished(d->GroupIndex, value, &TCustomSpeedButton::GroupIndexChanged);
}

void TCustomSpeedButton::SetAllowAllUp(bool value)
{
    StorePublished(d->AllowAllUp, value, &TCustomSpeedButton::AllowAllUpChanged);
}

void TCustomSpeedButton::SetDown(bool value)
{
    if (d->GroupIndex == 0)
        value = false;
    if (value == d->Down)
        return;
    // Only another button of the group releases the down button of an exclusive group. A down
    // button that has left its group has none to release it: SetDown(false) does.
    if (d->Down && !d->AllowAllUp && d->GroupIndex != 0)
        return;
    d->Down = value;
    // The group follows first: the released button's toggled(false) comes before this one's.
    QPointer<TCustomSpeedButton> self(this);
    PublishGroupStatus();
    if (self)
        LatchSet();
    if (self)
        Q_EMIT toggled(d->Down);
}

bool TCustomSpeedButton::DropDown()
{
    const bool wasDown = d->Down;
    d->Down = false;
    return wasDown;
}

void TCustomSpeedButton::PublishGroupStatus()
{
    if (d->GroupIndex == 0 || !parentWidget())
        return;
    TButtonPressedEvent notification(d->GroupIndex, this);
    Broadcast(parentWidget(), notification);
}

void TCustomSpeedButton::ButtonPressed(const TButtonPressedEvent& notification)
{
    if (notification.GroupIndex != d->GroupIndex || !notification.Sender || notification.Sender == this)
        return;
    const bool released = notification.Sender->Down() && d->Down;
    QPointer<TCustomSpeedButton> self(this);
    if (released) {
        d->Down = false;
        GroupReleased();
    }
    // The group's buttons share AllowAllUp; it is this button's property all the same.
    if (self)
        StoreChanged(this, d->AllowAllUp, notification.Sender->AllowAllUp(), &TCustomSpeedButton::AllowAllUpChanged);
    if (self && released)
        Q_EMIT toggled(false);
}

void TCustomSpeedButton::CaptionSet()
{
    // The accelerator follows the caption.
    d->Accelerator.Follow(this, Caption());
}

void TCustomSpeedButton::AcceleratorPressed()
{
    Click();
}

bool TCustomSpeedButton::TakesDialogChar(QChar character) const
{
    const QKeySequence accelerator = Accelerator();
    if (accelerator.isEmpty() || QChar(accelerator[0].key()).toUpper() != character.toUpper())
        return false;
    return isEnabled() && isVisible();
}

bool TCustomSpeedButton::event(QEvent* event)
{
    if (event->type() == TButtonPressedEvent::EventType()) {
        ButtonPressed(static_cast<const TButtonPressedEvent&>(*event));
        return true;
    }
    if (d->Accelerator.HandleShortcut(this, event))
        return true;
    if (event->type() == TDialogCharEvent::EventType()) {
        auto& offer = static_cast<TDialogCharEvent&>(*event);
        offer.Taken = TakesDialogChar(offer.Character);
        if (offer.Taken)
            AcceleratorPressed(); // the last thing done: the click handler may free the button
        return true;
    }
    return TCustomButton::event(event);
}

void TCustomButton::setName(const QString& value) noexcept
{
    setObjectName(value);
}

void TCustomButton::setTag(int value) noexcept
{
    WriteProperty(this, "Tag", value, &TCustomButton::SetTag);
}

void TCustomButton::setLeft(int value) noexcept
{
    WriteProperty(this, "Left", value, &TCustomButton::SetLeft);
}

void TCustomButton::setTop(int value) noexcept
{
    WriteProperty(this, "Top", value, &TCustomButton::SetTop);
}

void TCustomButton::setWidth(int value) noexcept
{
    WriteProperty(this, "Width", value, &TCustomButton::SetWidth);
}

void TCustomButton::setHeight(int value) noexcept
{
    WriteProperty(this, "Height", value, &TCustomButton::SetHeight);
}

void TCustomButton::setHint(const QString& value) noexcept
{
    setToolTip(value);
}

void TCustomButton::setAnchors(TarvoWidgets::TControlPlacement::TAnchors value) noexcept
{
    WriteProperty(this, "Anchors", value, &TCustomButton::SetAnchors);
}

void TCustomButton::setCaption(const QString& value) noexcept
{
    WriteProperty(this, "Caption", value, &TCustomButton::SetCaption);
}

void TCustomButton::setShowHint(bool value) noexcept
{
    WriteProperty(this, "ShowHint", value, &TCustomButton::SetShowHint);
}

void TCustomSpeedButton::setGroupIndex(int value) noexcept
{
    WriteProperty(this, "GroupIndex", value, &TCustomSpeedButton::SetGroupIndex);
}

void TCustomSpeedButton::setAllowAllUp(bool value) noexcept
{
    WriteProperty(this, "AllowAllUp", value, &TCustomSpeedButton::SetAllowAllUp);
}

void TCustomSpeedButton::setDown(bool value) noexcept
{
    WriteProperty(this, "Down", value, &TCustomSpeedButton::SetDown);
}

void TCustomButton::WriteAlign(TControlPlacement::TAlign value) noexcept
{
    setAlign(value);
}

} // namespace TarvoWidgets
