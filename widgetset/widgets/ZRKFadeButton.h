#pragma once

#include "toolkit/AccessibleButton.h"
#include "toolkit/Color.h"
#include "toolkit/ControlPlacement.h"
#include "toolkit/Timer.h"

#include <QCursor>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <optional>

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
class TZRKFadeButton : public QWidget, public TAccessibleButton {
    Q_OBJECT
    /// The properties a stored window layout carries, in its order: the base control's first.
    /// Those that Qt's own widget properties carry in a .ui file (objectName, geometry, cursor,
    /// font, enabled, toolTip) are not stored twice and not shown twice in Qt Designer.
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName STORED false DESIGNABLE false)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag NOTIFY TagChanged)
    Q_CLASSINFO("Default:Tag", "0")
    Q_PROPERTY(int Left READ x WRITE SetLeft STORED false DESIGNABLE false)
    Q_PROPERTY(int Top READ y WRITE SetTop STORED false DESIGNABLE false)
    Q_PROPERTY(int Width READ width WRITE SetWidth STORED false DESIGNABLE false)
    Q_PROPERTY(int Height READ height WRITE SetHeight STORED false DESIGNABLE false)
    Q_PROPERTY(QCursor Cursor READ cursor WRITE setCursor STORED false DESIGNABLE false)
    Q_PROPERTY(TarvoWidgets::TControlPlacement::TAlign Align READ Align WRITE SetAlign NOTIFY AlignChanged)
    Q_CLASSINFO("Default:Align", "alNone")
    Q_PROPERTY(TarvoWidgets::TControlPlacement::TAnchors Anchors READ Anchors WRITE SetAnchors NOTIFY AnchorsChanged)
    Q_CLASSINFO("Default:Anchors", "akLeft|akTop")
    Q_PROPERTY(QFont Font READ font WRITE setFont STORED false DESIGNABLE false)
    /// The caption colour; the toolkit keeps it in the font, which a QFont cannot hold.
    Q_PROPERTY(TColor FontColor READ FontColor WRITE SetFontColor NOTIFY FontColorChanged)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled STORED false DESIGNABLE false)
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint NOTIFY ShowHintChanged)
    Q_CLASSINFO("Default:ShowHint", "false")
    Q_PROPERTY(QString Hint READ toolTip WRITE setToolTip STORED false DESIGNABLE false)
    /// The button's own properties declare no default: a stored layout always carries them.
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY ColorChanged)
    Q_PROPERTY(bool FadeOnLeave READ FadeOnLeave WRITE SetFadeOnLeave NOTIFY FadeOnLeaveChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_PROPERTY(int Step READ Step WRITE SetStep NOTIFY StepChanged)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor NOTIFY BorderColorChanged)
    Q_PROPERTY(TColor BorderDestColor READ BorderDestColor WRITE SetBorderDestColor NOTIFY BorderDestColorChanged)
    Q_PROPERTY(TColor DestColor READ DestColor WRITE SetDestColor NOTIFY DestColorChanged)
    Q_PROPERTY(bool ShowBorder READ ShowBorder WRITE SetShowBorder NOTIFY ShowBorderChanged)
    Q_PROPERTY(TColor CaptionOverColor READ CaptionOverColor WRITE SetCaptionOverColor NOTIFY CaptionOverColorChanged)
    Q_PROPERTY(bool FadeOnOver READ FadeOnOver WRITE SetFadeOnOver NOTIFY FadeOnOverChanged)
    Q_PROPERTY(int BorderHeight READ BorderHeight WRITE SetBorderHeight NOTIFY BorderHeightChanged)
    Q_PROPERTY(int Speed READ Speed WRITE SetSpeed NOTIFY SpeedChanged)

public:
    explicit TZRKFadeButton(QWidget* owner = nullptr);

    /// In a Qt layout: room for the caption with a margin, at least the toolkit's 150 by 30;
    /// at the least the caption inside the outline.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    /// What screen readers see (TAccessibleButton): the caption as drawn (it marks no
    /// accelerator), pressed while the left button holds it.
    QString AccessibleCaption() const override { return FCaption; }
    bool Held() const override { return FClicked; }

    int Tag() const { return FTag; }
    void SetTag(int value);
    void SetLeft(int value) { move(value, y()); }
    void SetTop(int value) { move(x(), value); }
    void SetWidth(int value) { resize(value, height()); }
    void SetHeight(int value) { resize(width(), value); }
    TControlPlacement::TAlign Align() const { return FPlacement.Align(); }
    void SetAlign(TControlPlacement::TAlign value);
    TControlPlacement::TAnchors Anchors() const { return FPlacement.Anchors(); }
    void SetAnchors(TControlPlacement::TAnchors value);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);

    /// The setters that paint (SetColor, SetBorderColor, SetBorderHeight, SetCaption,
    /// SetShowBorder) store the new value and then ask for a paint through Paint; a button that
    /// cannot be shown yet (no parent, say) shows the values once it is.
    TColor Color() const { return FColor; }
    /// Also resets the fill shown, even when the value is unchanged.
    void SetColor(TColor value);
    bool FadeOnLeave() const { return FFadeOnLeave; }
    void SetFadeOnLeave(bool value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    int Step() const { return FStep; }
    /// Takes effect at the next hover or leave.
    void SetStep(int value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor BorderDestColor() const { return FBorderDestColor; }
    void SetBorderDestColor(TColor value);
    TColor DestColor() const { return FDestColor; }
    void SetDestColor(TColor value);
    bool ShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool value);
    TColor CaptionOverColor() const { return FCaptionOverColor; }
    void SetCaptionOverColor(TColor value);
    bool FadeOnOver() const { return FFadeOnOver; }
    void SetFadeOnOver(bool value);
    int BorderHeight() const { return FBorderHeight; }
    void SetBorderHeight(int value);
    /// Milliseconds between two fade steps; 0 stops the steps (a fade then never moves).
    int Speed() const { return FSpeed; }
    void SetSpeed(int value);

public slots:
    /// A click without the mouse: pressed(), released(), OnClick, clicked().
    void click() override;

signals:
    /// The toolkit's events, each with the button as sender. The mouse events carry the
    /// button that changed (down and up), the buttons held, the modifier keys and the position
    /// in the button.
    void onMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Buttons,
                     Qt::KeyboardModifiers Modifiers, int X, int Y);
    void onMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::MouseButtons Buttons,
                   Qt::KeyboardModifiers Modifiers, int X, int Y);
    void onMouseMove(QObject* Sender, Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers,
                     int X, int Y);
    void onMouseLeave(QObject* Sender);
    void OnClick(QObject* Sender);

    /// Qt's button signals beside the toolkit's events. A left press emits pressed() after
    /// onMouseDown; its release emits released(), then, over the button, OnClick followed by
    /// clicked(), and onMouseUp last. The second press of a double click is no click: it emits
    /// onMouseDown alone, and its release onMouseUp alone.
    void pressed();
    void released();
    void clicked();

    /// The change signals of the stored properties, emitted on a real change only (FontColor
    /// also changes while the pointer is over the button: the caption takes CaptionOverColor).
    void TagChanged(int value);
    void AlignChanged(TarvoWidgets::TControlPlacement::TAlign value);
    void AnchorsChanged(TarvoWidgets::TControlPlacement::TAnchors value);
    void FontColorChanged(TarvoWidgets::TColor value);
    void ShowHintChanged(bool value);
    void ColorChanged(TarvoWidgets::TColor value);
    void FadeOnLeaveChanged(bool value);
    void CaptionChanged(const QString& value);
    void StepChanged(int value);
    void BorderColorChanged(TarvoWidgets::TColor value);
    void BorderDestColorChanged(TarvoWidgets::TColor value);
    void DestColorChanged(TarvoWidgets::TColor value);
    void ShowBorderChanged(bool value);
    void CaptionOverColorChanged(TarvoWidgets::TColor value);
    void FadeOnOverChanged(bool value);
    void BorderHeightChanged(int value);
    void SpeedChanged(int value);

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

    /// The whole button as it looks now, composed off-screen at the given device pixel ratio, so
    /// that the caption and outline are drawn at the screen's own resolution.
    QImage Frame(qreal devicePixelRatio) const;

    /// The fade state.
    TColor FFadeColor = 0;          // the fill shown
    TColor FFadeBorderColor = 0;    // the outline shown
    int FFadeDelta = 0;             // +Step while fading in, -Step while fading out
    /// The caption colour that a leave gives back; empty until a hover has replaced it.
    std::optional<TColor> FSavedFontColor;
    /// Enabled while a fade runs, in either direction.
    TTimer FTimer;

private:
    /// The caption's size in the button's font.
    QSize CaptionSize() const;
    /// How far the outline reaches into the button.
    int OutlineBand() const;
    /// The next fade step of a colour shown between from and to (RGB values).
    TColor Faded(TColor shown, TColor from, TColor to) const;

    TControlPlacement FPlacement{this};
    int FTag = 0;
    bool FShowHint = false;
    TColor FFontColor = 0;
    TColor FColor = 0;
    bool FFadeOnLeave = false;
    QString FCaption;
    int FStep = 0;
    TColor FBorderColor = 0;
    TColor FBorderDestColor = 0;
    TColor FDestColor = 0;
    bool FShowBorder = false;
    TColor FCaptionOverColor = 0;
    bool FFadeOnOver = false;
    int FBorderHeight = 0;
    int FSpeed = 0;
    bool FClicked = false; // a left press on the button waits for its release
};

} // namespace TarvoWidgets
