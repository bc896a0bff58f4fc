// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include "toolkit/controls/AccessibleButton.h"
#include "toolkit/controls/Broadcast.h"
#include "toolkit/controls/ControlPlacement.h"

#include <QCursor>
#include <QWidget>
#include <memory>

class QPainter;

namespace TarvoWidgets {

class TCustomButtonPrivate;
class TCustomSpeedButton;
class TCustomSpeedButtonPrivate;

/// What every button of the widget set shares, written once: the base control's placement
/// properties (Tag, ShowHint, Align, Anchors, the position and size) and the caption with their
/// change signals; the press of the left mouse button, from pressed() to released() and, over
/// the button, OnClick and clicked(); the press whose release will never come (the button
/// hidden or disabled, the mouse taken by another widget or a popup, the button released
/// elsewhere); click() without the mouse; and what screen readers see.
///
/// A button keeps its painting, its own properties and its own mouse events. It starts a press
/// with Press() and ends it with ReleasePress() from its own mouse handlers, in the order its
/// events demand, and follows the press through the hooks below.
class TARVOWIDGETS_EXPORT TCustomButton : public QWidget, public TAccessibleButton {
    Q_OBJECT
    // Qt's rows that Designer hides: every colour of the buttons is a property of their own,
    // a system colour among them resolved through the application's palette.
    Q_CLASSINFO("IgnoredQtProperties", "palette")
    // The base control's properties. Those that Qt's own widget properties already carry into
    // a stored layout (objectName, geometry, cursor, enabled, toolTip) are not stored twice.
    /// The toolkit's name of the button: Qt's objectName (a stored layout stores it once, as the
    /// widget's name).
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName STORED false DESIGNABLE false)
    /// A number for the program's own use; the button does nothing with it.
    Q_PROPERTY(int Tag READ Tag WRITE SetTag NOTIFY TagChanged)
    Q_CLASSINFO("Default:Tag", "0")
    /// The x position in the parent: Qt's geometry (stored once, as the widget's geometry).
    Q_PROPERTY(int Left READ x WRITE SetLeft STORED false DESIGNABLE false)
    /// The y position in the parent: Qt's geometry.
    Q_PROPERTY(int Top READ y WRITE SetTop STORED false DESIGNABLE false)
    /// The width: Qt's geometry.
    Q_PROPERTY(int Width READ width WRITE SetWidth STORED false DESIGNABLE false)
    /// The height: Qt's geometry.
    Q_PROPERTY(int Height READ height WRITE SetHeight STORED false DESIGNABLE false)
    /// The pointer's shape over the button: Qt's cursor.
    Q_PROPERTY(QCursor Cursor READ cursor WRITE setCursor STORED false DESIGNABLE false)
    /// The tool tip: Qt's toolTip, shown where ShowHint allows it.
    Q_PROPERTY(QString Hint READ toolTip WRITE setToolTip STORED false DESIGNABLE false)
    /// Where the button keeps itself in its parent (alNone by default: where it was put; alTop,
    /// alClient and the others take a side or the whole room, as the toolkit's aligned controls
    /// do). A value that names no side is refused and the old one kept.
    Q_PROPERTY(TarvoWidgets::TControlPlacement::TAlign Align READ Align WRITE WriteAlign NOTIFY AlignChanged)
    Q_CLASSINFO("Default:Align", "alNone")
    /// The parent's sides that the button keeps its distance to when the parent is resized
    /// (akLeft|akTop by default).
    Q_PROPERTY(TarvoWidgets::TControlPlacement::TAnchors Anchors READ Anchors WRITE SetAnchors NOTIFY AnchorsChanged)
    Q_CLASSINFO("Default:Anchors", "akLeft|akTop")
    // A button declares the caption's default itself where it has one.
    /// The text on the button. An & marks the next character as the accelerator (Alt and the
    /// character click a speed button), && draws one &.
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    /// Whether the button takes the mouse and the keyboard: Qt's enabled (stored once, as Qt's).
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled STORED false DESIGNABLE false)
    /// Whether the Hint is shown as a tool tip (false by default).
    Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint NOTIFY ShowHintChanged)
    Q_CLASSINFO("Default:ShowHint", "false")

public:
    explicit TCustomButton(QWidget* owner = nullptr);
    ~TCustomButton() override;

    int Tag() const;
    void SetTag(int value);
    void SetLeft(int value);
    void SetTop(int value);
    void SetWidth(int value);
    void SetHeight(int value);
    TControlPlacement::TAlign Align() const;
    /// A value that names no side raises the invalid-property-value error and keeps the old one.
    void SetAlign(TControlPlacement::TAlign value);
    TControlPlacement::TAnchors Anchors() const;
    void SetAnchors(TControlPlacement::TAnchors value);
    bool ShowHint() const;
    void SetShowHint(bool value);
    QString Caption() const;
    void SetCaption(const QString& value);

    /// What screen readers see (TAccessibleButton): the caption as drawn, pressed while the left
    /// mouse button holds the button.
    QString AccessibleCaption() const override;
    bool Held() const override;

public Q_SLOTS:
    /// A click without the mouse: pressed(), released() with the button's latch on either side
    /// of it, OnClick and clicked(); nothing while disabled or held by the mouse.
    void click() override;

    /// Each property X has a setter named as Qt names them, setX, so that the code uic makes of
    /// a form written without stdset="0" compiles. Each does what the property's own setter
    /// does, but a refused value is reported as a warning naming the property and keeps the
    /// value, as a write through Qt's property system is, since no exception may cross Qt's
    /// frames. (The properties' WRITE accessors keep the toolkit's names, so that Qt Designer
    /// and the stored-layout writer go on saving them with stdset="0", through setProperty,
    /// which also takes a system colour's name and an identifier without its class.)
    ///@{
    void setName(const QString& value) noexcept;
    void setTag(int value) noexcept;
    void setLeft(int value) noexcept;
    void setTop(int value) noexcept;
    void setWidth(int value) noexcept;
    void setHeight(int value) noexcept;
    void setHint(const QString& value) noexcept;
    void setAlign(TarvoWidgets::TControlPlacement::TAlign value) noexcept;
    void setAnchors(TarvoWidgets::TControlPlacement::TAnchors value) noexcept;
    void setCaption(const QString& value) noexcept;
    void setShowHint(bool value) noexcept;
    ///@}

Q_SIGNALS:
    /// The toolkit's click event, with the button as sender.
    void OnClick(QObject* Sender);

    // Qt's button signals beside the toolkit's events (each button's header says where they
    // come among its own events).
    /// The left mouse button went down on the enabled button (or click() started).
    void pressed();
    /// The press ended: the left button was released, or the press was lost (the button hidden or
    /// disabled, the mouse taken by another widget); the latch and the click follow where the
    /// release was over the button.
    void released();
    /// The button was clicked: by the mouse (pressed and released over it), by click(), by the
    /// keyboard or by its accelerator; emitted after OnClick.
    void clicked();

    /// The change signal of the property of its name (CaptionChanged of Caption, …), emitted on a
    /// real change only, after the new value is in place.
    ///@{
    void TagChanged(int value);
    void AlignChanged(TarvoWidgets::TControlPlacement::TAlign value);
    void AnchorsChanged(TarvoWidgets::TControlPlacement::TAnchors value);
    void CaptionChanged(const QString& value);
    void ShowHintChanged(bool value);
    ///@}

protected:
    /// Starts a press of the left mouse button on the enabled, shown button: PressStarted, then
    /// pressed(). False when no press started, or when a handler freed the button.
    bool Press();
    /// Ends the press that the left button's release ends (byMouse) or that click() makes:
    /// PressReleasing, released(), PressReleased and, when inside, Click. False when a handler
    /// freed the button.
    bool ReleasePress(bool inside, bool byMouse);
    /// Ends a press whose release will never reach this button: it was hidden or disabled,
    /// another widget or a popup took the mouse, or leftHeld says the left button is up. Then
    /// released() and PressLost; true when such a press was ended.
    bool EndLostPress(bool leftHeld);

    /// The hooks of a press, each a button's own look of it; nothing by default.
    ///@{
    virtual void PressStarted() {}
    virtual void PressReleasing(bool inside, bool byMouse);
    virtual void PressReleased(bool inside, bool byMouse);
    virtual void PressLost() {}
    ///@}
    /// A new caption is in place (before CaptionChanged).
    virtual void CaptionSet() {}
    /// The click of a press that ended over the button: OnClick, then clicked().
    virtual void Click();

    /// Draws the style's focus frame (QStyle::PE_FrameFocusRect) around area while the button
    /// has the keyboard focus; a button calls it at the end of its painting.
    void DrawFocusFrame(QPainter& canvas, const QRect& area) const;

    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;
    /// With a focus policy: Space presses and its release clicks (click()'s order of signals,
    /// no mouse events), Return and Enter click; the focus lost ends Space's press unclicked.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    /// Align's write through Qt's property system: a refused value is told, never raised.
    void WriteAlign(TarvoWidgets::TControlPlacement::TAlign value) noexcept;

    friend class TCustomSpeedButton;
    std::unique_ptr<TCustomButtonPrivate> const d;
};

/// The button-pressed notification of a latching group: a button broadcasts it to every control
/// of its parent whenever its state in its group changes. A button whose group index matches
/// releases itself when the sender and it are both down, and takes the sender's AllowAllUp.
class TARVOWIDGETS_EXPORT TButtonPressedEvent : public TBroadcastEvent {
public:
    TButtonPressedEvent(int groupIndex, TCustomSpeedButton* sender)
        : TBroadcastEvent(EventType()), GroupIndex(groupIndex), Sender(sender) {}

    static QEvent::Type EventType();

    int GroupIndex;
    TCustomSpeedButton* Sender;
};

/// A button that latches down in a group and clicks on the accelerator of its caption: the
/// toolkit's speed button and the shine speed button, which form one group on one parent. With
/// a non-zero GroupIndex it latches; the buttons of one group are mutually exclusive, and with
/// AllowAllUp the down one may also be released by a click of its own.
class TARVOWIDGETS_EXPORT TCustomSpeedButton : public TCustomButton {
    Q_OBJECT
    /// The latching group: 0 (the default) for none; buttons of one parent with the same non-zero
    /// index are mutually exclusive, and a button of a group stays down when clicked.
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex NOTIFY GroupIndexChanged)
    Q_CLASSINFO("Default:GroupIndex", "0")
    /// Whether the down button of the group may be released by a click of its own, leaving all the
    /// group's buttons up (false by default). Setting it sets it for the whole group.
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp NOTIFY AllowAllUpChanged)
    Q_CLASSINFO("Default:AllowAllUp", "false")
    /// Whether the button is latched down; only a button of a group (GroupIndex not 0) goes down,
    /// and toggled() follows every change. Declared after GroupIndex and AllowAllUp, so that a
    /// stored layout that reads them in this order lets a grouped button go down.
    Q_PROPERTY(bool Down READ Down WRITE SetDown NOTIFY toggled)
    Q_CLASSINFO("Default:Down", "false")
    Q_CLASSINFO("Default:Caption", "")

public:
    explicit TCustomSpeedButton(QWidget* owner = nullptr);
    ~TCustomSpeedButton() override;

    int GroupIndex() const;
    /// A new index publishes the button's status to the new group. A down button keeps Down,
    /// as the toolkit's setter does, also when it leaves its group (index 0); it then stays a
    /// checked button to screen readers until SetDown(false) releases it.
    void SetGroupIndex(int value);
    bool AllowAllUp() const;
    /// Publishes the status, so the whole group follows.
    void SetAllowAllUp(bool value);
    bool Down() const;
    /// Going down publishes the status, which releases the group's other down button. Ignored
    /// for going down outside a group, and for releasing the down button of a group without
    /// AllowAllUp (another button of the group releases it; outside a group SetDown does).
    void SetDown(bool value);

    /// What screen readers see: the caption without its accelerator marker, checkable in a
    /// group, and the accelerator.
    QString AccessibleCaption() const override;
    bool Latching() const override;
    bool LatchedDown() const override;
    QKeySequence Accelerator() const override;

    /// Each property X has a setter named as Qt names them, setX, so that the code uic makes of
    /// a form written without stdset="0" compiles. Each does what the property's own setter
    /// does, but a refused value is reported as a warning naming the property and keeps the
    /// value, as a write through Qt's property system is, since no exception may cross Qt's
    /// frames. (The properties' WRITE accessors keep the toolkit's names, so that Qt Designer
    /// and the stored-layout writer go on saving them with stdset="0", through setProperty,
    /// which also takes a system colour's name and an identifier without its class.)
    ///@{
    void setGroupIndex(int value) noexcept;
    void setAllowAllUp(bool value) noexcept;
    void setDown(bool value) noexcept;
    ///@}

Q_SIGNALS:
    /// Follows every change of Down: by the mouse, SetDown, the accelerator, or the release by
    /// another button of the group.
    void toggled(bool down);
    /// GroupIndex changed, after the new value is in place.
    void GroupIndexChanged(int value);
    /// AllowAllUp changed, for this button or, through the group, for all of it.
    void AllowAllUpChanged(bool value);

protected:
    /// Down changed by SetDown, after the group heard of it and before toggled().
    virtual void LatchSet() {}
    /// Another button of the group released this one, before toggled(false).
    virtual void GroupReleased() {}
    /// The caption's accelerator was pressed and the button takes it: by default a click.
    virtual void AcceleratorPressed();
    /// Releases Down without the group's rules; true when it was down. The caller emits
    /// toggled(false) once its own state is in place.
    bool DropDown();

    void CaptionSet() override;

    bool event(QEvent* event) override;

private:
    /// Stores a new value of a group property, tells the group and emits its change signal.
    template <class T, class TSignal> void StorePublished(T& field, T value, TSignal changed);
    /// Tells every control of the parent this button's group status.
    void PublishGroupStatus();
    void ButtonPressed(const TButtonPressedEvent& notification);
    /// Whether the character is the caption's accelerator and the button can take it now.
    bool TakesDialogChar(QChar character) const;

    std::unique_ptr<TCustomSpeedButtonPrivate> const d;
};

} // namespace TarvoWidgets
