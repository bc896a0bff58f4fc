// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QEvent>

class QWidget;

namespace TarvoWidgets {

/// A notification that a control sends to every control of its parent (the toolkit's
/// broadcast): an event of a registered type with a result. A receiver that sets Result to a
/// non-zero value ends the broadcast there.
class TARVOWIDGETS_EXPORT TBroadcastEvent : public QEvent {
public:
    explicit TBroadcastEvent(QEvent::Type type) : QEvent(type) {}
    long long Result = 0;
};

/// Sends the notification to each child widget of parent (shown or hidden, the sender among
/// them) in the order they were added, until one sets a non-zero Result. Returns that Result.
TARVOWIDGETS_EXPORT long long Broadcast(QWidget* parent, TBroadcastEvent& notification);

} // namespace TarvoWidgets
