// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/graphics/Color.h"
#include "toolkit/controls/SpeedButton.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

using namespace TarvoWidgets;

namespace {

// A control of another kind that takes part in the group protocol: it records what reached it.
class TForeignSibling : public QWidget {
public:
    using QWidget::QWidget;
    struct TSeen {
        int GroupIndex;
        bool SenderDown;
        bool SenderAllowAllUp;
    };
    std::vector<TSeen> Seen;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == TButtonPressedEvent::EventType()) {
            const auto& pressed = static_cast<const TButtonPressedEvent&>(*event);
            Seen.push_back({pressed.GroupIndex, pressed.Sender->Down(), pressed.Sender->AllowAllUp()});
            return true;
        }
        return QWidget::event(event);
    }
};

class SpeedButtonGroup : public testing::Test {
protected:
    SpeedButtonGroup()
    {
        Host.resize(200, 60);
        for (int i = 0; i < 3; ++i) {
            Buttons[i] = new TSpeedButton(&Host);
            Buttons[i]->move(i * 30, 0);
            Buttons[i]->SetGroupIndex(1);
        }
    }

    static void Click(TSpeedButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5)); }

    std::vector<bool> DownStates() const
    {
        return {Buttons[0]->Down(), Buttons[1]->Down(), Buttons[2]->Down()};
    }

    QWidget Host;
    TSpeedButton* Buttons[3] = {};
};

TEST_F(SpeedButtonGroup, AClickLatchesOneButtonOfAnExclusiveGroupAndKeepsItDown)
{
    Click(Buttons[0]);
    EXPECT_EQ(DownStates(), (std::vector<bool>{true, false, false}));
    Click(Buttons[2]);
    EXPECT_EQ(DownStates(), (std::vector<bool>{false, false, true}));

    QSignalSpy clicks(Buttons[2], &TSpeedButton::OnClick);
    Click(Buttons[2]);
    EXPECT_EQ(DownStates(), (std::vector<bool>{false, false, true})) << "the down button stays down";
    EXPECT_EQ(clicks.count(), 1);
    Buttons[2]->SetDown(false);
    EXPECT_TRUE(Buttons[2]->Down()) << "nothing but another button releases it";
    EXPECT_EQ(Buttons[2]->State(), TSpeedButton::bsExclusive);
}

TEST_F(SpeedButtonGroup, AllowAllUpSpreadsThroughTheGroupAndLetsTheDownButtonGoUp)
{
    Buttons[1]->SetDown(true);
    Buttons[0]->SetAllowAllUp(true);
    EXPECT_TRUE(Buttons[1]->AllowAllUp());
    EXPECT_TRUE(Buttons[2]->AllowAllUp());

    Click(Buttons[1]);
    EXPECT_EQ(DownStates(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(Buttons[1]->State(), TSpeedButton::bsUp);
}

TEST_F(SpeedButtonGroup, TheNotificationReachesAForeignSiblingButNoControlOfAnotherParent)
{
    auto* foreign = new TForeignSibling(&Host);
    QWidget otherHost;
    auto* stranger = new TSpeedButton(&otherHost);
    stranger->SetGroupIndex(1);
    stranger->SetDown(true);

    Buttons[0]->SetAllowAllUp(true);
    Click(Buttons[0]);

    ASSERT_EQ(foreign->Seen.size(), 2u);
    EXPECT_EQ(foreign->Seen[0].GroupIndex, 1);
    EXPECT_TRUE(foreign->Seen[0].SenderAllowAllUp);
    EXPECT_FALSE(foreign->Seen[0].SenderDown);
    EXPECT_TRUE(foreign->Seen[1].SenderDown);
    EXPECT_TRUE(stranger->Down());
    EXPECT_FALSE(stranger->AllowAllUp());
}

TEST_F(SpeedButtonGroup, OtherGroupsAndUngroupedButtonsAreLeftAlone)
{
    Buttons[2]->SetGroupIndex(2);
    Buttons[2]->SetDown(true);
    Buttons[0]->SetDown(true);
    EXPECT_EQ(DownStates(), (std::vector<bool>{true, false, true}));

    Buttons[1]->SetGroupIndex(0);
    Buttons[1]->SetDown(true);
    EXPECT_FALSE(Buttons[1]->Down()) << "a button outside a group never goes down";
}

TEST(SpeedButton, ADragOutAndBackShowsThePressOnlyInsideAndClicksOnlyOnAReleaseInside)
{
    QWidget host;
    auto* button = new TSpeedButton(&host);
    button->resize(40, 22);
    QSignalSpy clicks(button, &TSpeedButton::OnClick);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(button->State(), TSpeedButton::bsDown);
    QTest::mouseMove(button, QPoint(60, 5));
    EXPECT_EQ(button->State(), TSpeedButton::bsUp);
    QTest::mouseMove(button, QPoint(6, 5));
    EXPECT_EQ(button->State(), TSpeedButton::bsDown);
    QTest::mouseMove(button, QPoint(60, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(button->State(), TSpeedButton::bsUp);

    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(SpeedButton, HiddenDuringAPressItShowsItsTrueStateAndDoesNotClick)
{
    for (bool latched : {false, true}) {
        QWidget host;
        auto* button = new TSpeedButton(&host);
        button->resize(40, 22);
        button->SetGroupIndex(latched ? 1 : 0);
        button->SetDown(latched);
        host.show();
        QSignalSpy clicks(button, &TSpeedButton::OnClick);
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        ASSERT_EQ(button->State(), latched ? TSpeedButton::bsExclusive : TSpeedButton::bsDown);
        button->hide();
        button->show();
        EXPECT_EQ(button->State(), latched ? TSpeedButton::bsExclusive : TSpeedButton::bsUp) << latched;
        // The release went elsewhere; a later one over the button is no click of this press.
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(clicks.count(), 0) << latched;
        EXPECT_EQ(button->Down(), latched);
    }
}

TEST(SpeedButton, ADoubleClickAsQtDeliversItClicksTwice)
{
    QWidget host;
    auto* button = new TSpeedButton(&host);
    QSignalSpy clicks(button, &TSpeedButton::OnClick);
    // Qt's sequence for a double click: press, release, double click, release.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 2);
}

TEST(SpeedButton, PaintsARaisedFrameUpAndASunkenOneDown)
{
    QWidget host;
    auto* button = new TSpeedButton(&host);
    button->resize(30, 20);
    button->SetGroupIndex(1);
    const QRgb light = ToQColor(clr::BtnHighlight).rgb();
    const QRgb dark = ToQColor(clr::BtnShadow).rgb();

    QImage up = button->grab().toImage();
    EXPECT_EQ(up.pixel(0, 0), light);
    EXPECT_EQ(up.pixel(29, 19), dark);
    EXPECT_EQ(up.pixel(15, 10), ToQColor(clr::BtnFace).rgb());

    button->SetDown(true);
    QImage down = button->grab().toImage();
    EXPECT_EQ(down.pixel(0, 0), dark);
    EXPECT_EQ(down.pixel(29, 19), light);
}

TEST(SpeedButton, TheCaptionsAcceleratorClicksIt)
{
    QWidget host;
    auto* button = new TSpeedButton(&host);
    button->SetCaption(QStringLiteral("&Line"));
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    QSignalSpy clicks(button, &TSpeedButton::OnClick);
    QTest::keyClick(&host, Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    button->SetCaption(QStringLiteral("Rect"));
    QTest::keyClick(&host, Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1) << "a new caption drops the old accelerator";
}

TEST(SpeedButton, SizeHintMakesRoomForTheCaption)
{
    TSpeedButton button;
    const QSize empty = button.sizeHint();
    EXPECT_GE(empty.width(), 23);
    button.SetCaption(QStringLiteral("A rather long caption"));
    EXPECT_GT(button.sizeHint().width(), button.fontMetrics().horizontalAdvance(QStringLiteral("A rather long caption")));
}

} // namespace
