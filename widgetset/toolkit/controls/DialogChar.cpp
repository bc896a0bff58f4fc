// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/controls/DialogChar_p.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <QWidget>

namespace TarvoWidgets {

QEvent::Type TDialogCharEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

bool DispatchDialogChar(QWidget* window, QChar character)
{
    // findChildren walks depth first, each parent's children in order. The list is taken as
    // guarded pointers: a control that declines runs no handler, but stays safe to skip.
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    QList<QPointer<QWidget>> order(widgets.begin(), widgets.end());
    for (const QPointer<QWidget>& widget : order) {
        if (!widget)
            continue;
        TDialogCharEvent offer(character);
        QCoreApplication::sendEvent(widget, &offer);
        if (offer.Taken)
            return true;
    }
    return false;
}

void TAccelerator::Follow(QWidget* owner, const QString& caption)
{
    for (int& id : FIds) {
        if (id)
            owner->releaseShortcut(id);
        id = 0;
    }
    FCharacter = QChar();
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    if (mnemonic.isEmpty())
        return;
    const QKeyCombination alt = mnemonic[0];
    FCharacter = QChar(alt.key());
    FIds[0] = owner->grabShortcut(QKeySequence(alt));
    FIds[1] = owner->grabShortcut(QKeySequence(alt.keyboardModifiers() | Qt::ShiftModifier | alt.key()));
}

QChar TAccelerator::CharacterOf(int shortcutId) const
{
    if (shortcutId != 0 && (shortcutId == FIds[0] || shortcutId == FIds[1]))
        return FCharacter;
    return QChar();
}

bool TAccelerator::HandleShortcut(QWidget* owner, QEvent* event) const
{
    if (event->type() != QEvent::Shortcut)
        return false;
    const QChar character = CharacterOf(static_cast<QShortcutEvent*>(event)->shortcutId());
    if (!character.isNull())
        DispatchDialogChar(owner->window(), character);
    return true;
}

} // namespace TarvoWidgets
