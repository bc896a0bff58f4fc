// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/controls/Broadcast.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace TarvoWidgets {

long long Broadcast(QWidget* parent, TBroadcastEvent& notification)
{
    if (!parent)
        return 0;
    // A receiver may add or remove siblings while it handles the notification: walk a copy
    // and skip the ones that are gone.
    QList<QPointer<QWidget>> controls;
    for (QObject* child : parent->children())
        if (child->isWidgetType())
            controls.append(static_cast<QWidget*>(child));
    for (const QPointer<QWidget>& control : controls) {
        if (!control)
            continue;
        QCoreApplication::sendEvent(control, &notification);
        if (notification.Result != 0)
            break;
    }
    return notification.Result;
}

} // namespace TarvoWidgets
