#include "toolkit/Application.h"

#include "toolkit/TerminationSignal.h"
#include "toolkit/ToolkitError.h"

#include <QMessageBox>
#include <exception>

namespace TarvoWidgets {

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // A SIGTERM ends the event loop, so that the program ends as it does when it is closed.
    new TTerminationSignal(this);
}

QString TApplication::CurrentExceptionMessage()
{
    try {
        throw;
    } catch (const EToolkitError& error) {
        return error.Message();
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QString();
    }
}

void TApplication::ShowException()
{
    QMessageBox::critical(activeWindow(), applicationDisplayName(), ErrorBoxText(CurrentExceptionMessage()));
}

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void TApplication::HandleException() noexcept
{
    try {
        if (auto* application = qobject_cast<TApplication*>(QCoreApplication::instance())) {
            application->ShowException();
            return;
        }
        const QString message = CurrentExceptionMessage();
        qCritical("%s", message.isEmpty() ? "an error of unknown kind in an event handler" : qUtf8Printable(message));
    } catch (...) {
        // The error box itself failed (out of memory, most likely): nothing is left to show it.
        qCritical("the error box could not be shown");
    }
}

} // namespace TarvoWidgets
