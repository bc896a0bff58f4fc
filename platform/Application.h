#pragma once

#include <QApplication>

class TServices;

// The application object. Its notify override is the toolkit's default error handler: an
// error escaping an event handler is shown in the error box and the program goes on. Qt never
// sees an exception unwind through its event loop.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv, TServices& services);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error box for the exception being handled (call from a catch block).
    static void ShowCurrentException(TServices& services);

private:
    TServices& FServices;
};
