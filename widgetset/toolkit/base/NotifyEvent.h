// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QObject;

namespace TarvoWidgets {

/// The toolkit's plain notification: one handler, bound to whatever object supplied it, called
/// with the object that changed as Sender. Empty means nobody listens.
using TNotifyEvent = std::function<void(QObject* Sender)>;

} // namespace TarvoWidgets
