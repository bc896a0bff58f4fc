#pragma once

#include <QApplication>

class TServices;

// The application object, which holds the toolkit's default error handler: an error raised in
// an event handler is shown in the error box and the program goes on. The handler is reached
// from our own entry points (ErrorBoundary.h), never from notify: Qt does not support an
// exception unwinding through its event dispatch, which leaks the event being delivered and
// can leave Qt's own state half-updated.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv, TServices& services);

    // The services the default handler shows its error box with.
    TServices& Services() const { return FServices; }

    // Shows the error box for the exception being handled (call from a catch block).
    static void ShowCurrentException(TServices& services);

    // The default handler for the exception being handled (call from a catch block). With an
    // application object that is not ours (a program using only the widget set), the error's
    // text goes to Qt's message log instead. Never raises: it runs where nothing may.
    static void HandleException() noexcept;

private:
    TServices& FServices;
};
