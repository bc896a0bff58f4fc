#include "Application.h"

#include "Services.h"
#include "ToolkitError.h"

TApplication::TApplication(int& argc, char** argv, TServices& services)
    : QApplication(argc, argv), FServices(services)
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException(FServices);
        return true;
    }
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
