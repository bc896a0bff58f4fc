// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/controls/CustomButton.h"
#include "toolkit/graphics/Color.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <memory>

namespace TarvoWidgets {

/// A push button that draws itself completely: a filled rectangle, an optional outline and a
/// centred caption. While the mouse moves over it, the fill and outline step from their rest
/// colours towards their hover colours on the button's own timer and the caption takes its
/// hover colour; when the mouse leaves, the colours step (or snap) back and the caption gets
/// its colour back. A left click raises OnClick; the button has no pressed look.
///
/// It plays the toolkit's windowless control: it gets mouse moves with no button held. Its
/// setters, the fade ticks and the mouse handlers ask Qt for a paint, which Qt carries out
/// before the next frame, merged with any other.
///
/// What Qt's styling reaches. The caption is drawn in Qt's font (Font is its name in a stored
/// layout), so setFont, the application's font and a style sheet's font settings reach it; its
/// colour is FontColor. Every other colour is the button's own (Color, DestColor, BorderColor,
/// …), a system colour among them resolved through the application's palette at each paint:
/// the widget's own palette reaches nothing, and Designer hides its row; a style sheet's
/// colours and borders change nothing. The style draws the focus frame, where a focus policy
/// lets the button take the focus (the default is Qt::NoFocus).
///
/// The order of the signals. Beside the toolkit's events the button emits Qt's button signals
/// (the core's): a left press emits pressed() after onMouseDown; its release emits released(), then, over the button,
/// OnClick followed by clicked(), and onMouseUp last; a press that is lost (the button hidden or
/// disabled, the mouse taken) emits released() alone. The second press of a double click is no
/// click: it emits onMouseDown alone, and its release onMouseUp alone.
class TARVOWIDGETS_EXPORT TZRKFadeButton : public TCustomButton {
    Q_OBJECT
    // The placement properties, Caption and ShowHint are the button core's (TCustomButton).
    // Those that Qt's own widget properties carry in a .ui file (font) are not stored twice.
    /// The caption's font: Qt's own font property, under the name that a stored layout gives it
    /// (stored once, as Qt's font).
    Q_PROPERTY(QFont Font READ font WRITE setFont STORED false DESIGNABLE false)
    /// The caption colour; the toolkit keeps it in the font, which a QFont cannot hold.
    Q_PROPERTY(TColor FontColor READ FontColor WRITE SetFontColor NOTIFY FontColorChanged)
    // The button's own properties declare no default: a stored layout always carries them.
    /// The fill at rest. Setting it shows it at once, also where the value is unchanged.
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY ColorChanged)
    /// Whether the fill and the outline fade back to their rest colours when the pointer leaves
    /// (true, the default), or snap back at once.
    Q_PROPERTY(bool FadeOnLeave READ FadeOnLeave WRITE SetFadeOnLeave NOTIFY FadeOnLeaveChanged)
    /// How far each colour channel moves towards its target in one fade step (2 by default); takes
    /// effect at the next hover or leave.
    Q_PROPERTY(int Step READ Step WRITE SetStep NOTIFY StepChanged)
    /// The outline at rest.
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor NOTIFY BorderColorChanged)
    /// The outline under the pointer, reached step by step with the fill.
    Q_PROPERTY(TColor BorderDestColor READ BorderDestColor WRITE SetBorderDestColor NOTIFY BorderDestColorChanged)
    /// The fill under the pointer, which a fade moves towards.
    Q_PROPERTY(TColor DestColor READ DestColor WRITE SetDestColor NOTIFY DestColorChanged)
    /// Whether the outline is drawn (true by default).
    Q_PROPERTY(bool ShowBorder READ ShowBorder WRITE SetShowBorder NOTIFY ShowBorderChanged)
    /// The caption's colour while the pointer is over the button: it replaces FontColor at once (no
    /// fade), and the leave gives FontColor its colour back.
    Q_PROPERTY(TColor CaptionOverColor READ CaptionOverColor WRITE SetCaptionOverColor NOTIFY CaptionOverColorChanged)
    /// Whether the fill and the outline fade towards their hover colours when the pointer comes
    /// over the button (true, the default), or take them at once.
    Q_PROPERTY(bool FadeOnOver READ FadeOnOver WRITE SetFadeOnOver NOTIFY FadeOnOverChanged)
    /// The outline's width in pixels (1 by default).
    Q_PROPERTY(int BorderHeight READ BorderHeight WRITE SetBorderHeight NOTIFY BorderHeightChanged)
    /// Milliseconds between two fade steps (10 for a new button); 0 stops the steps, so that a fade never
    /// moves.
    Q_PROPERTY(int Speed READ Speed WRITE SetSpeed NOTIFY SpeedChanged)

public:
    explicit TZRKFadeButton(QWidget* owner = nullptr);
    ~TZRKFadeButton() override;

    /// In a Qt layout: room for the caption with a margin, at least the toolkit's 150 by 30;
    /// at the least the caption inside the outline.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    TColor FontColor() const;
    void SetFontColor(TColor value);

    // The setters that paint (SetColor, SetBorderColor, SetBorderHeight, the caption,
    // SetShowBorder) store the new value and then ask for a paint through Paint; a button that
    // cannot be shown yet (no parent, say) shows the values once it is.
    TColor Color() const;
    /// Also resets the fill shown, even when the value is unchanged.
    void SetColor(TColor value);
    bool FadeOnLeave() const;
    void SetFadeOnLeave(bool value);
    int Step() const;
    /// Takes effect at the next hover or leave.
    void SetStep(int value);
    TColor BorderColor() const;
    void SetBorderColor(TColor value);
    TColor BorderDestColor() const;
    void SetBorderDestColor(TColor value);
    TColor DestColor() const;
    void SetDestColor(TColor value);
    bool ShowBorder() const;
    void SetShowBorder(bool value);
    TColor CaptionOverColor() const;
    void SetCaptionOverColor(TColor value);
    bool FadeOnOver() const;
    void SetFadeOnOver(bool value);
    int BorderHeight() const;
    void SetBorderHeight(int value);
    /// Milliseconds between two fade steps; 0 stops the steps (a fade then never moves).
    int Speed() const;
    void SetSpeed(int value);

    /// Each property X has a setter named as Qt names them, setX, so that the code uic makes of
    /// a form written without stdset="0" compiles. Each does what the property's own setter
    /// does, but a refused value is reported as a warning naming the property and keeps the
    /// value, as a write through Qt's property system is, since no exception may cross Qt's
    /// frames. (The properties' WRITE accessors keep the toolkit's names, so that Qt Designer
    /// and the stored-layout writer go on saving them with stdset="0", through setProperty,
    /// which also takes a system colour's name and an identifier without its class.)
    ///@{
    void setFontColor(TColor value) noexcept;
    void setColor(TColor value) noexcept;
    void setFadeOnLeave(bool value) noexcept;
    void setStep(int value) noexcept;
    void setBorderColor(TColor value) noexcept;
    void setBorderDestColor(TColor value) noexcept;
    void setDestColor(TColor value) noexcept;
    void setShowBorder(bool value) noexcept;
    void setCaptionOverColor(TColor value) noexcept;
    void setFadeOnOver(bool value) noexcept;
    void setBorderHeight(int value) noexcept;
    void setSpeed(int value) noexcept;
    ///@}

Q_SIGNALS:
    /// A mouse button went down on the button: Sender is the button, Button the button pressed,
    /// Buttons those held, Modifiers the modifier keys, X and Y the position in the button. A left
    /// press emits pressed() after it.
    void onMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Buttons,
                     Qt::KeyboardModifiers Modifiers, int X, int Y);
    /// A mouse button was released after a press on the button, with the same arguments as
    /// onMouseDown; emitted last, after released(), OnClick and clicked().
    void onMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Buttons,
                   Qt::KeyboardModifiers Modifiers, int X, int Y);
    /// The pointer moved over the button, with or without a mouse button held: the buttons held,
    /// the modifier keys and the position in the button.
    void onMouseMove(QObject* Sender, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers,
                     int X, int Y);
    /// The pointer left the button, once the colours have started back to rest.
    void onMouseLeave(QObject* Sender);

    /// The change signal of the property of its name (ColorChanged of Color, …), emitted on a real
    /// change only. FontColor also changes while the pointer is over the button: the caption takes
    /// CaptionOverColor.
    ///@{
    void FontColorChanged(TarvoWidgets::TColor value);
    void ColorChanged(TarvoWidgets::TColor value);
    void FadeOnLeaveChanged(bool value);
    void StepChanged(int value);
    void BorderColorChanged(TarvoWidgets::TColor value);
    void BorderDestColorChanged(TarvoWidgets::TColor value);
    void DestColorChanged(TarvoWidgets::TColor value);
    void ShowBorderChanged(bool value);
    void CaptionOverColorChanged(TarvoWidgets::TColor value);
    void FadeOnOverChanged(bool value);
    void BorderHeightChanged(int value);
    void SpeedChanged(int value);
    ///@}

protected:
    /// Asks Qt to paint the button before the next frame; nothing while it cannot be shown.
    virtual void Paint();
    virtual void MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers, int X, int Y);
    virtual void MouseLeave();
    /// One fade step of the fill and the outline; the timer's tick handler. The timer stops
    /// when the fill reaches either end (or a step moves it no more); the end reached is then
    /// shown as the stored colour itself, and the end of a fade-out puts the outline at rest.
    void Animate(QObject* Sender);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void CaptionSet() override;

    /// The whole button as it looks now, composed off-screen at the given device pixel ratio, so
    /// that the caption and outline are drawn at the screen's own resolution.
    QImage Frame(qreal devicePixelRatio) const;
    /// The part of that picture that covers the exposed rectangle (from a whole device pixel on,
    /// so that it may reach a pixel above and left of it), with the same pixels.
    QImage Frame(const QRect& exposed, qreal devicePixelRatio) const;


private:
    /// The caption's size in the button's font.
    QSize CaptionSize() const;
    /// How far the outline reaches into the button.
    int OutlineBand() const;
    /// The next fade step of a colour shown between from and to (RGB values).
    TColor Faded(TColor shown, TColor from, TColor to) const;


private:
    struct Private;
    std::unique_ptr<Private> const d;
};

} // namespace TarvoWidgets
