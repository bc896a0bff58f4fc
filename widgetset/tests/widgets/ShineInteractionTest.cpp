// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "WidgetInput.h"
#include "toolkit/controls/SpeedButton.h"
#include "widgets/ShineSpeedButton.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace TarvoWidgets;

// Draw states by name in failure messages.
void PrintTo(TShineSpeedButton::TShineButtonState state, std::ostream* out)
{
    static const char* const names[] = {"sbDownActive", "sbDown", "sbUpActive", "sbUp", "sbDisabled"};
    *out << (state < std::size(names) ? names[state] : "?");
}

namespace {

using B = TShineSpeedButton;

// The platform cannot tell the pointer's global position (Wayland) while it lives.
class TPointerPositionUnknown {
public:
    TPointerPositionUnknown() { TShineSpeedButton::SetPointerPositionKnown(false); }
    ~TPointerPositionUnknown() { TShineSpeedButton::SetPointerPositionKnown(true); }
};

// Swallows the leave notifications of the control it filters.
class TLeaveEater : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Leave; }
};

// A shown window with shine buttons at (10, 10), (40, 10) and (70, 10), and the events they
// raise in order, each as "<button>:<event>".
class ShineInteraction : public testing::Test {
protected:
    ShineInteraction()
    {
        Host.resize(200, 80);
        for (int i = 0; i < 3; ++i) {
            Buttons[i] = new B(&Host);
            Buttons[i]->setObjectName(QString::number(i));
            Buttons[i]->move(10 + 30 * i, 10);
            Record(Buttons[i]);
        }
        // The pointer starts outside the window, so that showing it enters nothing.
        QCursor::setPos(-1000, -1000);
        Host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Host));
        Host.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Host));
        PointerTo(&Host, {150, 70});
        Events.clear();
    }

    void Record(TShineSpeedButton* button)
    {
        const auto log = [this, button](const char* event) {
            return [this, button, event] { Events.push_back(button->objectName().toStdString() + ":" + event); };
        };
        QObject::connect(button, &B::OnMouseDown, &Host, log("down"));
        QObject::connect(button, &B::OnMouseUp, &Host, log("up"));
        QObject::connect(button, &B::OnClick, &Host, log("click"));
        QObject::connect(button, &B::OnDblClick, &Host, log("dblclick"));
        QObject::connect(button, &B::OnMouseEnter, &Host, log("enter"));
        QObject::connect(button, &B::OnMouseLeave, &Host, log("leave"));
    }

    // The pointer moves there with no button held, as the window system reports it.
    static void PointerTo(QWidget* widget, QPoint at)
    {
        QTest::mouseMove(widget, at);
    }

    // A click with the pointer resting over the button.
    void Click(QWidget* button)
    {
        PointerTo(button, {5, 5});
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    }

    // The pointer rests on Buttons[0], then jumps to the window's corner and the window system
    // drops the leave; runs the event loop until the button raises an event, at most for the
    // given milliseconds (RunUntil), and says whether it did.
    bool LoseTheLeave(int milliseconds)
    {
        PointerTo(Buttons[0], {5, 5});
        EXPECT_EQ(Buttons[0]->State(), B::sbUpActive);
        TLeaveEater eater;
        Buttons[0]->installEventFilter(&eater);
        Events.clear();
        QCursor::setPos(Host.mapToGlobal(QPoint(150, 70)));
        return RunUntil([&] { return !Events.empty(); }, milliseconds);
    }

    std::vector<bool> DownStates(std::initializer_list<TShineSpeedButton*> buttons)
    {
        std::vector<bool> down;
        for (auto* b : buttons)
            down.push_back(b->Down());
        return down;
    }

    using TLog = std::vector<std::string>;
    QWidget Host;
    B* Buttons[3] = {};
    TLog Events;
};

TEST_F(ShineInteraction, APressAndReleaseClicksAndLeavesTheHoverLook)
{
    PointerTo(Buttons[0], {5, 5});
    EXPECT_EQ(Buttons[0]->State(), B::sbUpActive);
    Events.clear();
    QTest::mousePress(Buttons[0], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Buttons[0]->State(), B::sbDownActive);
    QTest::mouseRelease(Buttons[0], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Events, (TLog{"0:down", "0:up", "0:click", "0:enter"}));
    EXPECT_EQ(Buttons[0]->State(), B::sbUpActive);
    EXPECT_FALSE(Buttons[0]->Down());
}

TEST_F(ShineInteraction, ADragOutShowsItUpAndBackInPressedAndAReleaseOutsideDoesNotClick)
{
    B* button = Buttons[0];
    PointerTo(button, {5, 5});
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(button, QPoint(100, 40));
    EXPECT_EQ(button->State(), B::sbUp);
    QTest::mouseMove(button, QPoint(6, 6));
    EXPECT_EQ(button->State(), B::sbDownActive);
    QTest::mouseMove(button, QPoint(100, 40));
    QCursor::setPos(button->mapToGlobal(QPoint(100, 40)));
    Events.clear();
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(100, 40));
    EXPECT_EQ(Events, (TLog{"0:up", "0:leave"}));
    EXPECT_EQ(button->State(), B::sbUp);
}

TEST_F(ShineInteraction, AnExclusiveGroupKeepsOneButtonDown)
{
    Buttons[0]->SetGroupIndex(1);
    Buttons[1]->SetGroupIndex(1);
    Buttons[0]->SetDown(true);
    Click(Buttons[1]);
    EXPECT_EQ(DownStates({Buttons[0], Buttons[1]}), (std::vector<bool>{false, true}));
    EXPECT_EQ(Buttons[0]->State(), B::sbUp);

    Events.clear();
    Click(Buttons[1]);
    EXPECT_EQ(DownStates({Buttons[0], Buttons[1]}), (std::vector<bool>{false, true}));
    EXPECT_EQ(Events, (TLog{"1:down", "1:up", "1:click", "1:enter"}));
    Buttons[1]->SetDown(false);
    EXPECT_TRUE(Buttons[1]->Down()) << "only another button of the group releases it";
    QTest::mousePress(Buttons[1], Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(Buttons[1], QPoint(50, 5));
    EXPECT_EQ(Buttons[1]->State(), B::sbDown) << "dragged off, a latched button shows down";
    QTest::mouseRelease(Buttons[1], Qt::LeftButton, {}, QPoint(50, 5));

    Buttons[2]->SetDown(true);
    EXPECT_FALSE(Buttons[2]->Down()) << "a button outside a group never goes down";
}

TEST_F(ShineInteraction, WithAllowAllUpAClickReleasesTheDownButtonAndTheSettingSpreads)
{
    auto* speed = new TSpeedButton(&Host);
    speed->SetGroupIndex(1);
    for (auto* b : Buttons)
        b->SetGroupIndex(1);
    Buttons[0]->SetAllowAllUp(true);
    EXPECT_TRUE(Buttons[1]->AllowAllUp());
    EXPECT_TRUE(Buttons[2]->AllowAllUp());
    EXPECT_TRUE(speed->AllowAllUp());

    Click(Buttons[1]);
    EXPECT_TRUE(Buttons[1]->Down());
    Click(Buttons[1]);
    EXPECT_FALSE(Buttons[1]->Down());

    speed->SetAllowAllUp(false);
    EXPECT_FALSE(Buttons[0]->AllowAllUp()) << "a speed button's setting reaches the shine buttons";
}

TEST_F(ShineInteraction, ShineAndSpeedButtonsOnOneParentFormOneGroup)
{
    auto* speed = new TSpeedButton(&Host);
    speed->move(120, 10);
    speed->show();
    speed->SetGroupIndex(1);
    Buttons[0]->SetGroupIndex(1);
    const int controls = Host.children().size();

    Click(Buttons[0]);
    EXPECT_TRUE(Buttons[0]->Down());
    speed->SetDown(true);
    EXPECT_FALSE(Buttons[0]->Down()) << "the speed button released the shine button";
    EXPECT_EQ(Buttons[0]->State(), B::sbUp);

    Click(Buttons[0]);
    EXPECT_TRUE(Buttons[0]->Down());
    EXPECT_FALSE(speed->Down()) << "the shine button's proxy released the speed button";
    EXPECT_EQ(Host.children().size(), controls) << "the proxy is gone again";
}

TEST_F(ShineInteraction, ALostLeaveIsCaughtByTheHoverTimer)
{
    EXPECT_TRUE(LoseTheLeave(2000));
    EXPECT_EQ(Events, (TLog{"0:leave"}));
    EXPECT_EQ(Buttons[0]->State(), B::sbUp);
}

// On Wayland QCursor::pos() is only the last position of an event the program saw; it is stale
// after the pointer has entered a window and rests. There the hover follows the button's own
// events: the watch keeps the light on while the pointer rests on the button whatever the
// global position says, a click on it leaves it lit, and the leave ends it.
TEST_F(ShineInteraction, WhereThePointerPositionIsUnknownTheHoverFollowsTheButtonsOwnEvents)
{
    const TPointerPositionUnknown wayland;
    B* button = Buttons[0];
    PointerTo(button, {5, 5});
    ASSERT_EQ(button->State(), B::sbUpActive);
    // The global position says the pointer is far away; no event of it reaches the button.
    TLeaveEater eater;
    button->installEventFilter(&eater);
    QCursor::setPos(-1000, -1000);
    QCoreApplication::processEvents();
    button->removeEventFilter(&eater);
    ASSERT_EQ(QCursor::pos(), QPoint(-1000, -1000));
    ASSERT_EQ(button->State(), B::sbUpActive);

    // The watch looks every 200 ms; it has looked at least once, and three times unless the
    // loop runs late, before a timer due at 650 ms.
    Events.clear();
    RunUntil([] { return false; }, 650);
    EXPECT_EQ(button->State(), B::sbUpActive) << "the hover watch kept the light on";
    EXPECT_TRUE(Events.empty());

    PointerTo(button, {6, 6});
    Events.clear();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(button->State(), B::sbUpActive) << "lit after a click on it";
    EXPECT_EQ(Events, (TLog{"0:down", "0:up", "0:click", "0:enter"}));

    PointerTo(&Host, {150, 70});
    EXPECT_EQ(button->State(), B::sbUp) << "the leave ends the light";
    EXPECT_EQ(Events.back(), "0:leave");
}

TEST_F(ShineInteraction, ALeaveWithoutAHoverOnlyRaisesOnMouseLeave)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Buttons[0], &leave);
    EXPECT_EQ(Events, (TLog{"0:leave"}));
    EXPECT_EQ(Buttons[0]->State(), B::sbUp);
    // The button does not take itself for hovered: the next enter lights it.
    PointerTo(Buttons[0], {5, 5});
    EXPECT_EQ(Buttons[0]->State(), B::sbUpActive);
}

TEST_F(ShineInteraction, ADisabledButtonIgnoresInputAndEnablingItUnderThePointerLightsIt)
{
    B* button = Buttons[0];
    button->setEnabled(false);
    PointerTo(button, {5, 5});
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    button->grab();
    EXPECT_EQ(button->State(), B::sbDisabled);

    // Enabling it finds the pointer over it, as the disabled button had not taken it for
    // hovered.
    button->setEnabled(true);
    EXPECT_EQ(button->State(), B::sbUpActive);
}

TEST_F(ShineInteraction, ClickDownHookShowsThePressedLookWhileTheClickRuns)
{
    Buttons[0]->SetClickDownHook(true);
    B::TShineButtonState during = B::sbDisabled;
    QObject::connect(Buttons[0], &B::OnClick, &Host, [&] { during = Buttons[0]->State(); });
    Buttons[0]->SetAccelCharDown(false);
    Buttons[0]->SetCaption(QStringLiteral("&Go"));
    PointerTo(&Host, {150, 70});
    QTest::keyClick(&Host, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(during, B::sbDownActive);
    EXPECT_EQ(Buttons[0]->State(), B::sbUp);
}

TEST_F(ShineInteraction, TheAcceleratorTogglesDownOnlyOnAGroupedButton)
{
    struct TCase {
        int GroupIndex;
        std::vector<bool> DownAfterEachKey;
    };
    for (const TCase& c : {TCase{1, {true, false}}, TCase{0, {false, false}}}) {
        B* button = Buttons[c.GroupIndex];
        button->SetGroupIndex(c.GroupIndex);
        button->SetAllowAllUp(true);
        button->SetAccelCharDown(true);
        button->SetCaption(QStringLiteral("Sa&ve"));
        QSignalSpy clicks(button, &B::OnClick);
        for (bool down : c.DownAfterEachKey) {
            QTest::keyClick(&Host, Qt::Key_V, Qt::AltModifier);
            EXPECT_EQ(button->Down(), down) << "group " << c.GroupIndex;
        }
        EXPECT_EQ(clicks.count(), 2) << "group " << c.GroupIndex;
        button->SetCaption(QString());
    }
}

TEST_F(ShineInteraction, ADoubleClickRaisesOnDblClickOnlyOnADownButton)
{
    struct TCase {
        int GroupIndex;
        TLog Expected;
    };
    for (const TCase& c : {TCase{1, {"click", "dblclick", "click"}}, TCase{0, {"click", "click"}}}) {
        B* button = Buttons[c.GroupIndex];
        button->SetGroupIndex(c.GroupIndex);
        PointerTo(button, {5, 5});
        Events.clear();
        // Qt's sequence for a double click: press, release, double click, release.
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
        TLog clicks;
        for (const std::string& e : Events)
            if (e.ends_with("click"))
                clicks.push_back(e.substr(e.find(':') + 1));
        EXPECT_EQ(clicks, c.Expected) << "group " << c.GroupIndex;
        EXPECT_TRUE(std::count(Events.begin(), Events.end(), button->objectName().toStdString() + ":down") == 2)
            << "downs and ups in pairs";
    }
}

TEST_F(ShineInteraction, WhileAnotherControlHoldsTheMouseTheButtonDoesNotLightUp)
{
    QWidget* other = new QWidget(&Host);
    other->setGeometry(150, 10, 20, 20);
    other->show();
    other->grabMouse();
    PointerTo(Buttons[0], {5, 5});
    Buttons[0]->setEnabled(false);
    Buttons[0]->setEnabled(true);
    EXPECT_EQ(Buttons[0]->State(), B::sbUp);

    // The button had not taken itself for hovered: the next move over it lights it.
    other->releaseMouse();
    PointerTo(Buttons[0], {6, 6});
    EXPECT_EQ(Buttons[0]->State(), B::sbUpActive);
}

// A press as the window system delivers it: through the window, so that Qt knows the button is
// held and gives the widget under the pointer the implicit grab.
void WindowPress(QWidget* widget, QPoint at = {5, 5})
{
    QTest::mousePress(widget->window()->windowHandle(), Qt::LeftButton, {}, widget->mapTo(widget->window(), at));
}
void WindowRelease(QWidget* widget, QPoint at = {5, 5})
{
    QTest::mouseRelease(widget->window()->windowHandle(), Qt::LeftButton, {}, widget->mapTo(widget->window(), at));
}

TEST_F(ShineInteraction, APressWhoseReleaseIsLostEndsWithoutAClickAndTheHoverRecovers)
{
    struct TCase {
        const char* Name;
        // Runs while the button is held on Buttons[0]; the release never reaches it.
        std::function<void()> Lose;
    };
    const TCase cases[] = {
        {"hidden and shown again",
         [this] {
             Buttons[0]->hide();
             Buttons[0]->show();
             WindowRelease(&Host, {150, 70});
             PointerTo(Buttons[0], {6, 6});
         }},
        {"another widget takes the mouse; then a move with no button held",
         [this] {
             QWidget* other = new QWidget(&Host);
             other->setGeometry(150, 40, 20, 20);
             other->show();
             other->grabMouse();
             WindowRelease(&Host, {150, 70});
             other->releaseMouse();
             delete other;
             PointerTo(Buttons[0], {6, 6});
         }},
        {"a menu opened by OnMouseDown takes the release and Escape closes it; the hover timer finds no button held",
         [this] {
             QMenu* menu = Host.findChild<QMenu*>();
             ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
             WindowRelease(Buttons[0]);
             QTest::keyClick(menu, Qt::Key_Escape);
             QTRY_VERIFY_WITH_TIMEOUT(!Buttons[0]->Held(), 2000);
             PointerTo(Buttons[0], {6, 6});
         }},
    };
    for (const TCase& c : cases) {
        B* button = Buttons[0];
        button->SetGroupIndex(1);
        Buttons[1]->SetGroupIndex(1);
        Buttons[1]->SetDown(true);
        QMenu menu(&Host);
        menu.addAction(QStringLiteral("Item"));
        if (std::string(c.Name).starts_with("a menu"))
            QObject::connect(button, &B::OnMouseDown, &menu, [&] { menu.popup(QCursor::pos()); });
        PointerTo(button, {5, 5});
        WindowPress(button);
        // A menu that the mouse-down opens takes the mouse at once: the press ends there.
        if (!std::string(c.Name).starts_with("a menu"))
            ASSERT_EQ(button->State(), B::sbDownActive) << c.Name;
        Events.clear();
        c.Lose();
        EXPECT_FALSE(button->Held()) << c.Name;
        EXPECT_FALSE(button->Down()) << c.Name;
        EXPECT_EQ(DownStates({Buttons[1]}), std::vector<bool>{true}) << c.Name << ": one button of the group down";
        EXPECT_EQ(std::count(Events.begin(), Events.end(), "0:click"), 0) << c.Name;
        // Drawn as it is: up, lit while the pointer is over it, and the hover works again.
        EXPECT_EQ(button->State(), B::sbUpActive) << c.Name;
        PointerTo(&Host, {150, 70});
        EXPECT_EQ(button->State(), B::sbUp) << c.Name;
        QObject::disconnect(button, &B::OnMouseDown, &menu, nullptr);
        Buttons[1]->SetAllowAllUp(true);
        Buttons[1]->SetDown(false);
        Buttons[1]->SetAllowAllUp(false);
    }
}

TEST_F(ShineInteraction, AButtonKeepsDownThroughItsContainersDisableAndEnable)
{
    QWidget* panel = new QWidget(&Host);
    panel->setGeometry(0, 40, 200, 40);
    auto* inside = new B(panel);
    auto* other = new B(panel);
    auto* speed = new TSpeedButton(panel);
    other->move(30, 0);
    speed->move(60, 0);
    for (auto* b : {inside, other})
        b->SetGroupIndex(1);
    speed->SetGroupIndex(2);
    inside->SetDown(true);
    speed->SetDown(true);
    panel->show();

    panel->setEnabled(false);
    EXPECT_EQ(inside->State(), B::sbDisabled);
    panel->setEnabled(true);
    EXPECT_TRUE(inside->Down());
    EXPECT_EQ(inside->State(), B::sbDown);
    EXPECT_TRUE(speed->Down()) << "as the toolkit speed button does";

    // The button's own Enabled still releases it, as the toolkit's control does.
    inside->setEnabled(false);
    inside->setEnabled(true);
    EXPECT_FALSE(inside->Down());
}

TEST_F(ShineInteraction, TheFirstControlWithAnAcceleratorTakesItEveryTimeInEitherCase)
{
    auto* speed = new TSpeedButton(&Host);
    speed->move(120, 10);
    speed->show();
    speed->SetCaption(QStringLiteral("&Go"));
    Buttons[0]->SetCaption(QStringLiteral("&Go"));
    Buttons[1]->SetCaption(QStringLiteral("&go"));
    QSignalSpy speedClicks(speed, &TSpeedButton::OnClick);
    for (Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::AltModifier), Qt::AltModifier | Qt::ShiftModifier})
        QTest::keyClick(&Host, Qt::Key_G, modifiers);
    EXPECT_EQ(Events, (TLog{"0:click", "0:click", "0:click"}));
    EXPECT_EQ(speedClicks.count(), 0);

    // A disabled first control passes it on to the next.
    Events.clear();
    Buttons[0]->setEnabled(false);
    QTest::keyClick(&Host, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(Events, (TLog{"1:click"}));
}

TEST_F(ShineInteraction, AGroupMessageReleasesADownButtonOnlyWhenItsSenderIsDown)
{
    // A button joining the group, or changing AllowAllUp, while up tells the group so; a down
    // button (a stored page's, say) stays down.
    struct TCase {
        const char* Name;
        bool ShineReceiver;
        bool ShineSender;
    };
    for (const TCase& c : {TCase{"shine hears shine", true, true}, TCase{"shine hears speed", true, false},
                           TCase{"speed hears shine", false, true}, TCase{"speed hears speed", false, false}}) {
        QWidget parent;
        QWidget* receiver = c.ShineReceiver ? static_cast<QWidget*>(new B(&parent)) : new TSpeedButton(&parent);
        QWidget* sender = c.ShineSender ? static_cast<QWidget*>(new B(&parent)) : new TSpeedButton(&parent);
        receiver->setProperty("GroupIndex", 1);
        receiver->setProperty("Down", true);
        ASSERT_TRUE(receiver->property("Down").toBool()) << c.Name;
        sender->setProperty("GroupIndex", 1);
        sender->setProperty("AllowAllUp", true);
        EXPECT_TRUE(receiver->property("Down").toBool()) << c.Name;
        sender->setProperty("Down", true);
        EXPECT_FALSE(receiver->property("Down").toBool()) << c.Name << ": a down sender releases it";
    }
}

// The watch starts at the enter. Qt fires a timer of the default kind at most 5% before its
// interval, and before a precise timer started later with a later timeout: a lost leave is
// caught between 190 and 300 ms after the enter.
TEST_F(ShineInteraction, TheHoverTimerLooksEvery200Milliseconds)
{
    QElapsedTimer sinceEnter;
    sinceEnter.start();
    EXPECT_TRUE(LoseTheLeave(300)) << "caught by 300 ms";
    EXPECT_GE(sinceEnter.elapsed(), 190) << "not before 200 ms";
    EXPECT_EQ(Events, (TLog{"0:leave"}));
}

} // namespace
