// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// What reaches the widgets through Qt's own frames: property writes by name (Qt Designer,
// setProperty, the code uic makes) and the handlers connected to the widgets' events.
#include "toolkit/properties/PublishedProperty.h"
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/base/ToolkitError.h"
#include "widgets/ShineBtnColors.h"
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"
#include "Warnings.h"

#include <QCursor>
#include <QPointer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

// A one-pixel PNG in base64, a glyph that Qt's property system may write.
QString SomeGlyphText()
{
    TShineSpeedButton source;
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    source.SetGlyphPixmap(QPixmap::fromImage(image));
    return source.GlyphText();
}

struct TRefusalCase {
    const char* Property;
    QVariant Bad;
    const char* BadText; // how the warning names the value
    std::function<void(TShineSpeedButton&)> CppSetter;
};

TEST(PropertyWritesThroughQt, ABadValueIsRefusedWithAWarningAndTheOldValueStays)
{
    const QString glyph = SomeGlyphText();
    const TRefusalCase cases[] = {
        {"Glyph", QStringLiteral("junk"), "\"junk\"", [](auto& b) { b.SetGlyphText(QStringLiteral("junk")); }},
        {"Colors", QVariant::fromValue<TShineBtnColors*>(nullptr), "null", [](auto& b) { b.SetColors(nullptr); }},
        {"PressedColors", QVariant::fromValue<TShineBtnColors*>(nullptr), "null",
         [](auto& b) { b.SetPressedColors(nullptr); }},
    };
    for (const TRefusalCase& c : cases) {
        TShineSpeedButton button;
        button.SetGlyphText(glyph);
        button.Colors()->SetColor(clr::Maroon);
        button.PressedColors()->SetColor(clr::Navy);
        const QString before = button.GlyphText();
        {
            TWarnings warnings;
            button.setProperty(c.Property, c.Bad);
            ASSERT_EQ(warnings.Texts.size(), 1) << c.Property;
            EXPECT_TRUE(warnings.Texts[0].contains(QLatin1String(c.Property))) << warnings.Texts[0].toStdString();
            EXPECT_TRUE(warnings.Texts[0].contains(QLatin1String(c.BadText))) << warnings.Texts[0].toStdString();
        }
        EXPECT_EQ(button.GlyphText(), before) << c.Property;
        EXPECT_EQ(button.Colors()->Color(), clr::Maroon) << c.Property;
        EXPECT_EQ(button.PressedColors()->Color(), clr::Navy) << c.Property;

        // C++ callers of the setter, and the stored-layout reader, still get the error itself.
        EXPECT_THROW(c.CppSetter(button), EToolkitError) << c.Property;
        const auto published = TPublishedProperty::Find(&button, QString::fromLatin1(c.Property));
        if (published) {
            TWarnings warnings;
            EXPECT_THROW(published->SetValue(c.Bad), EToolkitError) << c.Property;
            EXPECT_TRUE(warnings.Texts.isEmpty()) << c.Property;
        }
    }
}

TEST(PropertyWritesThroughQt, AGoodValueIsWrittenAsBefore)
{
    TShineSpeedButton button;
    const QString glyph = SomeGlyphText();
    TWarnings warnings;
    EXPECT_TRUE(button.setProperty("Glyph", glyph));
    EXPECT_EQ(button.GlyphText(), glyph);
    TShineBtnColors colors;
    colors.SetColor(clr::Teal);
    EXPECT_TRUE(button.setProperty("Colors", QVariant::fromValue(&colors)));
    EXPECT_EQ(button.Colors()->Color(), clr::Teal);
    EXPECT_TRUE(warnings.Texts.isEmpty());
}

// Every event the widgets raise, with a handler that frees the sender: the widget touches
// nothing of itself after the event.
struct TDeletingHandlerCase {
    const char* Name;
    std::function<QWidget*(QWidget& host)> Make;        // makes, connects the handler
    std::function<void(QWidget* widget)> Drive;         // delivers what raises the event
};

template <typename Widget, typename Signal>
std::function<QWidget*(QWidget&)> Deleting(Signal signal, std::function<void(Widget&)> setup = {})
{
    return [signal, setup](QWidget& host) -> QWidget* {
        auto* widget = new Widget(&host);
        widget->move(10, 10);
        if (setup)
            setup(*widget);
        widget->show();
        QObject::connect(widget, signal, &host, [](QObject* sender) { delete sender; });
        return widget;
    };
}

void Press(QWidget* w) { QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5)); }
void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5)); }
void Move(QWidget* w) { QTest::mouseMove(w, QPoint(5, 5)); }
void Leave(QWidget* w)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w, &leave);
}
void Enter(QWidget* w)
{
    const QPoint at(5, 5);
    QCursor::setPos(w->mapToGlobal(at));
    QEnterEvent enter(at, w->mapTo(w->window(), at), w->mapToGlobal(at));
    QCoreApplication::sendEvent(w, &enter);
}
void DoubleClick(QWidget* w)
{
    // Qt's sequence: press, release, double click, release.
    Click(w);
    QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(5, 5));
}
void AltG(QWidget* w) { QTest::keyClick(w->window(), Qt::Key_G, Qt::AltModifier); }

using Shine = TShineSpeedButton;
using Fade = TZRKFadeButton;

TEST(DeletingHandlers, AHandlerMayFreeTheWidgetThatRaisedItsEvent)
{
    const auto grouped = [](Shine& b) { b.SetGroupIndex(1); };
    const auto captioned = [](TSpeedButton& b) { b.SetCaption(QStringLiteral("&Go")); };
    const TDeletingHandlerCase cases[] = {
        {"shine OnMouseDown", Deleting<Shine>(&Shine::OnMouseDown), Press},
        {"shine OnMouseMove", Deleting<Shine>(&Shine::OnMouseMove), Move},
        {"shine OnMouseUp", Deleting<Shine>(&Shine::OnMouseUp), Click},
        {"shine OnClick", Deleting<Shine>(&Shine::OnClick), Click},
        {"shine OnDblClick", Deleting<Shine>(&Shine::OnDblClick, grouped), DoubleClick},
        {"shine OnMouseEnter", Deleting<Shine>(&Shine::OnMouseEnter), Enter},
        {"shine OnMouseLeave", Deleting<Shine>(&Shine::OnMouseLeave), [](QWidget* w) { Enter(w); Leave(w); }},
        {"shine OnClick by accelerator", Deleting<Shine>(&Shine::OnClick, [](Shine& b) { b.SetCaption(QStringLiteral("&Go")); }), AltG},
        {"fade onMouseDown", Deleting<Fade>(&Fade::onMouseDown), Press},
        {"fade onMouseMove", Deleting<Fade>(&Fade::onMouseMove), Move},
        {"fade onMouseUp", Deleting<Fade>(&Fade::onMouseUp), Click},
        {"fade OnClick", Deleting<Fade>(&Fade::OnClick), Click},
        {"fade onMouseLeave", Deleting<Fade>(&Fade::onMouseLeave), [](QWidget* w) { Move(w); Leave(w); }},
        {"speed button OnClick", Deleting<TSpeedButton>(&TSpeedButton::OnClick), Click},
        {"speed button OnClick by accelerator", Deleting<TSpeedButton>(&TSpeedButton::OnClick, captioned), AltG},
    };
    for (const TDeletingHandlerCase& c : cases) {
        QWidget host;
        host.resize(200, 80);
        QCursor::setPos(-1000, -1000);
        QPointer<QWidget> widget = c.Make(host);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host)) << c.Name;
        c.Drive(widget);
        EXPECT_TRUE(widget.isNull()) << c.Name << ": the handler did not run";
        // Whatever is still queued for it (paints, timers) finds it gone.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace
