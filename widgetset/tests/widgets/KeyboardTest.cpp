// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The fade and shine buttons from the keyboard: none by default (Qt::NoFocus, as the toolkit's
// windowless controls), and with a focus policy given by a program or a form: Tab reaches them,
// the style draws their focus frame, Space and Return click in the order of click(), and a
// latching button toggles. Keys go through the window, as the window system delivers them.
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"
#include "SignalLog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace TarvoWidgets;

namespace {

// A style that remembers the focus frames it was asked to draw, and for which widget.
class TFocusFrameStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        if (element == PE_FrameFocusRect)
            Frames.push_back({widget, option->rect});
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    mutable std::vector<std::pair<const QWidget*, QRect>> Frames;
};

// A window of a line edit, the buttons under test and another line edit, in this tab order.
class Keyboard : public testing::Test {
protected:
    Keyboard()
    {
        Host.setStyle(&Style);
        Before = new QLineEdit(&Host);
        Layout->addWidget(Before);
    }

    template <class TButton> TButton* Add(const char* name, Qt::FocusPolicy policy)
    {
        auto* button = new TButton(&Host);
        button->setObjectName(QString::fromLatin1(name));
        button->SetCaption(QString::fromLatin1(name));
        button->setFocusPolicy(policy);
        button->setStyle(&Style);
        Layout->addWidget(button);
        return button;
    }

    void Show()
    {
        After = new QLineEdit(&Host);
        Layout->addWidget(After);
        Host.show();
        Host.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Host));
        Before->setFocus();
    }

    void Tab() { QTest::keyClick(Host.windowHandle(), Qt::Key_Tab); }
    void Press(Qt::Key key) { QTest::keyPress(Host.windowHandle(), key); }
    void Release(Qt::Key key) { QTest::keyRelease(Host.windowHandle(), key); }

    TFocusFrameStyle Style;
    QWidget Host;
    QVBoxLayout* Layout = new QVBoxLayout(&Host);
    QLineEdit* Before = nullptr;
    QLineEdit* After = nullptr;
    TLog Log;
};

} // namespace

TEST_F(Keyboard, ByDefaultTabPassesTheButtonsBy)
{
    auto* fade = new TZRKFadeButton(&Host);
    auto* shine = new TShineSpeedButton(&Host);
    Layout->addWidget(fade);
    Layout->addWidget(shine);
    Show();
    EXPECT_EQ(fade->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(shine->focusPolicy(), Qt::NoFocus);
    Tab();
    EXPECT_TRUE(After->hasFocus());
}

TEST_F(Keyboard, WithAFocusPolicyTabReachesTheButtonsAndTheStyleDrawsTheirFocus)
{
    auto* fade = Add<TZRKFadeButton>("fade", Qt::TabFocus);
    auto* shine = Add<TShineSpeedButton>("shine", Qt::StrongFocus);
    Show();
    for (QWidget* button : std::vector<QWidget*>{fade, shine}) {
        SCOPED_TRACE(button->objectName().toStdString());
        const QImage unfocused = button->grab().toImage();
        Style.Frames.clear();
        Tab();
        ASSERT_TRUE(button->hasFocus());
        const QImage focused = button->grab().toImage();
        // The style's own focus frame, inside the button's edge, and only while it has the focus.
        ASSERT_FALSE(Style.Frames.empty());
        EXPECT_EQ(Style.Frames.back().first, button);
        EXPECT_TRUE(button->rect().adjusted(2, 2, -2, -2).contains(Style.Frames.back().second));
        EXPECT_NE(focused, unfocused);
    }
    Tab();
    EXPECT_TRUE(After->hasFocus());
    Style.Frames.clear();
    shine->grab();
    EXPECT_TRUE(Style.Frames.empty());
}

TEST_F(Keyboard, SpaceAndReturnClickTheFadeButtonAsClickDoesWithoutMouseEvents)
{
    auto* fade = Add<TZRKFadeButton>("f", Qt::TabFocus);
    Show();
    LogPressAndClick(fade, Log);
    Tab();
    ASSERT_TRUE(fade->hasFocus());

    Press(Qt::Key_Space);
    EXPECT_EQ(Log, (TLog{"f:pressed"}));
    Release(Qt::Key_Space);
    EXPECT_EQ(Log, (TLog{"f:pressed", "f:released", "f:OnClick", "f:clicked"}));

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        Log.clear();
        Press(key);
        Release(key);
        EXPECT_EQ(Log, (TLog{"f:pressed", "f:released", "f:OnClick", "f:clicked"})) << key;
    }

    // The focus taken away while Space holds it: released, no click.
    Log.clear();
    Press(Qt::Key_Space);
    After->setFocus();
    Release(Qt::Key_Space);
    EXPECT_EQ(Log, (TLog{"f:pressed", "f:released"}));
}

TEST_F(Keyboard, SpaceTogglesALatchingShineButtonInTheOrderOfClick)
{
    auto* a = Add<TShineSpeedButton>("a", Qt::TabFocus);
    auto* b = Add<TShineSpeedButton>("b", Qt::TabFocus);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    Show();
    for (auto* button : {a, b})
        LogPressAndClick(button, Log);
    Tab();
    Tab();
    ASSERT_TRUE(b->hasFocus());
    const QImage up = b->grab().toImage();

    Press(Qt::Key_Space);
    // Held by Space: the pressed look, as held by the mouse.
    EXPECT_NE(b->grab().toImage(), up);
    Release(Qt::Key_Space);
    EXPECT_EQ(Log, (TLog{"b:pressed", "a:toggled(0)", "b:toggled(1)", "b:released", "b:OnClick", "b:clicked"}));
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());

    // Return on the down button of an exclusive group: a click, no toggle.
    Log.clear();
    Press(Qt::Key_Return);
    EXPECT_EQ(Log, (TLog{"b:pressed", "b:released", "b:OnClick", "b:clicked"}));
    Release(Qt::Key_Return);
}

TEST_F(Keyboard, AnUngroupedShineButtonLooksAsBeforeOnceSpaceIsReleased)
{
    auto* shine = Add<TShineSpeedButton>("s", Qt::TabFocus);
    Show();
    Tab();
    ASSERT_TRUE(shine->hasFocus());
    const QImage up = shine->grab().toImage();
    QSignalSpy clicks(shine, &TShineSpeedButton::clicked);
    Press(Qt::Key_Space);
    EXPECT_NE(shine->grab().toImage(), up);
    Release(Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(shine->grab().toImage(), up);
}

TEST_F(Keyboard, AClickHandlerMayFreeTheButton)
{
    QPointer<TZRKFadeButton> fade = Add<TZRKFadeButton>("f", Qt::TabFocus);
    QObject::connect(fade, &TZRKFadeButton::clicked, fade, [&] { delete fade; });
    Show();
    Tab();
    Press(Qt::Key_Space);
    Release(Qt::Key_Space);
    EXPECT_TRUE(fade.isNull());
    EXPECT_TRUE(Host.isVisible());
}
