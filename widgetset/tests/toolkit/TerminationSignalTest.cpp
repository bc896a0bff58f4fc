// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
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

namespace {
void FormerHandler(int) {}
} // namespace

// A program that had its own action for SIGTERM gets that one back, mask and flags with it;
// the default action alone would not tell a kept action from a zeroed one.
TEST(TerminationSignal, GivesBackAFormerActionOfTheProgramsOwn)
{
    struct sigaction own {};
    own.sa_handler = FormerHandler;
    own.sa_flags = SA_RESTART;
    sigemptyset(&own.sa_mask);
    sigaddset(&own.sa_mask, SIGUSR2);
    // The application's own object gives its place up for the test's, and gets it back after.
    delete QCoreApplication::instance()->findChild<TTerminationSignal*>();
    ASSERT_EQ(::sigaction(SIGTERM, &own, nullptr), 0);
    {
        TTerminationSignal handler;
        struct sigaction during {};
        ASSERT_EQ(::sigaction(SIGTERM, nullptr, &during), 0);
        EXPECT_NE(during.sa_handler, &FormerHandler);
    }
    struct sigaction after {};
    struct sigaction initial {};
    initial.sa_handler = SIG_DFL;
    ASSERT_EQ(::sigaction(SIGTERM, &initial, &after), 0);
    EXPECT_EQ(after.sa_handler, &FormerHandler);
    EXPECT_TRUE(after.sa_flags & SA_RESTART);
    EXPECT_TRUE(sigismember(&after.sa_mask, SIGUSR2));
    new TTerminationSignal(QCoreApplication::instance());
}
