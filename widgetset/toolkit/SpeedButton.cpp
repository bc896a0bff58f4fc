#include "toolkit/SpeedButton.h"

#include "toolkit/ChangeNotify.h"
#include "toolkit/Color.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>

namespace TarvoWidgets {

QEvent::Type TButtonPressedEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

TSpeedButton::TSpeedButton(QWidget* parent)
    : QWidget(parent)
{
    // The toolkit's default size; a toolbar button never takes the keyboard focus.
    resize(23, 22);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &TSpeedButton::toggled, this, [this] { AccessibleCheckedChanged(this); });
}

void TSpeedButton::SetGroupIndex(int value)
{
    if (!StoreChanged(this, FGroupIndex, value, &TSpeedButton::GroupIndexChanged))
        return;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool value)
{
    if (FGroupIndex == 0)
        value = false;
    if (value == FDown)
        return;
    // Only another button of the group releases the down button of an exclusive group.
    if (FDown && !FAllowAllUp)
        return;
    FDown = value;
    if (isEnabled())
        FState = value ? bsExclusive : bsUp;
    repaint();
    // The group first follows (another button's toggled(false) comes before this one's).
    QPointer<TSpeedButton> self(this);
    UpdateExclusive();
    if (self)
        emit toggled(FDown);
}

void TSpeedButton::SetAllowAllUp(bool value)
{
    if (!StoreChanged(this, FAllowAllUp, value, &TSpeedButton::AllowAllUpChanged))
        return;
    UpdateExclusive();
}

void TSpeedButton::SetCaption(const QString& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    FAccelerator.Follow(this, FCaption);
    updateGeometry();
    update();
    emit CaptionChanged(FCaption);
}

void TSpeedButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !parentWidget())
        return;
    TButtonPressedEvent notification(FGroupIndex, this);
    Broadcast(parentWidget(), notification);
}

void TSpeedButton::ButtonPressed(const TButtonPressedEvent& notification)
{
    if (notification.GroupIndex != FGroupIndex || !notification.Sender || notification.Sender == this)
        return;
    const bool released = notification.Sender->Down() && FDown;
    if (released) {
        FDown = false;
        if (isEnabled())
            FState = bsUp;
        update();
    }
    // The group's buttons share AllowAllUp; it is this button's property all the same.
    StoreChanged(this, FAllowAllUp, notification.Sender->AllowAllUp(), &TSpeedButton::AllowAllUpChanged);
    if (released)
        emit toggled(false);
}

void TSpeedButton::Click()
{
    QPointer<TSpeedButton> self(this);
    emit OnClick(this);
    if (self)
        emit clicked();
}

void TSpeedButton::MouseDown(const QPoint&)
{
    if (!isEnabled())
        return;
    if (!FDown) {
        FState = bsDown;
        repaint();
    }
    FDragging = true;
    emit pressed();
}

void TSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        MouseDown(event->position().toPoint());
}

void TSpeedButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt sends no press for the second click of a double click; the toolkit takes it as one.
    if (event->button() == Qt::LeftButton)
        MouseDown(event->position().toPoint());
}

void TSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!FDragging)
        return;
    if (!event->buttons().testFlag(Qt::LeftButton)) {
        EndLostPress();
        return;
    }
    TButtonState state = FDown ? bsExclusive : bsUp;
    if (rect().contains(event->position().toPoint()))
        state = bsDown;
    if (state != FState) {
        FState = state;
        update();
    }
}

void TSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!FDragging)
        return;
    FDragging = false;
    Release(rect().contains(event->position().toPoint()));
}

void TSpeedButton::click()
{
    if (!isEnabled() || FDragging)
        return;
    QPointer<TSpeedButton> self(this);
    emit pressed();
    if (self)
        Release(true);
}

QString TSpeedButton::AccessibleCaption() const
{
    return WithoutAcceleratorMarker(FCaption);
}

QKeySequence TSpeedButton::Accelerator() const
{
    return QKeySequence::mnemonic(FCaption);
}

void TSpeedButton::Release(bool inside)
{
    QPointer<TSpeedButton> self(this);
    emit released();
    if (!self)
        return;
    if (FGroupIndex == 0) {
        FState = bsUp;
        repaint();
    } else if (inside) {
        // SetDown may refuse (the down button of an exclusive group): show the latch again.
        SetDown(!FDown);
        if (!self)
            return;
        FState = FDown ? bsExclusive : bsUp;
        repaint();
    } else {
        FState = FDown ? bsExclusive : bsUp;
        repaint();
    }
    if (inside)
        Click();
}

void TSpeedButton::EndLostPress()
{
    if (!FDragging)
        return;
    FDragging = false;
    if (isEnabled())
        FState = FDown ? bsExclusive : bsUp;
    update();
    emit released();
}

void TSpeedButton::hideEvent(QHideEvent* event)
{
    // A hidden button gets no release.
    EndLostPress();
    QWidget::hideEvent(event);
}

bool TSpeedButton::TakesDialogChar(QChar character) const
{
    const QKeySequence accelerator = QKeySequence::mnemonic(FCaption);
    if (accelerator.isEmpty() || QChar(accelerator[0].key()).toUpper() != character.toUpper())
        return false;
    return isEnabled() && isVisible();
}

void TSpeedButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        QPointer<TSpeedButton> self(this);
        EndLostPress();
        if (!self)
            return;
        FState = isEnabled() ? (FDown ? bsExclusive : bsUp) : bsDisabled;
        update();
    }
    QWidget::changeEvent(event);
}

bool TSpeedButton::event(QEvent* event)
{
    if (event->type() == TButtonPressedEvent::EventType()) {
        ButtonPressed(static_cast<const TButtonPressedEvent&>(*event));
        return true;
    }
    if (FAccelerator.HandleShortcut(this, event))
        return true;
    if (event->type() == TDialogCharEvent::EventType()) {
        auto& offer = static_cast<TDialogCharEvent&>(*event);
        offer.Taken = TakesDialogChar(offer.Character);
        if (offer.Taken)
            Click(); // the last thing done: the click handler may free the button
        return true;
    }
    if (event->type() == QEvent::UngrabMouse)
        EndLostPress();
    return QWidget::event(event);
}

QSize TSpeedButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, FCaption);
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
    const bool sunken = FState == bsDown || FState == bsExclusive;
    // A latched button shows a lighter face, as the toolkit's does, so it reads as "on".
    QColor face = ToQColor(clr::BtnFace);
    if (FState == bsExclusive) {
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

    if (FCaption.isEmpty())
        return;
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    QRect text = all;
    if (sunken)
        text.translate(1, 1);
    if (FState == bsDisabled) {
        painter.setPen(light);
        painter.drawText(text.translated(1, 1), flags, FCaption);
        painter.setPen(dark);
    } else {
        painter.setPen(ToQColor(clr::BtnText));
    }
    painter.drawText(text, flags, FCaption);
}

} // namespace TarvoWidgets
