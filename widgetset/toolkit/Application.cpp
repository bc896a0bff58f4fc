#include "toolkit/Application.h"

#include "toolkit/TerminationSignal.h"
#include "toolkit/ToolkitError.h"

#include <QMessageBox>
#include <exception>

namespace TarvoWidgets {

namespace {

// Passes an activation of the box's owner on to the box, after Qt has finished the activation
// change it is in.
class TActivationToBox : public QObject {
public:
    explicit TActivationToBox(QWidget& box) : FBox(box) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate && FBox.isVisible()) {
            QMetaObject::invokeMethod(
                &FBox, [box = &FBox] { if (box->isVisible()) box->activateWindow(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& FBox;
};

} // namespace

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
    QMessageBox box(QMessageBox::Critical, applicationDisplayName(), ErrorBoxText(CurrentExceptionMessage()),
                    QMessageBox::Ok, BoxOwner(), BoxFlags());
    ExecBox(box);
}

int TApplication::ExecBox(QMessageBox& box)
{
    TActivationToBox toBox(box);
    if (QWidget* owner = box.parentWidget())
        owner->installEventFilter(&toBox);
    return box.exec();
}

QWidget* TApplication::BoxOwner()
{
    if (QWidget* active = activeWindow())
        return active;
    const QWidgetList windows = topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && window->windowType() == Qt::Window)
            return window;
    }
    return nullptr;
}

Qt::WindowFlags TApplication::BoxFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
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
