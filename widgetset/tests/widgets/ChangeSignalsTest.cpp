// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The widgets' change signals as a bound program meets them: a slot reads the property inside
// its own change signal (as Qt Quick bindings and QDataWidgetMapper do), or frees the widget
// there.
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/graphics/Font.h"
#include "widgets/HistoryComboBox.h"
#include "widgets/ShineBtnColors.h"
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"

#include <QMetaProperty>
#include <QPointer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace TarvoWidgets;

namespace {

// Reads one property of the signal's sender from the slot.
class TPropertyReader : public QObject {
    Q_OBJECT
public:
    TPropertyReader(QObject* widget, const char* property) : Widget(widget), Property(property) {}
    QObject* Widget;
    const char* Property;
    QVariant Seen;
    int Count = 0;

public Q_SLOTS:
    void Read()
    {
        Seen = Widget->property(Property);
        ++Count;
    }
};

// A value of the property's type other than value; invalid where the type has no such simple
// other value.
QVariant OtherValue(const QMetaProperty& property, const QVariant& value)
{
    if (property.isEnumType()) {
        const QMetaEnum meta = property.enumerator();
        for (int i = 0; i < meta.keyCount(); ++i)
            if (meta.value(i) != value.toInt())
                return QVariant(meta.value(i)).value<int>();
        return {};
    }
    if (property.metaType() == QMetaType::fromType<TColor>())
        return QVariant::fromValue(TColor(std::int32_t(value.value<TColor>()) ^ 0x102030));
    switch (property.metaType().id()) {
    case QMetaType::Bool: return !value.toBool();
    case QMetaType::Int: return value.toInt() + 3;
    case QMetaType::QString: return value.toString() + QStringLiteral("x");
    default: return {};
    }
}

TEST(ChangeSignals, ASlotReadingThePropertySeesTheNewValue)
{
    QWidget host;
    const std::vector<QWidget*> widgets = {new TZRKFadeButton(&host), new TShineSpeedButton(&host),
                                           new TSpeedButton(&host), new THistoryComboBox(&host)};
    // The latch goes down only in a group.
    widgets[1]->setProperty("GroupIndex", 1);
    widgets[2]->setProperty("GroupIndex", 1);
    int checked = 0;
    for (QWidget* widget : widgets) {
        const QMetaObject* meta = widget->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (!property.hasNotifySignal() || !property.isWritable() || property.isFlagType())
                continue;
            SCOPED_TRACE(std::string(meta->className()) + "." + property.name());
            const QVariant before = property.read(widget);
            const QVariant other = OtherValue(property, before);
            if (!other.isValid())
                continue;
            TPropertyReader reader(widget, property.name());
            const QMetaMethod slot = reader.metaObject()->method(reader.metaObject()->indexOfSlot("Read()"));
            ASSERT_TRUE(QObject::connect(widget, property.notifySignal(), &reader, slot));
            property.write(widget, other);
            const QVariant after = property.read(widget);
            if (after == before)
                continue; // refused (a glyph text that is no picture), and so not signalled
            ASSERT_GE(reader.Count, 1) << "no change signal";
            EXPECT_EQ(reader.Seen, after);
            ++checked;
        }
    }
    EXPECT_GT(checked, 30) << "the table lost its properties";
}

// A widget whose change signal frees it, and what makes it change.
struct TFreeingCase {
    const char* Name;
    std::function<QWidget*(QWidget& host)> Make; // makes and connects the freeing slot
    std::function<void(QWidget*)> Drive;
};

template <typename Widget, typename Signal>
std::function<QWidget*(QWidget&)> FreedOn(Signal signal)
{
    return [signal](QWidget& host) -> QWidget* {
        auto* widget = new Widget(&host);
        widget->setGeometry(10, 10, 80, 30);
        widget->show();
        QObject::connect(widget, signal, &host, [widget] { delete widget; });
        return widget;
    };
}

void HoverMove(QWidget* w) { QTest::mouseMove(w, QPoint(5, 5)); }

TEST(ChangeSignals, ASlotMayFreeTheWidgetThatChanged)
{
    using Fade = TZRKFadeButton;
    using Shine = TShineSpeedButton;
    const TFreeingCase cases[] = {
        {"fade FontColorChanged by the hover", FreedOn<Fade>(&Fade::FontColorChanged), HoverMove},
        {"fade FontColorChanged by the leave",
         [](QWidget& host) -> QWidget* {
             auto* fade = new Fade(&host);
             fade->setGeometry(10, 10, 80, 30);
             fade->show();
             return fade;
         },
         [](QWidget* w) {
             // The hover gives the caption its hover colour; the leave gives the old one back.
             HoverMove(w);
             QObject::connect(static_cast<Fade*>(w), &Fade::FontColorChanged, w->parent(), [w] { delete w; });
             QEvent leave(QEvent::Leave);
             QCoreApplication::sendEvent(w, &leave);
         }},
        {"shine ColorsChanged by uic's Colors.Color", FreedOn<Shine>(&Shine::ColorsChanged),
         [](QWidget* w) { w->setProperty("Colors.Color", QStringLiteral("clRed")); }},
        {"shine PressedColorsChanged by uic's PressedColors.Gradation", FreedOn<Shine>(&Shine::PressedColorsChanged),
         [](QWidget* w) { w->setProperty("PressedColors.Gradation", true); }},
        {"shine FontChanged by uic's Font.Size", FreedOn<Shine>(&Shine::FontChanged),
         [](QWidget* w) { w->setProperty("Font.Size", 30); }},
        {"shine ActiveFontChanged by SetActiveFont", FreedOn<Shine>(&Shine::ActiveFontChanged),
         [](QWidget* w) {
             TFont font;
             font.SetSize(31);
             static_cast<Shine*>(w)->SetActiveFont(&font);
         }},
        {"shine ColorsChanged by SetColors", FreedOn<Shine>(&Shine::ColorsChanged),
         [](QWidget* w) {
             TShineBtnColors colors;
             colors.SetColor(clr::Red);
             static_cast<Shine*>(w)->SetColors(&colors);
         }},
    };
    for (const TFreeingCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QWidget host;
        host.resize(200, 80);
        QCursor::setPos(-1000, -1000);
        QPointer<QWidget> widget = c.Make(host);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        c.Drive(widget);
        EXPECT_TRUE(widget.isNull()) << "the slot did not run";
        QCoreApplication::processEvents();
    }
}

} // namespace

#include "ChangeSignalsTest.moc"
