// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The buttons as a screen reader finds them through Qt's accessibility: role, name, states and
// the press action.
#include "toolkit/controls/SpeedButton.h"
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

QAccessibleInterface* Accessible(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(accessible, nullptr);
    return accessible;
}

// Presses the button through its accessible action, as a screen reader does.
void PressAsScreenReader(QWidget* widget)
{
    QAccessibleActionInterface* actions = Accessible(widget)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
}

TEST(ButtonAccessibility, EachButtonIsAPushButtonNamedByItsCaptionWithoutTheAcceleratorMarker)
{
    QWidget host;
    auto* fade = new TZRKFadeButton(&host);
    fade->SetCaption(QStringLiteral("もっと!"));
    auto* shine = new TShineSpeedButton(&host);
    shine->SetCaption(QStringLiteral("&Open && close"));
    auto* speed = new TSpeedButton(&host);
    speed->SetCaption(QStringLiteral("Sa&ve"));
    const std::pair<QWidget*, QString> cases[] = {
        {fade, QStringLiteral("もっと!")}, {shine, QStringLiteral("Open & close")}, {speed, QStringLiteral("Save")}};
    for (const auto& [widget, name] : cases) {
        SCOPED_TRACE(widget->metaObject()->className());
        QAccessibleInterface* accessible = Accessible(widget);
        EXPECT_EQ(accessible->role(), QAccessible::Button);
        EXPECT_EQ(accessible->text(QAccessible::Name), name);
        EXPECT_FALSE(accessible->state().checkable);
        // A name given by the program wins, as for Qt's buttons.
        widget->setAccessibleName(QStringLiteral("given"));
        EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("given"));
    }
    EXPECT_EQ(Accessible(shine)->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
              QStringList{QKeySequence(Qt::ALT | Qt::Key_O).toString(QKeySequence::NativeText)});
}

TEST(ButtonAccessibility, ThePressActionClicksAndALatchingButtonIsCheckableAndChecked)
{
    QWidget host;
    auto* fade = new TZRKFadeButton(&host);
    auto* shine = new TShineSpeedButton(&host);
    auto* speed = new TSpeedButton(&host);
    QSignalSpy fadeClicks(fade, &TZRKFadeButton::OnClick);
    PressAsScreenReader(fade);
    EXPECT_EQ(fadeClicks.count(), 1);

    // The shine and speed buttons of one group: pressing one latches it and releases the other.
    shine->SetGroupIndex(1);
    speed->SetGroupIndex(1);
    QSignalSpy shineClicks(shine, &TShineSpeedButton::OnClick);
    QSignalSpy speedClicks(speed, &TSpeedButton::OnClick);
    PressAsScreenReader(shine);
    EXPECT_EQ(shineClicks.count(), 1);
    EXPECT_TRUE(Accessible(shine)->state().checkable);
    EXPECT_TRUE(Accessible(shine)->state().checked);
    PressAsScreenReader(speed);
    EXPECT_EQ(speedClicks.count(), 1);
    EXPECT_TRUE(Accessible(speed)->state().checked);
    EXPECT_FALSE(Accessible(shine)->state().checked);
    EXPECT_TRUE(Accessible(shine)->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
}

TEST(ButtonAccessibility, ADisabledButtonSaysSoAndOffersNoPress)
{
    QWidget host;
    for (QWidget* widget : {static_cast<QWidget*>(new TZRKFadeButton(&host)), static_cast<QWidget*>(new TShineSpeedButton(&host)),
                            static_cast<QWidget*>(new TSpeedButton(&host))}) {
        SCOPED_TRACE(widget->metaObject()->className());
        widget->setEnabled(false);
        QAccessibleInterface* accessible = Accessible(widget);
        EXPECT_TRUE(accessible->state().disabled);
        EXPECT_FALSE(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_FALSE(widget->property("Down").toBool());
    }
}

TEST(ButtonAccessibility, AButtonHeldByTheMouseIsPressed)
{
    QWidget host;
    host.resize(200, 60);
    auto* fade = new TZRKFadeButton(&host);
    fade->setGeometry(0, 0, 100, 25);
    auto* shine = new TShineSpeedButton(&host);
    shine->move(110, 0);
    auto* speed = new TSpeedButton(&host);
    speed->move(140, 0);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    for (QWidget* widget : {static_cast<QWidget*>(fade), static_cast<QWidget*>(shine), static_cast<QWidget*>(speed)}) {
        SCOPED_TRACE(widget->metaObject()->className());
        EXPECT_FALSE(Accessible(widget)->state().pressed);
        QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_TRUE(Accessible(widget)->state().pressed);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_FALSE(Accessible(widget)->state().pressed);
    }
}

} // namespace
