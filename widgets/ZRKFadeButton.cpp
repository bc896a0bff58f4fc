#include "ZRKFadeButton.h"

#include "platform/ToolkitError.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

namespace {

using TChannel = int (*)(TColor);
constexpr TChannel Channels[] = {RedOf, GreenOf, BlueOf};

} // namespace

TZRKFadeButton::TZRKFadeButton(QWidget* owner)
    : QWidget(owner)
{
    // The toolkit's control starts without a size, so the paint of SetColor below draws
    // nothing, and it gets mouse moves with no button held.
    resize(0, 0);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    FBorderColor = clr::Silver;
    FBorderDestColor = clr::White;
    SetColor(clr::Green);
    FDestColor = clr::Lime;
    FFadeOnOver = true;
    FShowBorder = true;
    FCaptionOverColor = clr::Lime;
    FFadeOnLeave = true;
    SetFontColor(clr::White);
    FFadeColor = FColor;
    FFadeBorderColor = FBorderColor;
    resize(150, 30);
    FBorderHeight = 1;
    FTimer.SetEnabled(false);
    connect(&FTimer, &TTimer::OnTimer, this, &TZRKFadeButton::Animate);
    FStep = 2;
    SetSpeed(10);
}

void TZRKFadeButton::SetFontColor(TColor value)
{
    FFontColor = value;
    // As with any font change, the toolkit repaints the control later.
    update();
}

void TZRKFadeButton::SetColor(TColor value)
{
    FColor = value;
    FFadeColor = value;
    Paint();
}

void TZRKFadeButton::SetCaption(const QString& value)
{
    if (value == FCaption)
        return;
    FCaption = value;
    Paint();
}

void TZRKFadeButton::SetBorderColor(TColor value)
{
    if (value == FBorderColor)
        return;
    FBorderColor = value;
    FFadeBorderColor = value;
    Paint();
}

void TZRKFadeButton::SetShowBorder(bool value)
{
    if (value == FShowBorder)
        return;
    FShowBorder = value;
    Paint();
}

void TZRKFadeButton::SetBorderHeight(int value)
{
    FBorderHeight = value;
    Paint();
}

void TZRKFadeButton::SetSpeed(int value)
{
    FSpeed = value;
    FTimer.SetInterval(value);
}

void TZRKFadeButton::Paint()
{
    // A button without a size composes an empty picture, and drawing that touches nothing.
    if (width() <= 0 || height() <= 0)
        return;
    // A button shown as a window of its own has its own surface; any other needs its parent's.
    if (!parentWidget() && !isVisible())
        throw EToolkitError::NoParent(objectName());
    repaint();
}

void TZRKFadeButton::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, Frame());
}

QImage TZRKFadeButton::Frame() const
{
    QImage frame(size(), QImage::Format_RGB32);
    QPainter painter(&frame);
    const QColor fill = ToQColor(FFadeColor);
    painter.fillRect(frame.rect(), fill);
    if (FShowBorder) {
        // The outline runs through the outermost pixels; a wider pen spreads to both sides of
        // that line, so the part outside the button is cut off.
        QPen pen(ToQColor(FFadeBorderColor), std::max(FBorderHeight, 0));
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
    }

    painter.setFont(font());
    const QFontMetrics metrics = painter.fontMetrics();
    const int w = metrics.horizontalAdvance(FCaption);
    const int h = metrics.height();
    // Integer halves round towards zero, so a caption larger than the button gets a negative
    // offset and is cut at both edges alike.
    const int x = width() / 2 - w / 2;
    const int y = height() / 2 - h / 2;
    // The caption is drawn on an opaque box in the fill colour.
    painter.fillRect(QRect(x, y, w, h), fill);
    painter.setPen(ToQColor(FFontColor));
    painter.drawText(x, y + metrics.ascent(), FCaption);
    return frame;
}

void TZRKFadeButton::MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers, int X, int Y)
{
    emit onMouseMove(this, Buttons, Modifiers, X, Y);
    if (FFontColor != FCaptionOverColor) {
        FSavedFontColor = FFontColor;
        SetFontColor(FCaptionOverColor);
    }
    // A running fade, in either direction, is left alone: a fade-out runs on to its end.
    if (!FTimer.Enabled() && FFadeOnOver) {
        FFadeDelta = FStep;
        FTimer.SetEnabled(true);
    }
    if (!FFadeOnOver) {
        FFadeBorderColor = FBorderDestColor;
        FFadeColor = FDestColor;
        Paint();
    }
}

void TZRKFadeButton::MouseLeave()
{
    if (FFadeOnLeave) {
        // Reverses a fade-in at once from the colour it has reached.
        FFadeDelta = -FStep;
        FTimer.SetEnabled(true);
        if (FSavedFontColor)
            SetFontColor(*FSavedFontColor);
    } else {
        FTimer.SetEnabled(false);
        FFadeBorderColor = FBorderColor;
        FFadeColor = FColor;
        if (FSavedFontColor)
            SetFontColor(*FSavedFontColor);
        Paint();
    }
    emit onMouseLeave(this);
}

void TZRKFadeButton::Animate(QObject*)
{
    FFadeColor = Faded(FFadeColor, FColor, FDestColor, false);
    // The outline steps on every tick, but only the fill decides when the fade ends.
    FFadeBorderColor = Faded(FFadeBorderColor, FBorderColor, FBorderDestColor, true);
    Paint();
}

TColor TZRKFadeButton::Faded(TColor shown, TColor from, TColor to, bool isBorder)
{
    // All three channels move by the same amount; ERGB holds each inside its own range.
    return ERGB(RedOf(shown) + FFadeDelta, GreenOf(shown) + FFadeDelta, BlueOf(shown) + FFadeDelta,
                true, isBorder, from, to);
}

TColor TZRKFadeButton::ERGB(int R, int G, int B, bool Limit, bool IsBorder, TColor FromColor, TColor ToColor)
{
    int rgb[] = {R, G, B};
    for (int i = 0; i < 3; ++i) {
        if (Limit) {
            // Raised to the rest colour's channel first, then lowered to the hover colour's: the
            // upper bound wins, so a channel whose hover value lies below its rest value always
            // shows the hover value.
            if (rgb[i] <= Channels[i](FromColor))
                rgb[i] = Channels[i](FromColor);
            if (rgb[i] >= Channels[i](ToColor))
                rgb[i] = Channels[i](ToColor);
        } else {
            rgb[i] = std::clamp(rgb[i], 0, 255);
        }
    }
    const TColor result = RGBColor(rgb[0], rgb[1], rgb[2]);
    // The fill's fade ends when the whole value reaches either end.
    if (!IsBorder && (result <= FromColor || result >= ToColor))
        FTimer.SetEnabled(false);
    return result;
}

void TZRKFadeButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void TZRKFadeButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        FClicked = true;
    const QPoint at = event->position().toPoint();
    emit onMouseDown(this, event->button(), event->buttons(), event->modifiers(), at.x(), at.y());
}

void TZRKFadeButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt delivers the second press of a double click as a press and then this event. In the
    // toolkit that press is a double click only and raises no click of its own.
    if (event->button() == Qt::LeftButton)
        FClicked = false;
}

void TZRKFadeButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    QPointer<TZRKFadeButton> self(this);
    if (event->button() == Qt::LeftButton && FClicked) {
        FClicked = false;
        if (rect().contains(at))
            emit OnClick(this);
    }
    // The click handler may have freed the button.
    if (self)
        emit onMouseUp(this, event->button(), event->buttons(), event->modifiers(), at.x(), at.y());
}

void TZRKFadeButton::leaveEvent(QEvent*)
{
    MouseLeave();
}

bool TZRKFadeButton::event(QEvent* event)
{
    // The hint shows only when ShowHint allows it, and then the button's own.
    if (event->type() == QEvent::ToolTip && !FShowHint)
        return true;
    return QWidget::event(event);
}
