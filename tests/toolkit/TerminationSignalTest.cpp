#include "toolkit/application/TerminationSignal.h"

#include <QCoreApplication>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

// Runs the event loop until something exits it: the signal ends it with 0, the deadline with 99.
int LoopAfter(void (*action)())
{
    QTimer::singleShot(0, action);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    return QCoreApplication::exec();
}

} // namespace

TEST(TerminationSignal, EndsTheEventLoopAsAnOrdinaryExitAndGivesTheSignalBackAfterwards)
{
    struct sigaction before {};
    ASSERT_EQ(::sigaction(SIGTERM, nullptr, &before), 0);
    {
        TTerminationSignal handler;
        EXPECT_EQ(LoopAfter([] { std::raise(SIGTERM); }), 0);
    }
    struct sigaction action {};
    ASSERT_EQ(::sigaction(SIGTERM, nullptr, &action), 0);
    EXPECT_EQ(action.sa_handler, before.sa_handler);
}
