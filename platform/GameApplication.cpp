// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/GameApplication.h"

#include "platform/Services.h"
#include "toolkit/base/ToolkitError.h"

using namespace TarvoWidgets;

using TarvoWidgets::EToolkitError;

TGameApplication::TGameApplication(int& argc, char** argv, TServices& services)
    : TApplication(argc, argv), FServices(services)
{
}

void TGameApplication::ShowCurrentException(TServices& services)
{
    try {
        throw;
    } catch (const EToolkitError& error) {
        services.ShowError(error.Message());
    } catch (...) {
        // An error that is not the toolkit's kind shows as an error with an empty message.
        services.ShowError(QString());
    }
}

void TGameApplication::ShowException()
{
    ShowCurrentException(FServices);
}
