// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QChar>
#include <QEvent>
#include <QString>

class QWidget;

namespace TarvoWidgets {

/// The toolkit's dialog-character message: Alt and a character are offered to the controls of
/// the window one by one, in order, until one takes it. So with two controls of the same
/// accelerator the first one takes it every time (Qt itself would hand an ambiguous shortcut to
/// each in turn). A control handles the event in its event() and sets Taken when the character
/// is its accelerator and it acted on it.
class TDialogCharEvent : public QEvent {
public:
    explicit TDialogCharEvent(QChar character) : QEvent(EventType()), Character(character) {}
    static QEvent::Type EventType();

    QChar Character;
    bool Taken = false;
};

/// Offers the character to every widget of window (window itself left out) in order: depth
/// first, each parent's children in their order. Stops at the first that takes it, and touches
/// nothing after that (its handler may have freed it). True when one took it.
bool DispatchDialogChar(QWidget* window, QChar character);

/// The window shortcuts of a caption's accelerator: Alt and the character, with and without
/// Shift, since the character is matched without regard to case.
class TAccelerator {
public:
    /// Registers the shortcuts of caption's accelerator for owner, releasing the previous ones.
    void Follow(QWidget* owner, const QString& caption);
    /// Handles a shortcut event that Qt gave owner: the window offers the accelerator character
    /// to its controls in order, and the first that takes it acts, whichever of them Qt picked
    /// (Qt delivers a shortcut only to an enabled control shown in the active window). True when
    /// event was a shortcut event; then it is done with, and owner may have been freed.
    bool HandleShortcut(QWidget* owner, QEvent* event) const;

private:
    /// The accelerator character of the shortcut id, or a null character when it is not ours.
    QChar CharacterOf(int shortcutId) const;

    int FIds[2] = {0, 0};
    QChar FCharacter;
};

} // namespace TarvoWidgets
