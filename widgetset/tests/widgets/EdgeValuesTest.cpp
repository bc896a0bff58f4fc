// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Values at and past the edge of what a property holds, written as a program or Qt Designer
// writes them.
#include "toolkit/base/ToolkitError.h"
#include "toolkit/properties/PropertyWrite.h"
#include "toolkit/controls/SpeedButton.h"
#include "widgets/HistoryComboBox.h"
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"
#include "Warnings.h"

#include <QAccessible>
#include <QMetaProperty>
#include <QSignalSpy>
#include <climits>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

TEST(HistorySaveMode, ANumberThatIsNoModeIsRefusedWithAWarningAndTheModeStays)
{
    for (const int bad : {99, -1, 256, INT_MIN}) {
        SCOPED_TRACE(bad);
        THistoryComboBox box;
        box.SetSaveMode(THistoryComboBox::hsManual);
        QSignalSpy changed(&box, &THistoryComboBox::SaveModeChanged);
        {
            TWarnings warnings;
            box.setProperty("SaveMode", bad);
            ASSERT_EQ(warnings.Texts.size(), 1);
            EXPECT_TRUE(warnings.Texts[0].contains(QLatin1String("SaveMode"))) << warnings.Texts[0].toStdString();
            EXPECT_TRUE(warnings.Texts[0].contains(QString::number(bad))) << warnings.Texts[0].toStdString();
        }
        EXPECT_EQ(box.SaveMode(), THistoryComboBox::hsManual);
        EXPECT_EQ(changed.size(), 0);
        EXPECT_THROW(box.SetSaveMode(static_cast<THistoryComboBox::THistoryMode>(bad)), EToolkitError);
    }
    // Every mode is still taken, by number and by name.
    THistoryComboBox box;
    EXPECT_TRUE(box.setProperty("SaveMode", 3));
    EXPECT_EQ(box.SaveMode(), THistoryComboBox::hsAutoLoad);
    EXPECT_TRUE(box.setProperty("SaveMode", QStringLiteral("hsAutoSave")));
    EXPECT_EQ(box.SaveMode(), THistoryComboBox::hsAutoSave);
}

TEST(HistoryAddText, IsASlotThatAProgramCanConnectAndInvoke)
{
    THistoryComboBox box;
    bool added = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(&box, "AddText", Q_RETURN_ARG(bool, added), Q_ARG(QString, QStringLiteral("一"))));
    EXPECT_TRUE(added);
    box.setEditText(QStringLiteral("二"));
    ASSERT_TRUE(QMetaObject::invokeMethod(&box, "AddText"));
    EXPECT_EQ(box.Items(), (QStringList{QStringLiteral("二"), QStringLiteral("一")}));
}

bool Checked(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->state().checked; }

TEST(SpeedButtonGroups, ADownButtonThatLeavesItsGroupStaysDownAsTheAccessibleStateSaysAndCanBeReleased)
{
    QWidget host;
    TCustomSpeedButton* buttons[] = {new TShineSpeedButton(&host), new TSpeedButton(&host)};
    for (TCustomSpeedButton* button : buttons) {
        SCOPED_TRACE(button->metaObject()->className());
        button->SetGroupIndex(1);
        button->SetDown(true);
        button->SetGroupIndex(0);
        EXPECT_TRUE(button->Down());
        EXPECT_TRUE(Checked(button));
        // Outside a group no other button can release it; SetDown(false) does.
        QSignalSpy toggled(button, &TCustomSpeedButton::toggled);
        button->SetDown(false);
        EXPECT_FALSE(button->Down());
        EXPECT_FALSE(Checked(button));
        EXPECT_EQ(toggled.size(), 1);
        // And it does not go down again outside a group.
        button->SetDown(true);
        EXPECT_FALSE(button->Down());
    }
}

TEST(ButtonPlacement, PositionAndSizeAreBoundedAsQtBoundsAWidgetsSize)
{
    QWidget host;
    TCustomButton* buttons[] = {new TZRKFadeButton(&host), new TShineSpeedButton(&host), new TSpeedButton(&host)};
    struct TCase {
        const char* Property;
        int Value;
        int Expected;
    };
    const TCase cases[] = {
        {"Left", INT_MAX, QWIDGETSIZE_MAX}, {"Top", INT_MAX, QWIDGETSIZE_MAX},
        {"Left", INT_MIN, -QWIDGETSIZE_MAX}, {"Top", INT_MIN + 1, -QWIDGETSIZE_MAX},
        {"Width", INT_MAX, QWIDGETSIZE_MAX}, {"Height", INT_MAX, QWIDGETSIZE_MAX},
        {"Width", -5, 0}, {"Left", 120, 120},
    };
    for (TCustomButton* button : buttons) {
        for (const TCase& c : cases) {
            SCOPED_TRACE(std::string(button->metaObject()->className()) + "." + c.Property + " " + std::to_string(c.Value));
            button->setGeometry(1, 2, 30, 20);
            ASSERT_TRUE(button->setProperty(c.Property, c.Value));
            EXPECT_EQ(button->property(c.Property).toInt(), c.Expected);
            // The far edges are still beyond the near ones: the rectangle tells its own size.
            const QRect r = button->geometry();
            EXPECT_GE(r.right(), r.left() - 1);
            EXPECT_GE(r.bottom(), r.top() - 1);
        }
    }
}

TEST(ColorProperties, ATextThatNamesNoColourIsRefusedAndTheColourStays)
{
    QWidget host;
    QObject* widgets[] = {new TZRKFadeButton(&host), new TShineSpeedButton(&host)};
    int checked = 0;
    for (QObject* widget : widgets) {
        const QMetaObject* meta = widget->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (property.metaType() != QMetaType::fromType<TColor>())
                continue;
            SCOPED_TRACE(std::string(meta->className()) + "." + property.name());
            ASSERT_TRUE(property.write(widget, QVariant::fromValue(TColor(clr::Maroon))));
            for (const char* text : {"clMauve", "", "#12345"}) {
                property.write(widget, QString::fromLatin1(text));
                EXPECT_EQ(property.read(widget).value<TColor>(), clr::Maroon) << text;
            }
            ++checked;
        }
    }
    EXPECT_GE(checked, 11) << "the table lost its colours";
    // The path uic takes for a colour of an owned colour set.
    TShineSpeedButton button;
    button.Colors()->SetColor(clr::Navy);
    TWarnings warnings;
    button.setProperty("Colors.Color", QStringLiteral("clMauve"));
    EXPECT_EQ(button.Colors()->Color(), clr::Navy);
    EXPECT_EQ(warnings.Texts.size(), 1);
}

// A reader inside a reader (a stored layout that makes a form which reads one of its own): the
// inner refusal, once closed, gives the outer one back, so a later refused write is the outer
// reader's error again, not a warning.
TEST(PropertyRefusal, ANestedRefusalGivesTheOuterOneBackWhenItCloses)
{
    TShineSpeedButton button;
    TWarnings warnings;
    TPropertyRefusal outer;
    {
        TPropertyRefusal inner;
        button.setProperty("Glyph", QStringLiteral("junk"));
        EXPECT_THROW(inner.RethrowIfRefused(), EToolkitError);
    }
    EXPECT_NO_THROW(outer.RethrowIfRefused());
    button.setProperty("Glyph", QStringLiteral("junk"));
    EXPECT_THROW(outer.RethrowIfRefused(), EToolkitError);
    EXPECT_TRUE(warnings.Texts.isEmpty());
}

} // namespace
