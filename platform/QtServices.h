// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

#include <QElapsedTimer>
#include <memory>

class QWidget;

// The services on Qt: the program's implementation of TServices.
class TQtServices final : public TServices {
public:
    TQtServices();
    ~TQtServices() override;

    void Beep() override;
    void Sleep(int ms) override;
    std::int64_t TickCount() override;
    void ProcessMessages() override;
    void WaitForMessages(int ms) override;
    void PlaySound(const QString& fileName) override;
    void OpenUrl(const QString& url) override;
    QString ExecutablePath() override;
    void ShowMessage(const QString& text) override;
    void ShowError(const QString& text) override;

private:
    QElapsedTimer FClock;
    // The player in the sound module, once the first sound has loaded it.
    void (*FPlaySound)(const QString& absolutePath) = nullptr;
};
