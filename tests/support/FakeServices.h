// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

#include <QStringList>
#include <algorithm>
#include <functional>
#include <map>

// The test double of the services: answers dialogs at once, runs a virtual clock that only
// Sleep and WaitForMessages advance, and records every call in order in Log, so a test can
// assert the exact beeps, pauses, sounds and texts of a whole match in milliseconds.
class TFakeServices : public TServices {
public:
    std::int64_t Clock = 0;
    QStringList Log;          // "beep", "sleep 50", "wait 500", "message <text>", ...
    QStringList Messages;     // texts of ShowMessage, in order
    QStringList Errors;       // texts of ShowError, in order (as passed, before the full stop rule)
    QStringList Sounds;       // file names given to PlaySound
    QStringList Urls;         // addresses given to OpenUrl
    QString ExePath = QStringLiteral("/opt/tarvo/tarvo");

    // Called on every WaitForMessages or ProcessMessages: a test's stand-in for input that
    // arrives while the caller lets events through. Runs after the clock has advanced.
    std::function<void()> OnPump;
    // Called while a message box is "up", before it is answered.
    std::function<void(const QString&)> OnMessage;

    // Events that arrive at a time of the virtual clock. WaitForMessages returns as soon as one
    // is due, having handled it, as the real one returns once it has handled an event; so a
    // caller that must wait a whole span has to wait again for the rest.
    std::multimap<std::int64_t, std::function<void()>> Arrivals;
    void Arrive(std::int64_t at, std::function<void()> event) { Arrivals.emplace(at, std::move(event)); }

    int Count(const QString& entry) const { return int(Log.count(entry)); }

    void Beep() override { Log << QStringLiteral("beep"); }
    void Sleep(int ms) override
    {
        Log << QStringLiteral("sleep %1").arg(ms);
        Clock += ms;
    }
    std::int64_t TickCount() override { return Clock; }
    void ProcessMessages() override
    {
        Log << QStringLiteral("pump");
        if (OnPump) OnPump();
    }
    void WaitForMessages(int ms) override
    {
        Log << QStringLiteral("wait %1").arg(ms);
        const std::int64_t deadline = Clock + std::max(ms, 0);
        if (!Arrivals.empty() && Arrivals.begin()->first <= deadline) {
            const auto first = Arrivals.begin();
            Clock = std::max(Clock, first->first);
            const std::function<void()> event = std::move(first->second);
            Arrivals.erase(first);
            event();
        } else {
            Clock = deadline;
        }
        if (OnPump) OnPump();
    }
    void PlaySound(const QString& fileName) override
    {
        Log << QStringLiteral("sound ") + fileName;
        Sounds << fileName;
    }
    void OpenUrl(const QString& url) override
    {
        Log << QStringLiteral("url ") + url;
        Urls << url;
    }
    QString ExecutablePath() override { return ExePath; }
    void ShowMessage(const QString& text) override
    {
        Log << QStringLiteral("message ") + text;
        Messages << text;
        if (OnMessage) OnMessage(text);
    }
    void ShowError(const QString& text) override
    {
        Log << QStringLiteral("error ") + text;
        Errors << text;
    }
};
