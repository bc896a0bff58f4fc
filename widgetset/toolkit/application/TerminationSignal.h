// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QObject>
#include <memory>

namespace TarvoWidgets {

/// Ends the program's event loops when the process gets SIGTERM (a logout, a service stop,
/// `kill`), so that main returns and its windows are taken down as in a normal end: the widgets'
/// saves at destruction (a history box's) then run. The default action of SIGTERM would end the
/// process at once and lose them.
///
/// A signal handler may do next to nothing: it writes one byte into a socket pair, and the
/// event loop, watching the other end, calls QCoreApplication::exit(0) as an ordinary event.
/// One object at a time per process; the handler that was there before comes back when it goes.
/// TApplication makes one, so every program of ours has it.
class TARVOWIDGETS_EXPORT TTerminationSignal : public QObject {
    Q_OBJECT
public:
    explicit TTerminationSignal(QObject* parent = nullptr);
    ~TTerminationSignal() override;

private:
    void Received();


private:
    struct Private;
    std::unique_ptr<Private> const d;
};

} // namespace TarvoWidgets
