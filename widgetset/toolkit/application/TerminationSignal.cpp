// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/application/TerminationSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace TarvoWidgets {

struct TTerminationSignal::Private {
    std::unique_ptr<QSocketNotifier> FNotifier;
    bool FInstalled = false;
};


namespace {

// [0] is written by the handler, [1] read by the event loop.
int Pipe[2] = {-1, -1};
struct sigaction FormerAction {};

extern "C" void OnTerminate(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(Pipe[0], &byte, 1);
    errno = saved;
}

} // namespace

TTerminationSignal::TTerminationSignal(QObject* parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    if (Pipe[0] >= 0) {
        qWarning("SIGTERM is already handled by another object");
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, Pipe) != 0) {
        Pipe[0] = Pipe[1] = -1;
        qWarning("SIGTERM will end the program at once: no socket pair");
        return;
    }
    d->FNotifier = std::make_unique<QSocketNotifier>(Pipe[1], QSocketNotifier::Read);
    connect(d->FNotifier.get(), &QSocketNotifier::activated, this, &TTerminationSignal::Received);
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    d->FInstalled = ::sigaction(SIGTERM, &action, &FormerAction) == 0;
}

TTerminationSignal::~TTerminationSignal()
{
    if (!d->FNotifier)
        return;
    if (d->FInstalled)
        ::sigaction(SIGTERM, &FormerAction, nullptr);
    d->FNotifier.reset();
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}

void TTerminationSignal::Received()
{
    char bytes[16];
    while (::read(Pipe[1], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::exit(0);
}

} // namespace TarvoWidgets
