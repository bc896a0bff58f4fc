// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/application/Application.h"

class TServices;

// The game's application object: the toolkit's default error handler shows its error box
// through the game's services, so tests see it on their services double.
class TGameApplication : public TarvoWidgets::TApplication {
    Q_OBJECT
public:
    TGameApplication(int& argc, char** argv, TServices& services);

    // The services the default handler shows its error box with.
    TServices& Services() const { return FServices; }

    // Shows the error box for the exception being handled (call from a catch block): the
    // toolkit error's message; any other kind of error shows with an empty message.
    static void ShowCurrentException(TServices& services);

    void ShowException() override;

private:
    TServices& FServices;
};
