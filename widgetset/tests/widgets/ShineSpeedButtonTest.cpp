// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "LayoutRoundTrip.h"
#include "WidgetInput.h"
#include "layouts/StoredLayout.h"
#include "toolkit/base/ToolkitError.h"
#include "widgets/ShineSpeedButton.h"
#include "layouts/WidgetSet.h"

#include <QApplication>
#include <QFile>
#include <QMetaProperty>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QVariant>
#include <functional>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

using Button = TShineSpeedButton;

class ShineButton : public testing::Test {
protected:
    // The paints that the button gets once the pending updates are delivered: the window is
    // shown, and the paints of earlier changes are not counted.
    int Repaints(const std::function<void()>& change)
    {
        ShowAwayFromThePointer(Host);
        Painted.PaintsDelivered();
        change();
        return Painted.PaintsDelivered();
    }

    // The paints that writing a published property makes, counted as Repaints counts them.
    int RepaintsOfWriting(const char* property, const QVariant& value)
    {
        bool written = false;
        const int paints = Repaints([&] { written = Shine->setProperty(property, value); });
        EXPECT_TRUE(written) << property;
        return paints;
    }

    QWidget Host;
    TShineSpeedButton* Shine = new TShineSpeedButton(&Host);
    TPaintCounter Painted{Shine};
};

TEST_F(ShineButton, StartsAsTheToolkitBuildsIt)
{
    EXPECT_EQ(Shine->size(), QSize(25, 25));
    EXPECT_EQ(Shine->State(), Button::sbUp);
    EXPECT_TRUE(Shine->Glyph()->Empty());
    EXPECT_TRUE(Shine->Caption().isEmpty());
    EXPECT_EQ(Shine->Colors()->Color(), clr::BtnFace);
    EXPECT_EQ(Shine->PressedColors()->Color(), clr::BtnHighlight);
    EXPECT_NE(Shine->Colors(), Shine->PressedColors());
    EXPECT_EQ(Shine->Font()->Color(), clr::BtnText);
    EXPECT_EQ(Shine->ActiveFont()->Color(), clr::Highlight);
    EXPECT_EQ(Shine->FontHighlight(), clr::None);
    EXPECT_EQ(Shine->FontShadow(), clr::None);
    EXPECT_TRUE(Shine->testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_FALSE(Shine->CreateStateGlyph());
}

// Each property of the look: a value other than the one it starts with.
struct TLookWrite {
    const char* Property;
    QVariant Other;
    bool EvenWhenSame;
};

TEST_F(ShineButton, LookSettersInvalidateOnlyOnChange)
{
    const TLookWrite writes[] = {
        {"ClickDownHook", true, false},
        {"AccelCharDown", true, false},
        {"FrameType", QVariant::fromValue(Button::ftEnclosedFrame), false},
        {"ActiveFrame", false, false},
        {"UpFrame", false, false},
        {"DownFrame", false, false},
        {"ActiveImage", QVariant::fromValue(Button::aiXorLight), false},
        {"DisabledImage", QVariant::fromValue(Button::diMaskTrans), false},
        {"DisabledHighlight", QVariant::fromValue(clr::Red), false},
        {"DisabledShadow", QVariant::fromValue(clr::Red), false},
        {"ShineColor", QVariant::fromValue(clr::Red), false},
        {"Layout", QVariant::fromValue(Button::blGlyphTop), false},
        {"Margin", 3, false},
        {"Spacing", 0, false},
        {"Transparent", true, false},
        {"Caption", QStringLiteral("&OK"), false},
        {"FontHighlight", QVariant::fromValue(clr::White), true},
        {"FontShadow", QVariant::fromValue(clr::Black), true},
    };
    for (const TLookWrite& w : writes) {
        SCOPED_TRACE(w.Property);
        const QVariant before = Shine->property(w.Property);
        EXPECT_EQ(RepaintsOfWriting(w.Property, before), w.EvenWhenSame ? 1 : 0)
            << "same value";
        EXPECT_EQ(RepaintsOfWriting(w.Property, w.Other), 1) << "new value";
        EXPECT_EQ(Shine->property(w.Property), w.Other);
    }
}

TEST_F(ShineButton, TransparentTogglesTheOpaqueDeclaration)
{
    Shine->SetTransparent(true);
    EXPECT_FALSE(Shine->testAttribute(Qt::WA_OpaquePaintEvent));
    Shine->SetTransparent(false);
    EXPECT_TRUE(Shine->testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST_F(ShineButton, WritingColorsCopiesIntoTheOwnedSet)
{
    TShineBtnColors other;
    other.SetColor(clr::Red);
    other.SetHighlight(clr::White);
    other.SetShadow(clr::Gray);
    other.SetDarkShadow(clr::Black);
    other.SetGradColor(clr::Lime);
    other.SetGradVertical(true);
    other.SetGradation(true);
    for (auto [property, owned] : {std::pair{"Colors", Shine->Colors()}, std::pair{"PressedColors", Shine->PressedColors()}}) {
        SCOPED_TRACE(property);
        EXPECT_EQ(RepaintsOfWriting(property, QVariant::fromValue(&other)), 1);
        EXPECT_EQ(Shine->property(property).value<TShineBtnColors*>(), owned);
        EXPECT_EQ(owned->Color(), clr::Red);
        EXPECT_EQ(owned->Highlight(), clr::White);
        EXPECT_EQ(owned->Shadow(), clr::Gray);
        EXPECT_EQ(owned->DarkShadow(), clr::Black);
        EXPECT_EQ(owned->GradColor(), clr::Lime);
        EXPECT_TRUE(owned->GradVertical());
        EXPECT_TRUE(owned->Gradation());
        // The owned set still reports to the button.
        EXPECT_EQ(Repaints([&] { owned->SetColor(clr::Blue); }), 1);
    }
}

TEST_F(ShineButton, ColourSetRefusesOtherObjects)
{
    TShineBtnColors colors;
    colors.SetColor(clr::Red);
    int changes = 0;
    colors.SetOnChange([&](QObject*) { ++changes; });
    QObject stranger;
    const auto message = [](auto&& action) {
        try {
            action();
        } catch (const EToolkitError& error) {
            return error.Message();
        }
        return QStringLiteral("no error");
    };
    EXPECT_EQ(message([&] { colors.Assign(&stranger); }), QStringLiteral("QObject を TShineBtnColors に代入できません"));
    EXPECT_EQ(message([&] { colors.AssignTo(&stranger); }), QStringLiteral("TShineBtnColors を QObject に代入できません"));
    EXPECT_EQ(message([&] { colors.Assign(nullptr); }), QStringLiteral("(なし) を TShineBtnColors に代入できません"));
    EXPECT_EQ(colors.Color(), clr::Red);
    EXPECT_EQ(changes, 0);

    Shine->Colors()->SetColor(clr::Lime);
    EXPECT_THROW(Shine->SetColors(nullptr), EToolkitError);
    EXPECT_EQ(Shine->Colors()->Color(), clr::Lime);
}

TEST(ShineColorToPixel, MovesRedToTheTopAndResolvesSystemColours)
{
    const QRgb face = QApplication::palette().color(QPalette::Active, QPalette::Button).rgb();
    const struct {
        TColor Color;
        std::uint32_t Pixel;
    } cases[] = {
        {clr::Yellow, 0x00FFFF00},
        {clr::Blue, 0x000000FF},
        {0x00563412, 0x00123456},
        {clr::BtnFace, face & 0x00FFFFFF},
        {clr::None, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorToPixel(c.Color), c.Pixel) << std::hex << c.Color;
}

TEST(ShineColors, SettersReportOnlyChangesAndAssignToReportsAtTheDestination)
{
    TShineBtnColors source;
    TShineBtnColors dest;
    QObject* sender = nullptr;
    int changes = 0;
    source.SetOnChange([&](QObject* s) { sender = s; ++changes; });
    source.SetGradColor(clr::Blue); // the value it has
    source.SetGradation(false);
    EXPECT_EQ(changes, 0);
    source.SetGradColor(clr::Red);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sender, &source);

    int destChanges = 0;
    dest.SetOnChange([&](QObject* s) { sender = s; ++destChanges; });
    source.AssignTo(&dest);
    EXPECT_EQ(dest.GradColor(), clr::Red);
    EXPECT_EQ(destChanges, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(sender, &dest);
}

TEST_F(ShineButton, FontsAreCopiedByValue)
{
    TFont given;
    given.SetName(QStringLiteral("IPAGothic"));
    given.SetSize(14);
    given.SetStyle(TFont::fsBold | TFont::fsUnderline);
    given.SetColor(clr::Maroon);
    for (auto [property, owned] : {std::pair{"Font", Shine->Font()}, std::pair{"ActiveFont", Shine->ActiveFont()}}) {
        SCOPED_TRACE(property);
        EXPECT_EQ(RepaintsOfWriting(property, QVariant::fromValue<TFont*>(nullptr)), 0);
        EXPECT_NE(owned->Color(), clr::Maroon);

        EXPECT_GE(RepaintsOfWriting(property, QVariant::fromValue(&given)), 1);
        EXPECT_EQ(Shine->property(property).value<TFont*>(), owned);
        EXPECT_EQ(owned->Name(), QStringLiteral("IPAGothic"));
        EXPECT_EQ(owned->Size(), 14);
        EXPECT_EQ(owned->Style(), TFont::fsBold | TFont::fsUnderline);
        EXPECT_EQ(owned->Color(), clr::Maroon);

        // The button's font is its own, and still reports to it.
        EXPECT_EQ(Repaints([&] { owned->SetSize(20); }), 1);
        EXPECT_EQ(given.Size(), 14);
    }
}

TEST_F(ShineButton, GlyphBecomes32BitsWithTheSamePixels)
{
    QImage picture(3, 2, QImage::Format_RGB888);
    const QRgb pixels[] = {qRgb(1, 2, 3), qRgb(250, 0, 7), qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(9, 99, 199), qRgb(128, 64, 32)};
    for (int i = 0; i < 6; ++i)
        picture.setPixel(i % 3, i / 3, pixels[i]);
    TBitmap given;
    given.SetImage(picture);
    ASSERT_EQ(given.PixelFormat(), TBitmap::pf24bit);

    EXPECT_GE(Repaints([&] { Shine->SetGlyph(&given); }), 1);
    const TBitmap& glyph = *Shine->Glyph();
    ASSERT_EQ(glyph.PixelFormat(), TBitmap::pf32bit);
    ASSERT_EQ(QSize(glyph.Width(), glyph.Height()), QSize(3, 2));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(glyph.ScanLine(i / 3)[i % 3], pixels[i] & 0x00FFFFFF) << "pixel " << i;
    // The given bitmap is copied, not taken.
    EXPECT_EQ(given.PixelFormat(), TBitmap::pf24bit);

    Shine->SetGlyph(nullptr);
    EXPECT_TRUE(Shine->Glyph()->Empty());
    EXPECT_EQ(QSize(Shine->Glyph()->Width(), Shine->Glyph()->Height()), QSize(0, 0));
}

TEST_F(ShineButton, GlyphKeeps32BitsWhenChangedInPlace)
{
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    Shine->SetGlyphPixmap(QPixmap::fromImage(picture));
    Shine->Glyph()->SetPixelFormat(TBitmap::pf24bit);
    EXPECT_EQ(Shine->Glyph()->PixelFormat(), TBitmap::pf32bit);
    EXPECT_EQ(Shine->Glyph()->ScanLine(1)[1], 0x00FF0000u);
    EXPECT_EQ(Shine->GlyphPixmap().toImage().pixel(1, 1), qRgb(255, 0, 0));
}

TEST_F(ShineButton, StateGlyphFollowsTheButton)
{
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(1, 1, qRgb(0, 0, 255));

    // Each state is reached by the input that leads there.
    struct TStateCase {
        Button::TShineButtonState State;
        TColor Centre;
        std::function<void(Button&)> Lead;
    };
    const TStateCase cases[] = {
        {Button::sbUp, clr::Blue, [](Button&) {}},
        {Button::sbDown, clr::Blue, [](Button& b) { Latch(b, 1); }},
        {Button::sbUpActive, RGBColor(127, 0, 127), [](Button& b) { Hover(b); }},
        {Button::sbDownActive, RGBColor(127, 0, 127), [](Button& b) { HoldPress(b); }},
        {Button::sbDisabled, RGBColor(127, 127, 255), [](Button& b) { b.setEnabled(false); }},
    };
    for (const TStateCase& c : cases) {
        SCOPED_TRACE(int(c.State));
        QWidget host;
        auto* button = new Button(&host);
        button->SetGlyphPixmap(QPixmap::fromImage(picture));
        button->SetShineColor(clr::Red);
        button->SetActiveImage(Button::aiHalfLight);
        button->Colors()->SetColor(clr::White);
        button->SetDisabledImage(Button::diAlphaHalfTrans);
        c.Lead(*button);
        ASSERT_EQ(button->State(), c.State);
        const std::unique_ptr<TBitmap> shown = button->CreateStateGlyph();
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->Pixel(1, 1), c.Centre);
        EXPECT_EQ(shown->TransparentColor(), clr::Black);
    }
}

class ShineButtonLayout : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterWidgetSet(); }

    ShineButtonLayout()
    {
        Form.setObjectName(QStringLiteral("Form"));
        Button->setObjectName(QStringLiteral("ShineButton1"));
    }

    // The layout of the form as written, one element per line.
    QString Written()
    {
        TStoredLayout::Write(Path, &Form);
        QFile file(Path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll()).replace(QRegularExpression(QStringLiteral(">\\s+<")), QStringLiteral("><"));
    }

    QTemporaryDir Folder;
    const QString Path = Folder.filePath(QStringLiteral("form.ui"));
    QWidget Form;
    TShineSpeedButton* Button = new TShineSpeedButton(&Form);
};

TEST_F(ShineButtonLayout, FreshButtonStoresOnlyBothColoursAndItsFonts)
{
    const QString fresh = Written();
    for (const char* present : {R"(<property name="Colors.Color" stdset="0"><string notr="true">clBtnFace</string>)",
                                R"(<property name="PressedColors.Color" stdset="0"><string notr="true">clBtnHighlight</string>)",
                                R"(<property name="Font.Color" stdset="0"><string notr="true">clBtnText</string>)",
                                R"(<property name="ActiveFont.Color" stdset="0"><string notr="true">clHighlight</string>)",
                                "<header>widgets/ShineSpeedButton.h</header>"})
        EXPECT_TRUE(fresh.contains(QLatin1String(present))) << present;
    // Everything else of a fresh button is at its published default.
    for (const char* absent : {"\"FontHighlight\"", "\"FontShadow\"", "\"ShineColor\"", "\"Margin\"", "\"Spacing\"",
                               "\"FrameType\"", "\"ActiveImage\"", "\"Glyph\"", "\"Caption\"", "\"Visible\"",
                               "\"Colors.Highlight\"", "\"Colors.GradColor\"", "\"PressedColors.Gradation\""})
        EXPECT_FALSE(fresh.contains(QLatin1String(absent))) << absent;

    Button->SetFontShadow(clr::Black);
    Button->PressedColors()->SetGradColor(clr::Red);
    const QString changed = Written();
    EXPECT_TRUE(changed.contains(QLatin1String(R"(<property name="FontShadow" stdset="0"><color><red>0</red><green>0</green><blue>0</blue></color>)")));
    EXPECT_TRUE(changed.contains(QLatin1String(R"(<property name="PressedColors.GradColor" stdset="0"><color><red>255</red><green>0</green><blue>0</blue></color>)")));
}

TEST_F(ShineButtonLayout, ReadsBackIntoTheOwnedObjects)
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(1, 1, qRgb(10, 200, 30));
    Button->SetGlyphPixmap(QPixmap::fromImage(picture));
    Button->Colors()->SetColor(clr::Teal);
    Button->ActiveFont()->SetStyle(TFont::fsItalic);
    Written();

    const std::unique_ptr<QWidget> read(TStoredLayout::Read(Path));
    auto* copy = read->findChild<TShineSpeedButton*>(QStringLiteral("ShineButton1"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Colors()->Color(), clr::Teal);
    EXPECT_EQ(copy->PressedColors()->Color(), clr::BtnHighlight);
    EXPECT_EQ(copy->ActiveFont()->Style(), TFont::fsItalic);
    ASSERT_EQ(copy->Glyph()->PixelFormat(), TBitmap::pf32bit);
    EXPECT_EQ(copy->Glyph()->ScanLine(1)[1], 0x000AC81Eu);
    EXPECT_EQ(copy->Glyph()->Width(), 4);
}

TEST_F(ShineButtonLayout, RoundTripsEveryPublishedProperty)
{
    // A glyph is a picture; the generic change of a text would be none.
    TShineSpeedButton pictured;
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    pictured.SetGlyphPixmap(QPixmap::fromImage(picture));
    ExpectLayoutRoundTrip(QStringLiteral("TShineSpeedButton"), {{QStringLiteral("Glyph"), pictured.GlyphText()}});
}

TEST_F(ShineButtonLayout, GlyphTextThatIsNoPictureIsRefused)
{
    Button->SetGlyphText(Button->GlyphText()); // empty stays empty
    EXPECT_TRUE(Button->Glyph()->Empty());
    for (const QString& bad : {QStringLiteral("not base64!"), QStringLiteral("aGVsbG8=")}) {
        SCOPED_TRACE(bad.toStdString());
        EXPECT_THROW(Button->SetGlyphText(bad), EToolkitError);
        EXPECT_TRUE(Button->Glyph()->Empty());
    }
}

} // namespace
