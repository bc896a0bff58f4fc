#pragma once

#include "toolkit/AccessibleButton.h"
#include "toolkit/Broadcast.h"
#include "toolkit/DialogChar.h"

#include <QWidget>

namespace TarvoWidgets {

class TSpeedButton;

/// The button-pressed notification of a latching group: a button broadcasts it to every control
/// of its parent whenever its state in its group changes. Any control may handle it; a control
/// whose group index matches releases itself when the sender and it are both down, and takes the
/// sender's AllowAllUp. The sender's Down and AllowAllUp are read from the sender itself.
class TButtonPressedEvent : public TBroadcastEvent {
public:
    TButtonPressedEvent(int groupIndex, TSpeedButton* sender)
        : TBroadcastEvent(EventType()), GroupIndex(groupIndex), Sender(sender) {}

    static QEvent::Type EventType();

    int GroupIndex;
    TSpeedButton* Sender;
};

/// The toolkit's speed button: a flat button that never takes the focus and, with a non-zero
/// GroupIndex, latches down. The buttons of one group on one parent are mutually exclusive;
/// with AllowAllUp the down one may also be released by a click of its own. Outside a group
/// (GroupIndex 0) it never stays down.
class TSpeedButton : public QWidget, public TAccessibleButton {
    Q_OBJECT
    /// The published properties with their published defaults (a stored layout leaves out a
    /// value equal to its default).
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex NOTIFY GroupIndexChanged)
    Q_CLASSINFO("Default:GroupIndex", "0")
    Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp NOTIFY AllowAllUpChanged)
    Q_CLASSINFO("Default:AllowAllUp", "false")
    /// After GroupIndex and AllowAllUp, so that a stored layout that reads them in this order
    /// lets a grouped button go down.
    Q_PROPERTY(bool Down READ Down WRITE SetDown NOTIFY toggled)
    Q_CLASSINFO("Default:Down", "false")
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption NOTIFY CaptionChanged)
    Q_CLASSINFO("Default:Caption", "")

public:
    /// The look: up, held by the mouse over it, latched down, disabled.
    enum TButtonState { bsUp, bsDown, bsExclusive, bsDisabled };

    explicit TSpeedButton(QWidget* parent = nullptr);

    int GroupIndex() const { return FGroupIndex; }
    /// A new index publishes the button's status to the new group.
    void SetGroupIndex(int value);
    bool Down() const { return FDown; }
    /// Going down publishes the status, which releases the group's other down button. Ignored
    /// outside a group, and for releasing the down button of a group without AllowAllUp.
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    /// Publishes the status, so the whole group follows.
    void SetAllowAllUp(bool value);
    QString Caption() const { return FCaption; }
    /// An ampersand underlines the next character, which becomes the button's accelerator
    /// (Alt and the character clicks it); "&&" shows one ampersand.
    void SetCaption(const QString& value);

    TButtonState State() const { return FState; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    /// What screen readers see (TAccessibleButton).
    QString AccessibleCaption() const override;
    bool Latching() const override { return FGroupIndex != 0; }
    bool LatchedDown() const override { return FDown; }
    QKeySequence Accelerator() const override;
    bool Held() const override { return FDragging && FState == bsDown; }

public slots:
    /// A click as the mouse makes it, with its signals and the latch; nothing while disabled.
    void click() override;

signals:
    void OnClick(QObject* Sender);

    /// Qt's button signals beside OnClick. A left press on the enabled button emits pressed();
    /// its release emits released() (also when the press is lost: hidden, mouse taken), then,
    /// over the button, the latch change and OnClick followed by clicked(). An accelerator
    /// emits OnClick and clicked() alone. toggled(bool) follows every change of Down, by the
    /// mouse, SetDown or the release by another button of the group.
    void pressed();
    void released();
    void clicked();
    void toggled(bool down);
    /// The change signals of the properties, emitted on a real change only.
    void GroupIndexChanged(int value);
    void AllowAllUpChanged(bool value);
    void CaptionChanged(const QString& value);

protected:
    /// Raises OnClick; the group has already been updated by then.
    virtual void Click();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    /// Sends this button's group status to every control of its parent.
    void UpdateExclusive();
    void ButtonPressed(const TButtonPressedEvent& notification);
    void MouseDown(const QPoint& at);
    /// The end of a press: released(), then, over the button, the latch and the click.
    void Release(bool inside);
    /// Ends a press whose release will never come (hidden, the mouse taken by another widget)
    /// and shows the latch as it is, without a click.
    void EndLostPress();
    /// Whether the character is the caption's accelerator and the button can take it now.
    bool TakesDialogChar(QChar character) const;

    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    QString FCaption;
    TButtonState FState = bsUp;
    bool FDragging = false; // the left button went down here and is still held
    TAccelerator FAccelerator; // the window shortcuts of the caption's accelerator
};

} // namespace TarvoWidgets
