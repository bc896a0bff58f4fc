// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The Qt signals beside the toolkit's events: their order relative to the On… events, and a
// change signal for every stored property that fires on a real change only.
#include "toolkit/properties/PropertyText.h"
#include "toolkit/properties/PublishedProperty.h"
#include "toolkit/controls/SpeedButton.h"
#include "widgets/HistoryComboBox.h"
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"
#include "SignalLog.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace TarvoWidgets;

namespace {


// A visible host whose buttons are laid out at (10, 10), (40, 10), … so that clicks land inside.
class QtSignals : public testing::Test {
protected:
    QtSignals() { Host.resize(300, 80); }

    template <class TButton> TButton* Add(const char* name)
    {
        auto* button = new TButton(&Host);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(10 + 30 * Host.children().size(), 10, 25, 25);
        return button;
    }

    void Show()
    {
        Host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
    }

    QWidget Host;
    TLog Log;
};

TEST_F(QtSignals, TheFadeButtonsPressReleaseAndClickComeBetweenItsMouseEvents)
{
    auto* fade = Add<TZRKFadeButton>("f");
    Show();
    LogPressAndClick(fade, Log);

    QTest::mouseClick(fade, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, (TLog{"f:onMouseDown", "f:pressed", "f:released", "f:OnClick", "f:clicked", "f:onMouseUp"}));

    // The second press of a double click (as Qt delivers it) is no click, nor a Qt press.
    Log.clear();
    QTest::mouseDClick(fade, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(fade, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, (TLog{"f:onMouseDown", "f:onMouseUp"}));

    // A release outside ends the press without a click; a right button is no press.
    Log.clear();
    QTest::mousePress(fade, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(fade, Qt::LeftButton, {}, QPoint(200, 5));
    QTest::mouseClick(fade, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, (TLog{"f:onMouseDown", "f:pressed", "f:released", "f:onMouseUp", "f:onMouseDown", "f:onMouseUp"}));
}

TEST_F(QtSignals, AShineButtonLatchingInAGroupTogglesBeforeItsReleaseAndClick)
{
    auto* a = Add<TShineSpeedButton>("a");
    auto* b = Add<TShineSpeedButton>("b");
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    Show();
    for (auto* button : {a, b})
        LogPressAndClick(button, Log);

    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, (TLog{"b:OnMouseDown", "b:pressed", "b:OnMouseUp", "a:toggled(0)", "b:toggled(1)", "b:released",
                         "b:OnClick", "b:clicked"}));

    // The down button of an exclusive group stays down: no toggled.
    Log.clear();
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, (TLog{"b:OnMouseDown", "b:pressed", "b:OnMouseUp", "b:released", "b:OnClick", "b:clicked"}));

    // Its own disabling releases it.
    Log.clear();
    b->setEnabled(false);
    EXPECT_EQ(Log, (TLog{"b:toggled(0)"}));
}

TEST_F(QtSignals, AShineButtonsLostPressEndsWithReleasedAndNoClick)
{
    auto* button = Add<TShineSpeedButton>("s");
    Show();
    using S = TShineSpeedButton;
    On(button, &S::pressed, "pressed", Log);
    On(button, &S::released, "released", Log);
    On(button, &S::OnClick, "OnClick", Log);
    On(button, &S::clicked, "clicked", Log);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    button->hide();
    QTest::mouseRelease(&Host, Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_EQ(Log, (TLog{"s:pressed", "s:released"}));
}

TEST_F(QtSignals, TheToolkitSpeedButtonSignalsLikeTheShineButton)
{
    auto* a = Add<TSpeedButton>("a");
    auto* b = Add<TSpeedButton>("b");
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    Show();
    using T = TSpeedButton;
    for (auto* button : {a, b}) {
        On(button, &T::pressed, "pressed", Log);
        On(button, &T::released, "released", Log);
        On(button, &T::toggled, "toggled", Log);
        On(button, &T::OnClick, "OnClick", Log);
        On(button, &T::clicked, "clicked", Log);
    }
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, (TLog{"b:pressed", "b:released", "a:toggled(0)", "b:toggled(1)", "b:OnClick", "b:clicked"}));
}

TEST(HistoryBoxSignals, AddTextSignalsWhatItPutOnTopAndNothingElse)
{
    THistoryComboBox box;
    box.SetDesigning(true);
    QSignalSpy added(&box, &THistoryComboBox::textAdded);
    box.AddText("alpha");
    box.AddText("Beta");
    box.AddText("");
    box.AddText("BETA"); // already on top: nothing changes
    box.AddText("ALPHA"); // moves up as it was written
    ASSERT_EQ(added.count(), 3);
    EXPECT_EQ(added[0][0].toString(), "alpha");
    EXPECT_EQ(added[1][0].toString(), "Beta");
    EXPECT_EQ(added[2][0].toString(), "alpha");
    EXPECT_EQ(box.Items(), (QStringList{"alpha", "Beta"}));
}

// A stored value that differs from the current one, in the property's own stored form.
QVariant OtherValue(const QMetaProperty& meta, const QVariant& current)
{
    const TPropertyText now = TPropertyText::From(meta, current);
    TPropertyText other = now;
    if (TPropertyText::IsColor(meta))
        other = {QStringLiteral("string"), now.Text == "clRed" ? QStringLiteral("clBlue") : QStringLiteral("clRed")};
    else if (now.Kind == "number")
        other.Text = QString::number(now.Text.toInt() + 1);
    else if (now.Kind == "bool")
        other.Text = now.Text == "true" ? QStringLiteral("false") : QStringLiteral("true");
    else if (now.Kind == "string")
        other.Text = now.Text + QStringLiteral("x");
    else if (now.Kind == "enum" || now.Kind == "set") {
        const QMetaEnum e = meta.enumerator();
        const int value = e.isFlag() ? e.keysToValue(now.Text.toLatin1()) : e.keyToValue(now.Text.section("::", -1).toLatin1());
        const int changed = e.isFlag() ? value ^ e.value(0) : (value == e.value(0) ? e.value(1) : e.value(0));
        other.Text = QString::fromLatin1(e.isFlag() ? e.valueToKeys(changed) : QByteArray(e.valueToKey(changed)));
    }
    QString why;
    return other.ValueFor(meta, why);
}

using TMaker = std::function<QObject*(QWidget* host)>;

struct TNotifyCase {
    const char* Widget;
    TMaker Make;
};

class StoredPropertyNotify : public testing::TestWithParam<TNotifyCase> {};

TEST_P(StoredPropertyNotify, EveryStoredPropertySignalsARealChangeOnceAndAnUnchangedWriteNever)
{
    QWidget host;
    QObject* widget = GetParam().Make(&host);
    for (const TPublishedProperty& property : TPublishedProperty::Of(widget)) {
        const QMetaProperty& meta = property.Meta();
        if (!meta.isStored() || !meta.isWritable() || property.Path() == "Glyph")
            continue;
        SCOPED_TRACE(property.Path().toStdString());
        ASSERT_TRUE(meta.hasNotifySignal());
        QSignalSpy own(property.Object(), meta.notifySignal());
        // A value of an owned set or font is also a change of the property that owns it.
        std::unique_ptr<QSignalSpy> owner;
        if (property.Object() != widget) {
            const QMetaProperty outer = widget->metaObject()->property(
                widget->metaObject()->indexOfProperty(property.Path().section('.', 0, 0).toLatin1()));
            ASSERT_TRUE(outer.hasNotifySignal());
            owner = std::make_unique<QSignalSpy>(widget, outer.notifySignal());
        }
        const QVariant before = property.Value();
        const QVariant other = OtherValue(meta, before);
        ASSERT_TRUE(other.isValid());
        property.SetValue(other);
        ASSERT_FALSE(TPropertyText::Same(meta, before, property.Value()));
        EXPECT_EQ(own.count(), 1);
        EXPECT_EQ(owner ? owner->count() : 1, 1);
        property.SetValue(property.Value());
        EXPECT_EQ(own.count(), 1);
        EXPECT_EQ(owner ? owner->count() : 1, 1);
    }
}

// Buttons in a group whose members may all go up, so that Down can change both ways.
template <class TButton> QObject* GroupedButton(QWidget* host)
{
    auto* button = new TButton(host);
    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    return button;
}

INSTANTIATE_TEST_SUITE_P(
    Widgets, StoredPropertyNotify,
    testing::Values(TNotifyCase{"fade", [](QWidget* host) -> QObject* { return new TZRKFadeButton(host); }},
                    TNotifyCase{"shine", GroupedButton<TShineSpeedButton>},
                    TNotifyCase{"speed", GroupedButton<TSpeedButton>},
                    TNotifyCase{"history",
                                [](QWidget* host) -> QObject* {
                                    auto* box = new THistoryComboBox(host);
                                    box->SetDesigning(true);
                                    return box;
                                }}),
    [](const testing::TestParamInfo<TNotifyCase>& info) { return std::string(info.param.Widget); });

TEST(ShineGlyphNotify, AnotherPictureAndClearingSignalOnceEach)
{
    TShineSpeedButton button;
    QSignalSpy changed(&button, &TShineSpeedButton::GlyphChanged);
    QPixmap picture(4, 4);
    picture.fill(Qt::red);
    button.SetGlyphPixmap(picture);
    EXPECT_EQ(changed.count(), 1);
    button.SetGlyphPixmap(QPixmap());
    EXPECT_EQ(changed.count(), 2);
    button.SetGlyphPixmap(QPixmap());
    EXPECT_EQ(changed.count(), 2);
}

} // namespace
