// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The services on Qt themselves: the pauses against real queued input, and the two boxes.
#include "platform/QtServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLibrary>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <ctime>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

// A window that notes its paints and the keys it is given.
class TProbe : public QWidget {
public:
    int Paints = 0;
    QStringList Keys;

protected:
    void paintEvent(QPaintEvent*) override { ++Paints; }
    void keyPressEvent(QKeyEvent* event) override { Keys << event->text(); }
};

// A key typed on the keyboard: queued by the window system, as X delivers it, not sent.
void Type(QWindow* window, Qt::Key key, const QString& text)
{
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            window, type, key, Qt::NoModifier, text);
}

struct TBoxSeen {
    QString Title, Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QStringList Buttons;
    QPoint Centre;
    QWidget* Owner = nullptr;
    QWindow* TransientParent = nullptr;
    Qt::WindowModality Modality = Qt::NonModal;
    Qt::WindowFlags Flags;
};

// Runs show, which opens a modal box; notes what the box shows and presses its first button.
TBoxSeen SeeBox(const std::function<void()>& show)
{
    TBoxSeen seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        seen.Title = box->windowTitle();
        seen.Text = box->text();
        seen.Icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.Buttons << (box->standardButton(button) == QMessageBox::Ok ? QStringLiteral("OK") : button->text());
        seen.Centre = box->frameGeometry().center();
        seen.Owner = box->parentWidget();
        seen.TransientParent = box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
        seen.Modality = box->windowModality();
        seen.Flags = box->windowFlags();
        box->buttons().value(0)->click();
    });
    poll.start(10);
    show();
    return seen;
}

} // namespace

TEST(QtServices, SleepHoldsInputBackInOrderWhileTheWindowPaints)
{
    TProbe probe;
    probe.resize(100, 100);
    probe.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&probe));
    Type(probe.windowHandle(), Qt::Key_A, QStringLiteral("a"));
    Type(probe.windowHandle(), Qt::Key_B, QStringLiteral("b"));
    probe.update();
    const int paints = probe.Paints;
    TQtServices services;
    services.Sleep(30);
    EXPECT_GT(probe.Paints, paints) << "the window paints during the pause";
    EXPECT_TRUE(probe.Keys.isEmpty()) << "no input is handled during the pause";
    EXPECT_TRUE(QTest::qWaitFor([&] { return probe.Keys.size() == 2; }, 5000));
    EXPECT_EQ(probe.Keys, (QStringList{QStringLiteral("a"), QStringLiteral("b")})) << "afterwards, in order";
}

TEST(QtServices, WaitForMessagesReturnsOnceAnEventIsHandled)
{
    TQtServices services;
    TProbe probe;
    probe.resize(100, 100);
    probe.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&probe));
    QCoreApplication::processEvents();
    Type(probe.windowHandle(), Qt::Key_C, QStringLiteral("c"));
    QElapsedTimer clock;
    clock.start();
    services.WaitForMessages(10000);
    EXPECT_EQ(probe.Keys, QStringList{QStringLiteral("c")}) << "input is handled in the wait";
    EXPECT_LT(clock.elapsed(), 5000) << "it returned at the key, not at the end of its 10 s";
}

// Waiting with nothing to handle costs no CPU: a loop that polls would use the processor for
// the whole half second (or its share of a busy machine).
TEST(QtServices, WaitForMessagesWaitsWithoutSpinning)
{
    TQtServices services;
    QCoreApplication::processEvents();
    QElapsedTimer wall;
    const std::clock_t cpu = std::clock();
    wall.start();
    while (wall.elapsed() < 500)
        services.WaitForMessages(int(500 - wall.elapsed()));
    const double cpuMs = 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC;
    EXPECT_LT(cpuMs, 30.0) << "CPU used in 500 ms of waiting";
}

TEST(QtServices, TheBoxesShowTheApplicationTitleTheirIconAndOneOkButton)
{
    TQtServices services;
    const TBoxSeen message = SeeBox([&] { services.ShowMessage(QStringLiteral("  ふぁいと!!  ")); });
    EXPECT_EQ(message.Title, QStringLiteral("タルヴォ!!"));
    EXPECT_EQ(message.Text, QStringLiteral("  ふぁいと!!  ")) << "blanks kept";
    EXPECT_EQ(message.Icon, QMessageBox::NoIcon);
    EXPECT_EQ(message.Buttons, QStringList{QStringLiteral("OK")});
    const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((message.Centre - screen).manhattanLength(), 4) << "centred on the screen";

    const TBoxSeen error = SeeBox([&] { services.ShowError(QStringLiteral("ファイル /x は開けません")); });
    EXPECT_EQ(error.Title, QStringLiteral("タルヴォ!!"));
    EXPECT_EQ(error.Text, QStringLiteral("ファイル /x は開けません.")) << "the closing full stop";
    EXPECT_EQ(error.Icon, QMessageBox::Critical);
    EXPECT_EQ(error.Buttons, QStringList{QStringLiteral("OK")});
}

// A box belongs to the game's window (X's transient-for, Wayland's parent surface): the window
// system keeps it above that window, which it blocks, and gives it no buttons of a window of
// its own. With the game's window not active (the pointer elsewhere), it still belongs to it.
TEST(QtServices, TheBoxesBelongToTheGamesWindowAndAreModalToIt)
{
    TQtServices services;
    QWidget game;
    game.resize(300, 200);
    game.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));
    const std::vector<std::pair<const char*, std::function<void()>>> boxes = {
        {"message", [&] { services.ShowMessage(QStringLiteral("ふぁいと!!")); }},
        {"error", [&] { services.ShowError(QStringLiteral("ファイル /x は開けません")); }},
    };
    for (bool active : {true, false}) {
        if (active) {
            game.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&game));
        } else {
            QApplication::setActiveWindow(nullptr);
        }
        for (const auto& [name, show] : boxes) {
            SCOPED_TRACE(std::string(name) + (active ? ", game active" : ", game not active"));
            const TBoxSeen seen = SeeBox(show);
            EXPECT_EQ(seen.Owner, &game);
            EXPECT_EQ(seen.TransientParent, game.windowHandle());
            EXPECT_NE(seen.Modality, Qt::NonModal);
            EXPECT_EQ(seen.Flags & Qt::WindowType_Mask, Qt::Dialog);
            EXPECT_FALSE(seen.Flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
            EXPECT_TRUE(seen.Flags & Qt::WindowCloseButtonHint);
        }
    }
    // With no window shown (an error at start-up) the box stands alone.
    game.hide();
    EXPECT_EQ(SeeBox(boxes[1].second).Owner, nullptr);
}

// A Wayland compositor raises the game's window over the box when it is clicked; the box must
// then come back on top (an activation request), or the game looks frozen behind it.
TEST(QtServices, AnActivationOfTheGamesWindowPassesToTheBox)
{
    TQtServices services;
    QWidget game;
    game.resize(300, 200);
    game.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&game));
    bool gameWasActivated = false, boxActiveAgain = false;
    QList<QWindow*> activated;
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &game, [&](QWindow* window) { activated << window; });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || QApplication::activeWindow() != box)
            return;
        poll.stop();
        activated.clear();
        game.activateWindow();   // what the compositor's raise on a click amounts to
        boxActiveAgain = QTest::qWaitFor(
            [&] { return activated.contains(game.windowHandle()) && QApplication::activeWindow() == box; }, 3000);
        gameWasActivated = activated.contains(game.windowHandle());
        box->buttons().value(0)->click();
    });
    poll.start(10);
    services.ShowMessage(QStringLiteral("ふぁいと!!"));
    EXPECT_TRUE(gameWasActivated) << "the test activated the game's window";
    EXPECT_TRUE(boxActiveAgain) << "the box took the activation back";
}

// The WAV player is loaded from beside the program at the first sound; the module the build
// puts there must offer it.
TEST(QtServices, TheSoundModuleBesideTheProgramOffersThePlayer)
{
    QLibrary module(qEnvironmentVariable("TARVO_BIN_DIR") + QStringLiteral("/tarvo-sound"));
    ASSERT_TRUE(module.load()) << module.errorString().toStdString();
    EXPECT_NE(module.resolve("TarvoPlaySound"), nullptr);
}
