// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/controls/Timer.h"

#include "toolkit/application/ErrorBoundary.h"

namespace TarvoWidgets {

TTimer::TTimer(QObject* owner)
    : QObject(owner)
{
    // A tick handler may raise (the fade button painting without a parent): the error ends
    // that tick at our side of the timer and goes to the error box.
    connect(&FTicker, &QTimer::timeout, this, [this] { RunGuarded([this] { Q_EMIT OnTimer(this); }); });
    UpdateTimer();
}

void TTimer::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(int value)
{
    if (value == FInterval)
        return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    FTicker.stop();
    // QTimer would tick at every pass of the event loop with an interval of 0.
    if (FEnabled && FInterval > 0)
        FTicker.start(FInterval);
}

} // namespace TarvoWidgets
