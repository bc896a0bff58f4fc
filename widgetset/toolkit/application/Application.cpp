// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/application/Application.h"

#include "toolkit/application/TerminationSignal.h"
#include "toolkit/base/ToolkitError.h"

#include <QMessageBox>
#include <QWindow>
#include <exception>
#include <utility>

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

// Shows a box again that its own frame minimised. On Wayland, where the compositor draws no
// frames (weston, GNOME), Qt draws the box's frame itself, with minimise and maximise buttons
// whatever the box's flags say; a minimised box is out of sight with no way back, and the
// window that it blocks looks frozen. Wayland has no request to bring a window back from
// minimised, so the box is hidden, which ends its modal run, and run again: shown anew, the
// compositor maps it above its owner. (On X the window manager honours the flags, and a box
// goes down with its owner when the owner is minimised, which is left alone.)
class TMinimisedBoxReturns : public QObject {
public:
    explicit TMinimisedBoxReturns(QWidget& box) : FBox(box) {}

    /// Whether the box's modal run ended only to show it again; clears the mark.
    bool ShowAgain() { return std::exchange(FShowAgain, false); }

protected:
    // The frame minimises the box's native window, which tells the window (windowStateChanged)
    // but not the widget; the native window is there once the box shows.
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !FWatching && FBox.windowHandle()) {
            FWatching = true;
            connect(FBox.windowHandle(), &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
                if (state == Qt::WindowMinimized && !FPending) {
                    FPending = true;
                    QMetaObject::invokeMethod(this, [this] { ShowAnew(); }, Qt::QueuedConnection);
                }
            });
        }
        return false;
    }

private:
    void ShowAnew()
    {
        FPending = false;
        if (!FBox.isVisible())
            return; // closed meanwhile
        FShowAgain = true;
        FBox.setWindowState(FBox.windowState() & ~Qt::WindowMinimized);
        FBox.hide();
    }

    QWidget& FBox;
    bool FWatching = false;
    bool FPending = false;
    bool FShowAgain = false;
};

} // namespace

struct TApplication::Private {
};

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , d(std::make_unique<Private>())
{
    // A SIGTERM ends the event loop, so that the program ends as it does when it is closed.
    new TTerminationSignal(this);
}

TApplication::~TApplication() = default;

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
    TMinimisedBoxReturns returns(box);
    if (platformName().startsWith(QLatin1String("wayland")))
        box.installEventFilter(&returns);
    int result = 0;
    do {
        result = box.exec();
    } while (returns.ShowAgain());
    return result;
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
