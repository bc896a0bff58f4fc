// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "tarvowidgets_export.h"

#include <QObject>
#include <memory>

namespace TarvoWidgets {

/// The toolkit's timer on Qt. Unlike a bare QTimer, an interval of 0 (or less) never ticks,
/// and enabling a timer that is already enabled leaves its phase alone instead of restarting
/// it. Enabled says whether the owner wants ticks; the ticks come only while it is enabled
/// with a positive interval.
class TARVOWIDGETS_EXPORT TTimer : public QObject {
    Q_OBJECT
public:
    /// Created enabled with an interval of 1000 ms, as the toolkit's timer is.
    explicit TTimer(QObject* owner = nullptr);
    ~TTimer() override;

    bool Enabled() const;
    void SetEnabled(bool value);
    int Interval() const;
    /// A new interval restarts a running timer from zero.
    void SetInterval(int value);

Q_SIGNALS:
    /// A tick: every Interval milliseconds while Enabled, with the timer as sender.
    void OnTimer(QObject* Sender);

private:
    void UpdateTimer();


private:
    struct Private;
    std::unique_ptr<Private> const d;
};

} // namespace TarvoWidgets
