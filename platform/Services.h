// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>

// The operating-system and toolkit services that the game calls directly. The program uses
// TQtServices; tests use a double that records every call and runs a virtual clock, so a whole
// match with all its pauses runs in milliseconds.
class TServices {
public:
    virtual ~TServices() = default;

    // The simple system beep; returns at once.
    virtual void Beep() = 0;
    // Blocks the caller for ms milliseconds. No user input is handled meanwhile (it waits in
    // the queue, in order), but the window keeps painting.
    virtual void Sleep(int ms) = 0;
    // Milliseconds since some fixed point; never decreases.
    virtual std::int64_t TickCount() = 0;
    // Handles every pending event, input included, then returns.
    virtual void ProcessMessages() = 0;
    // Handles events as they arrive, input included, for at most ms milliseconds; returns
    // earlier once something was handled. Waits without spinning.
    virtual void WaitForMessages(int ms) = 0;
    // Plays a WAV file asynchronously; a missing or unplayable file plays nothing.
    virtual void PlaySound(const QString& fileName) = 0;
    // Opens a web address in the default browser without waiting for it.
    virtual void OpenUrl(const QString& url) = 0;
    // Full path of the running executable.
    virtual QString ExecutablePath() = 0;
    // The plain modal message box: the application title as caption, no icon, one OK button,
    // centred on the screen. Returns when it is closed.
    virtual void ShowMessage(const QString& text) = 0;
    // The error box: the text (with the closing full stop rule of the toolkit's ErrorBoxText), the
    // application title as caption, an error icon and one OK button.
    virtual void ShowError(const QString& text) = 0;
};
