// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "screens/BossForm1.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs whileShown inside the modal showing of the boss screen. A showing that the test fails
// to end is ended after a deadline, so a broken close fails the test instead of hanging it.
bool ShowBoss(TBossForm1& boss, const std::function<void()>& whileShown)
{
    bool ranInside = false;
    bool timedOut = false;
    QTimer::singleShot(0, &boss, [&] {
        ranInside = boss.isVisible();
        whileShown();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &boss, [&] {
        timedOut = true;
        boss.reject();
    });
    deadline.start(10000);
    boss.ShowModalFullScreen();
    EXPECT_TRUE(ranInside) << "the test ran inside the modal showing";
    return !timedOut;
}

} // namespace

TEST(BossForm1, LooksLikeABasicStartUpScreen)
{
    TBossForm1 boss;
    EXPECT_FALSE(boss.isVisible()) << "created hidden";
    EXPECT_TRUE(boss.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(boss.windowTitle(), QStringLiteral("BossForm1"));
    EXPECT_EQ(boss.size(), QSize(694, 486));
    EXPECT_EQ(boss.Memo1->toPlainText().split(QLatin1Char('\n')),
              (QStringList{QStringLiteral("BRAMEL N-BASIC Version 2.4"), QStringLiteral("Copyright (C) 1987 by BRAMEL"),
                           QStringLiteral("30540 Bytes Free"), QString(), QStringLiteral("Ready")}));
    EXPECT_FALSE(boss.Memo1->isReadOnly());
    EXPECT_EQ(boss.Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(boss.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(boss.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(boss.Memo1->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(boss.Memo1->font().pixelSize(), 20);
    EXPECT_TRUE(boss.Memo1->font().bold());
    EXPECT_TRUE(boss.Memo1->font().families().contains(QStringLiteral("IPAGothic")));

    boss.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&boss));
    EXPECT_EQ(boss.Memo1->geometry(), boss.rect()) << "the memo fills the window";
    const QImage shot = boss.grab().toImage();
    EXPECT_EQ(shot.pixelColor(boss.width() - 5, boss.height() - 5), QColor(Qt::black));
    int white = 0;
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 24; ++y)
            white += shot.pixelColor(x, y).lightness() > 200;
    EXPECT_GT(white, 50) << "white text on the first line";
    boss.hide();
}

TEST(BossForm1, IsModalAndFullScreenUntilItsTextIsDoubleClicked)
{
    QWidget mainWindow;
    mainWindow.show();
    TBossForm1 boss;
    bool modal = false, fullScreen = false, focused = false;
    const bool closed = ShowBoss(boss, [&] {
        modal = QApplication::activeModalWidget() == &boss;
        fullScreen = boss.windowState() == Qt::WindowFullScreen && boss.windowHandle()
                     && boss.windowHandle()->windowStates() == Qt::WindowFullScreen;
        focused = QTest::qWaitFor([&] { return boss.Memo1->hasFocus(); }, 5000);
        QTest::mouseDClick(boss.Memo1->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    });
    EXPECT_TRUE(closed) << "the double-click ends the modal showing";
    EXPECT_TRUE(modal);
    EXPECT_TRUE(fullScreen) << "full screen (over the panels), not maximised";
    EXPECT_TRUE(focused) << "the memo takes the keyboard focus";
    EXPECT_FALSE(boss.isVisible());
}

// The window system learns a window's application from the desktop file name (Wayland's app
// id) and sees the display name in every title: while the decoy shows, neither is the game's.
TEST(BossForm1, ShowsNothingThatNamesTheGameAndRestoresTheGamesIdentity)
{
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvo"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("タルヴォ!!"));
    TBossForm1 boss;
    QString appId, displayName;
    ASSERT_TRUE(ShowBoss(boss, [&] {
        appId = QGuiApplication::desktopFileName();
        displayName = QGuiApplication::applicationDisplayName();
        boss.close();
    }));
    EXPECT_EQ(appId, TBossForm1::DecoyAppId);
    EXPECT_FALSE(appId.contains(QStringLiteral("tarvo"), Qt::CaseInsensitive));
    EXPECT_TRUE(displayName.isEmpty()) << qPrintable(displayName);
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("tarvo")) << "the game's own again after";
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("タルヴォ!!"));
}

TEST(BossForm1, KeepsTheTypedTextAndIgnoresEscape)
{
    TBossForm1 boss;
    bool stillShownAfterEscape = false;
    ASSERT_TRUE(ShowBoss(boss, [&] {
        boss.Memo1->moveCursor(QTextCursor::End);
        QTest::keyClick(boss.Memo1, Qt::Key_Return);
        QTest::keyClicks(boss.Memo1, QStringLiteral("LOAD \"GAME\""));
        QTest::keyClick(boss.Memo1, Qt::Key_Escape);
        stillShownAfterEscape = boss.isVisible();
        boss.close();   // the window system's close command
    }));
    EXPECT_TRUE(stillShownAfterEscape);
    EXPECT_FALSE(boss.isVisible());

    QString textOnSecondShowing;
    ASSERT_TRUE(ShowBoss(boss, [&] {
        textOnSecondShowing = boss.Memo1->toPlainText();
        QTest::mouseDClick(boss.Memo1->viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    }));
    EXPECT_TRUE(textOnSecondShowing.endsWith(QStringLiteral("Ready\nLOAD \"GAME\""))) << qPrintable(textOnSecondShowing);
}
