#include "Application.h"

#include "Services.h"
#include "ToolkitError.h"

TApplication::TApplication(int& argc, char** argv, TServices& services)
    : QApplication(argc, argv), FServices(services)
{
}

void TApplication::ShowCurrentException(TServices& services)
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

void TApplication::HandleException() noexcept
{
    try {
        if (auto* application = qobject_cast<TApplication*>(QCoreApplication::instance())) {
            ShowCurrentException(application->Services());
            return;
        }
        try {
            throw;
        } catch (const std::exception& error) {
            qCritical("%s", error.what());
        } catch (...) {
            qCritical("an error of unknown kind in an event handler");
        }
    } catch (...) {
        // The error box itself failed (out of memory, most likely): nothing is left to show it.
        qCritical("the error box could not be shown");
    }
}
