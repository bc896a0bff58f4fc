// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "WidgetInput.h"
#include "widgets/ShineSpeedButton.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <functional>
#include <memory>
#include <gtest/gtest.h>
#include <vector>

using namespace TarvoWidgets;

namespace {

using B = TShineSpeedButton;

QImage Shot(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QRgb Rgb(TColor c) { return ToQColor(c).rgb(); }

std::string Hex(QRgb c) { return QString::number(c & 0xFFFFFF, 16).rightJustified(6, '0').toStdString(); }

// A glyph of w by h opaque pixels in one colour, but for the bottom-left pixel, which keys the
// background (magenta).
std::unique_ptr<TBitmap> SolidGlyph(int w, int h, QRgb color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    image.setPixel(0, h - 1, qRgb(255, 0, 255));
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetImage(image);
    return glyph;
}

// A 5 by 5 glyph whose one opaque pixel is (2, 2).
std::unique_ptr<TBitmap> DotGlyph()
{
    QImage image(5, 5, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    image.setPixel(2, 2, qRgb(0, 0, 255));
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetImage(image);
    return glyph;
}

class ShinePainting : public testing::Test {
protected:
    ShinePainting()
    {
        Host.resize(300, 300);
        Button = new B(&Host);
    }

    QWidget Host;
    B* Button;
};

struct TFrameCase {
    const char* Name;
    std::function<void(B&)> Setup;
    B::TShineButtonState State; // that the setup leads to
    // Pixels and the colour each must show.
    std::vector<std::pair<QPoint, TColor>> Expected;
};

TEST_F(ShinePainting, FillAndFrameFollowTheStateAndTheFrameSettings)
{
    // The palette's bevel colours must differ, or the cases prove nothing.
    ASSERT_NE(Rgb(clr::BtnFace), Rgb(clr::BtnHighlight));
    ASSERT_NE(Rgb(clr::BtnShadow), Rgb(clr::WindowFrame));

    const std::vector<TFrameCase> cases = {
        {"a new button: raised, corners (24,0) and (0,24) left in the face",
         [](B&) {}, B::sbUp,
         {{{12, 12}, clr::BtnFace}, {{5, 0}, clr::BtnHighlight}, {{0, 5}, clr::BtnHighlight},
          {{0, 0}, clr::BtnHighlight}, {{23, 0}, clr::BtnHighlight}, {{5, 24}, clr::WindowFrame},
          {{24, 5}, clr::WindowFrame}, {{24, 24}, clr::WindowFrame}, {{5, 23}, clr::BtnShadow},
          {{23, 5}, clr::BtnShadow}, {{1, 1}, clr::BtnFace}, {{24, 0}, clr::BtnFace},
          {{0, 24}, clr::BtnFace}}},
        {"held down with the pointer over it: the pressed set, sunken",
         [](B& b) { HoldPress(b); }, B::sbDownActive,
         {{{12, 12}, clr::BtnHighlight}, {{5, 1}, clr::BtnShadow}, {{1, 5}, clr::BtnShadow},
          {{5, 0}, clr::WindowFrame}, {{0, 5}, clr::WindowFrame}, {{5, 24}, clr::BtnHighlight},
          {{24, 5}, clr::BtnHighlight}, {{24, 0}, clr::BtnHighlight}}},
        {"ActiveFrame off, pointer over it: no frame",
         [](B& b) {
             b.SetActiveFrame(false);
             Hover(b);
         },
         B::sbUpActive,
         {{{5, 0}, clr::BtnFace}, {{5, 24}, clr::BtnFace}, {{5, 23}, clr::BtnFace}}},
        {"ActiveFrame off, held down with the pointer over it: no frame",
         [](B& b) {
             b.SetActiveFrame(false);
             HoldPress(b);
         },
         B::sbDownActive,
         {{{5, 0}, clr::BtnHighlight}, {{5, 1}, clr::BtnHighlight}, {{5, 24}, clr::BtnHighlight}}},
        {"ActiveFrame off, pointer gone: the frame is back",
         [](B& b) { b.SetActiveFrame(false); }, B::sbUp,
         {{{5, 0}, clr::BtnHighlight}, {{5, 24}, clr::WindowFrame}}},
        {"DownFrame off, latched down: no frame",
         [](B& b) {
             b.SetDownFrame(false);
             Latch(b, 1);
         },
         B::sbDown,
         {{{5, 0}, clr::BtnHighlight}, {{5, 24}, clr::BtnHighlight}, {{5, 1}, clr::BtnHighlight}}},
        {"flat frame, up",
         [](B& b) { b.SetFrameType(B::ftFlatFrame); }, B::sbUp,
         {{{5, 0}, clr::BtnHighlight}, {{5, 24}, clr::BtnShadow}, {{24, 5}, clr::BtnShadow},
          {{5, 23}, clr::BtnFace}, {{24, 0}, clr::BtnFace}}},
        {"flat frame, held down: sunken, shadow above and left",
         [](B& b) {
             b.SetFrameType(B::ftFlatFrame);
             b.PressedColors()->SetColor(clr::Gray);
             HoldPress(b);
         },
         B::sbDownActive,
         {{{5, 0}, clr::BtnShadow}, {{0, 5}, clr::BtnShadow}, {{5, 24}, clr::BtnHighlight},
          {{24, 5}, clr::BtnHighlight}, {{12, 12}, clr::Gray}}},
        {"enclosed frame, latched down: the inset bevel sunken",
         [](B& b) {
             b.SetFrameType(B::ftEnclosedFrame);
             b.PressedColors()->SetColor(clr::Gray);
             Latch(b, 1);
         },
         B::sbDown,
         {{{0, 0}, clr::WindowFrame}, {{5, 1}, clr::BtnShadow}, {{1, 5}, clr::BtnShadow},
          {{5, 23}, clr::BtnHighlight}, {{23, 5}, clr::BtnHighlight}, {{12, 12}, clr::Gray}}},
        {"enclosed frame, disabled: dark outline round an inset bevel",
         [](B& b) {
             b.SetFrameType(B::ftEnclosedFrame);
             b.setEnabled(false);
         },
         B::sbDisabled,
         {{{0, 0}, clr::WindowFrame}, {{24, 0}, clr::WindowFrame}, {{0, 24}, clr::WindowFrame},
          {{12, 24}, clr::WindowFrame}, {{5, 1}, clr::BtnHighlight}, {{1, 5}, clr::BtnHighlight},
          {{5, 23}, clr::BtnShadow}, {{23, 5}, clr::BtnShadow}, {{12, 12}, clr::BtnFace}}},
    };
    for (const TFrameCase& c : cases) {
        QWidget host;
        B button(&host);
        c.Setup(button);
        ASSERT_EQ(button.State(), c.State) << c.Name;
        const QImage shot = Shot(button);
        for (const auto& [at, color] : c.Expected)
            EXPECT_EQ(Hex(shot.pixel(at)), Hex(Rgb(color))) << c.Name << " at (" << at.x() << ", " << at.y() << ")";
    }
}

TEST_F(ShinePainting, AGlyphIsCentredAndMovesOnePixelWhenDown)
{
    const auto glyph = SolidGlyph(16, 16, qRgb(200, 0, 0));
    Button->SetGlyph(glyph.get());
    QImage shot = Shot(*Button);
    EXPECT_EQ(Hex(shot.pixel(4, 4)), "c80000");
    EXPECT_EQ(Hex(shot.pixel(3, 4)), Hex(Rgb(clr::BtnFace)));
    EXPECT_EQ(Hex(shot.pixel(4, 3)), Hex(Rgb(clr::BtnFace)));
    EXPECT_EQ(Hex(shot.pixel(4, 19)), Hex(Rgb(clr::BtnFace))) << "the key colour is not drawn";

    Latch(*Button, 1);
    ASSERT_EQ(Button->State(), B::sbDown);
    shot = Shot(*Button);
    EXPECT_EQ(Hex(shot.pixel(5, 5)), "c80000");
    EXPECT_EQ(Hex(shot.pixel(4, 5)), Hex(Rgb(clr::BtnHighlight)));
}

struct TLayoutCase {
    const char* Name;
    TShineSpeedButton::TButtonLayout Layout;
    int Margin;
    bool Glyph;    // a 16 by 16 glyph
    bool Caption;  // a 30 by 13 caption
    QSize Button;
    QPoint GlyphAt;
    QRect Text;
    int GlyphHeight = 16;
};

TEST_F(ShinePainting, LayoutPlacesGlyphAndCaptionByLayoutMarginAndSpacing)
{
    // In the button's own font (the proportional gothic at 9 points) this caption is 30 by 13.
    const QString caption = QStringLiteral("xxxxx");
    const std::vector<TLayoutCase> cases = {
        {"glyph only, centred", B::blGlyphLeft, -1, true, false, {25, 25}, {4, 4}, {}},
        {"glyph left, centred", B::blGlyphLeft, -1, true, true, {100, 30}, {25, 7}, {45, 8, 30, 13}},
        {"glyph left, margin 2", B::blGlyphLeft, 2, true, true, {100, 30}, {2, 7}, {22, 8, 30, 13}},
        {"glyph right, margin 2", B::blGlyphRight, 2, true, true, {100, 30}, {82, 7}, {48, 8, 30, 13}},
        {"caption only, glyph top: spacing above it", B::blGlyphTop, -1, false, true, {100, 30}, {}, {35, 10, 30, 13}},
        {"caption only, glyph bottom", B::blGlyphBottom, -1, false, true, {100, 30}, {}, {35, 8, 30, 13}},
        {"glyph top", B::blGlyphTop, -1, true, true, {100, 50}, {42, 8}, {35, 28, 30, 13}},
        {"glyph top, margin 3", B::blGlyphTop, 3, true, true, {100, 50}, {42, 3}, {35, 23, 30, 13}},
        {"glyph bottom", B::blGlyphBottom, -1, true, true, {100, 50}, {42, 25}, {35, 8, 30, 13}},
        {"glyph bottom, margin 3", B::blGlyphBottom, 3, true, true, {100, 50}, {42, 31}, {35, 14, 30, 13}},
        {"a glyph 3 pixels shorter than the caption: 1 above, 2 below", B::blGlyphLeft, -1, true, true, {100, 30}, {25, 9}, {45, 8, 30, 13}, 10},
        {"the same on the right", B::blGlyphRight, -1, true, true, {100, 30}, {59, 9}, {25, 8, 30, 13}, 10},
        {"caption overhanging a 20 by 10 button", B::blGlyphLeft, -1, false, true, {20, 10}, {}, {-5, -1, 30, 13}},
    };
    const QRgb face = Rgb(clr::BtnFace);
    const QRgb red = qRgb(200, 0, 0);
    for (const TLayoutCase& c : cases) {
        const auto glyph = SolidGlyph(16, c.GlyphHeight, red);
        QWidget host;
        B button(&host);
        button.resize(c.Button);
        // No frame, so that every pixel is the face, the glyph or the caption's ink.
        button.SetUpFrame(false);
        button.SetLayout(c.Layout);
        button.SetMargin(c.Margin);
        if (c.Glyph)
            button.SetGlyph(glyph.get());
        if (c.Caption)
            button.SetCaption(caption);
        const QImage shot = Shot(button);

        // The caption alone, drawn as the button draws it into a 30 by 13 rectangle at (50, 50).
        const QPoint origin(50, 50);
        QImage reference(200, 120, QImage::Format_RGB32);
        reference.fill(face);
        {
            QPainter canvas(&reference);
            canvas.setFont(button.Font()->Face());
            canvas.setPen(ToQColor(button.Font()->Color()));
            ASSERT_EQ(canvas.fontMetrics().size(Qt::TextShowMnemonic, caption), QSize(30, 13))
                << "the table is written for a 30 by 13 caption";
            if (c.Caption)
                canvas.drawText(QRect(origin, QSize(30, 13)), Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic,
                                caption);
        }

        // The glyph: the bounds of its colour.
        QRect glyphInk;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if ((shot.pixel(x, y) & 0xFFFFFF) == (red & 0xFFFFFF))
                    glyphInk |= QRect(x, y, 1, 1);
        if (c.Glyph) {
            EXPECT_EQ(glyphInk, QRect(c.GlyphAt, QSize(16, c.GlyphHeight))) << c.Name;
        } else {
            EXPECT_TRUE(glyphInk.isEmpty()) << c.Name;
        }

        // The caption: every pixel outside the glyph is ink exactly where the reference, moved
        // to the table's rectangle, has ink.
        const QPoint shift = origin - c.Text.topLeft();
        int ink = 0, wrong = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x) {
                const QPoint p(x, y);
                if (glyphInk.contains(p))
                    continue;
                const bool shown = (shot.pixel(p) & 0xFFFFFF) != (face & 0xFFFFFF);
                const bool drawn = (reference.pixel(p + shift) & 0xFFFFFF) != (face & 0xFFFFFF);
                ink += drawn;
                wrong += shown != drawn;
            }
        EXPECT_EQ(wrong, 0) << c.Name << ": caption pixels out of place";
        if (c.Caption) {
            EXPECT_GT(ink, 10) << c.Name << ": the caption shows";
        }
    }
}

TEST_F(ShinePainting, TheGradientStripRunsFromColorToGradColor)
{
    struct TCase {
        TColor From, To;
        std::vector<std::pair<int, int>> Levels; // strip pixel, grey level
    };
    const std::vector<TCase> cases = {
        {clr::Black, clr::White, {{0, 0}, {1, 1}, {128, 128}, {255, 255}}},
        {clr::White, clr::Black, {{0, 255}, {1, 254}, {128, 127}, {255, 0}}},
    };
    for (bool vertical : {false, true}) {
        for (const TCase& c : cases) {
            QWidget host;
            B button(&host);
            // One button pixel per strip pixel; no frame over the ends.
            button.resize(vertical ? QSize(10, 256) : QSize(256, 10));
            button.SetUpFrame(false);
            button.Colors()->SetColor(c.From);
            button.Colors()->SetGradColor(c.To);
            button.Colors()->SetGradVertical(vertical);
            button.Colors()->SetGradation(true);
            const QImage shot = Shot(button);
            for (const auto& [i, level] : c.Levels) {
                const QPoint at = vertical ? QPoint(5, i) : QPoint(i, 5);
                EXPECT_EQ(Hex(shot.pixel(at)), Hex(qRgb(level, level, level)))
                    << (vertical ? "vertical" : "horizontal") << " strip pixel " << i;
            }
        }
    }
}

int InkCount(const QImage& shot, QRgb color)
{
    int count = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            count += (shot.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
    return count;
}

// Where a copy of the caption must show: every pixel p whose reference pixel p - offset is
// ink while the reference leaves p itself on the face (the caption on top does not cover it).
// Returns how many such pixels there are and how many of them miss the colour.
struct TCopyCheck {
    int Checked = 0;
    int Missing = 0;
};

TCopyCheck CopyAt(const QImage& reference, QRgb ink, QRgb face, const QImage& shot, QRgb copy, QPoint offset)
{
    TCopyCheck check;
    const auto same = [](QRgb a, QRgb b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); };
    for (int y = 1; y < shot.height() - 1; ++y)
        for (int x = 1; x < shot.width() - 1; ++x) {
            const QPoint p(x, y);
            if (!same(reference.pixel(p - offset), ink) || !same(reference.pixel(p), face))
                continue;
            ++check.Checked;
            check.Missing += !same(shot.pixel(p), copy);
        }
    return check;
}

class ShineCaption : public testing::Test {
protected:
    ShineCaption()
    {
        Button = new B(&Host);
        Button->resize(120, 50);
        Button->SetUpFrame(false);
        Button->Colors()->SetColor(clr::Gray);
        Button->Font()->SetStyle(TFont::fsBold);
        Button->Font()->SetSize(24);
        Button->SetCaption(QStringLiteral("HIH"));
        // Solid text, so that every caption pixel is ink or face. The button's font offers no
        // switch for it; its face is a plain member, so writing through the reference is sound.
        const_cast<QFont&>(Button->Font()->Face()).setStyleStrategy(QFont::NoAntialias);
    }

    // The caption alone in ink: where its solid pixels are.
    QImage Reference(TColor ink)
    {
        Button->Font()->SetColor(ink);
        const QImage shot = Shot(*Button);
        Button->Font()->SetColor(clr::Gray);
        return shot;
    }

    QWidget Host;
    B* Button;
};

TEST_F(ShineCaption, ShadowAndHighlightCopiesLieOnePixelAwayUnderTheCaption)
{
    struct TCase {
        const char* Name;
        TColor Shadow, Highlight, Copy;
        QPoint Offset;
    };
    const std::vector<TCase> cases = {
        {"shadow", clr::Black, clr::None, clr::Black, {1, 1}},
        {"highlight", clr::None, clr::White, clr::White, {-1, -1}},
    };
    for (const TCase& c : cases) {
        const QImage reference = Reference(clr::Red);
        Button->SetFontShadow(c.Shadow);
        Button->SetFontHighlight(c.Highlight);
        // The caption in the face colour lets the copy show wherever the caption is not.
        const TCopyCheck check = CopyAt(reference, Rgb(clr::Red), Rgb(clr::Gray), Shot(*Button), Rgb(c.Copy), c.Offset);
        EXPECT_GT(check.Checked, 20) << c.Name;
        EXPECT_EQ(check.Missing, 0) << c.Name << " of " << check.Checked;
        // In red, the caption covers its copy.
        Button->Font()->SetColor(clr::Red);
        EXPECT_EQ(InkCount(Shot(*Button), Rgb(clr::Red)), InkCount(reference, Rgb(clr::Red))) << c.Name;
        Button->SetFontShadow(clr::None);
        Button->SetFontHighlight(clr::None);
    }
}

TEST_F(ShineCaption, WithBothCopiesTheHighlightLiesOverTheShadow)
{
    const QImage reference = Reference(clr::Red);
    Button->SetFontShadow(clr::Black);
    Button->SetFontHighlight(clr::White);
    const QImage shot = Shot(*Button);
    // Where both copies land and the caption does not (the inner corners of "H").
    const auto ink = [&](QPoint p) { return (reference.pixel(p) & 0xFFFFFF) == (Rgb(clr::Red) & 0xFFFFFF); };
    int both = 0, white = 0;
    for (int y = 1; y < shot.height() - 1; ++y)
        for (int x = 1; x < shot.width() - 1; ++x) {
            const QPoint p(x, y);
            if (ink(p) || !ink(p - QPoint(1, 1)) || !ink(p + QPoint(1, 1)))
                continue;
            ++both;
            white += (shot.pixel(p) & 0xFFFFFF) == (Rgb(clr::White) & 0xFFFFFF);
        }
    EXPECT_GT(both, 0);
    EXPECT_EQ(white, both);
}

TEST_F(ShineCaption, ADisabledCaptionIsDrawnLightOnePixelDownRightThenDarkInPlace)
{
    const QImage reference = Reference(clr::Red);
    Button->setEnabled(false);
    Button->SetDisabledHighlight(clr::White);
    Button->SetDisabledShadow(clr::Gray);
    const TCopyCheck light = CopyAt(reference, Rgb(clr::Red), Rgb(clr::Gray), Shot(*Button), Rgb(clr::White), {1, 1});
    EXPECT_GT(light.Checked, 20);
    EXPECT_EQ(light.Missing, 0);
    Button->SetDisabledShadow(clr::Red);
    EXPECT_EQ(InkCount(Shot(*Button), Rgb(clr::Red)), InkCount(reference, Rgb(clr::Red))) << "the dark copy on top";
}

TEST_F(ShinePainting, ADisabledGlyphIsEmbossedInsideTheEnclosedFrame)
{
    // The edge picture of a dot at (2, 2) marks (1..2, 1..2); it is drawn light one pixel right
    // and down, then dark in place. The 5 by 5 glyph sits at (10, 10) of a 25 by 25 button.
    Button->SetFrameType(TShineSpeedButton::ftEnclosedFrame);
    Button->setEnabled(false);
    const auto dot = DotGlyph();
    Button->SetGlyph(dot.get());
    const QImage shot = Shot(*Button);
    const QRgb face = Rgb(clr::BtnFace);
    const QRgb l = Rgb(clr::BtnHighlight);
    const QRgb d = Rgb(clr::BtnShadow);
    const QRgb expected[5][5] = {
        {face, face, face, face, face},
        {face, d, d, face, face},
        {face, d, d, l, face},
        {face, face, l, l, face},
        {face, face, face, face, face},
    };
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Hex(shot.pixel(10 + x, 10 + y)), Hex(expected[y][x])) << "glyph pixel (" << x << ", " << y << ")";
    EXPECT_EQ(Hex(shot.pixel(0, 12)), Hex(Rgb(clr::WindowFrame))) << "the dark outline";
}

// A parent that paints a two-colour checkerboard of 1-pixel squares.
class TPatterned : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage pattern(width(), height(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                pattern.setPixel(x, y, (x + y) % 2 ? qRgb(0, 128, 0) : qRgb(0, 0, 128));
        QPainter(this).drawImage(0, 0, pattern);
    }
};

TEST(ShineTransparentPainting, ATransparentButtonShowsItsParentBetweenCaptionAndFrame)
{
    TPatterned parent;
    parent.resize(80, 40);
    auto* button = new TShineSpeedButton(&parent);
    button->move(10, 5);
    button->resize(40, 25);
    button->SetTransparent(true);
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(Hex(shot.pixel(30, 17)), Hex(qRgb(0, 128, 0)));
    EXPECT_EQ(Hex(shot.pixel(31, 17)), Hex(qRgb(0, 0, 128)));
    EXPECT_EQ(Hex(shot.pixel(20, 5)), Hex(Rgb(clr::BtnHighlight))) << "the frame is drawn";

    button->SetTransparent(false);
    EXPECT_EQ(Hex(parent.grab().toImage().pixel(30, 17)), Hex(Rgb(clr::BtnFace)));
}

} // namespace

// The button keeps the state glyph, the gradient and the caption's size from one paint to the
// next; a paint after any change of what they show must look as a new button's with the change.
TEST(ShineRepaint, ShowsEveryChangeOfWhatThePaintKeeps)
{
    struct TCase {
        const char* Name;
        B::TShineButtonState State;
        std::function<void(B&)> Change;
    };
    const auto newGlyph = [](B& b) { b.SetGlyph(SolidGlyph(12, 12, qRgb(0, 200, 0)).get()); };
    const std::vector<TCase> cases = {
        {"the shine colour", B::sbUpActive, [](B& b) { b.SetShineColor(clr::Red); }},
        {"the active image", B::sbUpActive, [](B& b) { b.SetActiveImage(B::aiXorLight); }},
        {"a new glyph", B::sbUp, newGlyph},
        {"the glyph's pixels written in place, unreported", B::sbUp,
         [](B& b) { b.Glyph()->ScanLine(4)[4] = 0x0000FF00; }},
        {"the disabled highlight", B::sbDisabled, [](B& b) { b.SetDisabledHighlight(clr::Red); }},
        {"the disabled shadow", B::sbDisabled, [](B& b) { b.SetDisabledShadow(clr::Blue); }},
        {"the face colour of a dimmed glyph", B::sbDisabled,
         [](B& b) {
             b.SetDisabledImage(B::diAlphaHalfTrans);
             b.Colors()->SetColor(clr::Maroon);
         }},
        {"the gradient's end", B::sbUp, [](B& b) { b.Colors()->SetGradColor(clr::Lime); }},
        {"the gradient's direction", B::sbUp, [](B& b) { b.Colors()->SetGradVertical(true); }},
        {"the down colours' gradient", B::sbDown, [](B& b) { b.PressedColors()->SetGradColor(clr::Red); }},
        {"the size", B::sbUp, [](B& b) { b.resize(70, 40); }},
        {"the caption", B::sbUp, [](B& b) { b.SetCaption(QStringLiteral("Longer &caption")); }},
        {"the font's size", B::sbUp, [](B& b) { b.Font()->SetSize(14); }},
        {"the layout direction", B::sbUp, [](B& b) { b.setLayoutDirection(Qt::RightToLeft); }},
    };
    // Each button is led into the case's state by the input that leads there; the two are in
    // groups of their own, so that latching one leaves the other alone.
    const auto setUp = [](B& b, B::TShineButtonState state, int group) {
        b.resize(100, 30);
        b.SetCaption(QStringLiteral("&Shine"));
        b.Colors()->SetColor(clr::White);
        b.Colors()->SetGradColor(clr::Navy);
        b.Colors()->SetGradation(true);
        b.PressedColors()->SetGradColor(clr::Teal);
        b.PressedColors()->SetGradation(true);
        b.SetGlyph(SolidGlyph(10, 10, qRgb(200, 40, 40)).get());
        b.setEnabled(state != B::sbDisabled);
        if (state == B::sbDown)
            Latch(b, group);
    };
    const auto lead = [](B& b, B::TShineButtonState state) {
        if (state == B::sbUpActive)
            Hover(b);
    };
    for (const TCase& c : cases) {
        QWidget host;
        host.resize(300, 60);
        auto* kept = new B(&host);
        auto* fresh = new B(&host);
        fresh->move(150, 0);
        setUp(*kept, c.State, 1);
        lead(*kept, c.State);
        ASSERT_EQ(kept->State(), c.State) << c.Name;
        Shot(*kept);
        c.Change(*kept);
        ASSERT_EQ(kept->State(), c.State) << c.Name;
        const QImage keptShot = Shot(*kept);

        setUp(*fresh, c.State, 2);
        c.Change(*fresh);
        lead(*fresh, c.State);
        ASSERT_EQ(fresh->State(), c.State) << c.Name;
        EXPECT_EQ(keptShot, Shot(*fresh)) << c.Name;
    }
}

// A system colour is resolved through the palette at each paint, kept pictures included.
TEST(ShineRepaint, ShowsANewPaletteForASystemColour)
{
    QWidget host;
    const auto make = [&host] {
        auto* button = new B(&host);
        button->resize(60, 30);
        button->Colors()->SetColor(clr::BtnFace);
        button->Colors()->SetGradColor(clr::White);
        button->Colors()->SetGradation(true);
        button->SetDisabledImage(TShineSpeedButton::diAlphaHalfTrans);
        button->SetGlyph(SolidGlyph(10, 10, qRgb(200, 40, 40)).get());
        button->setEnabled(false);
        return button;
    };
    B* kept = make();
    const QImage before = Shot(*kept);

    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::Button, QColor(10, 90, 30));
    QApplication::setPalette(changed);
    const QImage afterChange = Shot(*kept);
    const QImage expected = Shot(*make());
    QApplication::setPalette(original);
    EXPECT_NE(before, expected) << "the palette change shows nowhere: the case proves nothing";
    EXPECT_EQ(afterChange, expected);
}
