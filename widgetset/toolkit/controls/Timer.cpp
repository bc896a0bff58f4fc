// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/controls/Timer.h"

#include "toolkit/application/ErrorBoundary.h"

#include <QTimer>

namespace TarvoWidgets {

struct TTimer::Private {
    QTimer FTicker;
    bool FEnabled = true;
    int FInterval = 1000;
};

TTimer::~TTimer() = default;

bool TTimer::Enabled() const
{
    return d->FEnabled;
}

int TTimer::Interval() const
{
    return d->FInterval;
}

TTimer::TTimer(QObject* owner)
    : QObject(owner)
    , d(std::make_unique<Private>())
{
    // A tick handler may raise (the fade button painting without a parent): the error ends
    // that tick at our side of the timer and goes to the error box.
    connect(&d->FTicker, &QTimer::timeout, this, [this] { RunGuarded([this] { Q_EMIT OnTimer(this); }); });
    UpdateTimer();
}

void TTimer::SetEnabled(bool value)
{
    if (value == d->FEnabled)
        return;
    d->FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(int value)
{
    if (value == d->FInterval)
        return;
    d->FInterval = value;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    d->FTicker.stop();
    // QTimer would tick at every pass of the event loop with an interval of 0.
    if (d->FEnabled && d->FInterval > 0)
        d->FTicker.start(d->FInterval);
}

} // namespace TarvoWidgets
