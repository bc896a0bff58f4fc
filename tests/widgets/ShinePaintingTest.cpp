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

// Opens the draw state and the layout step.
class TProbe : public TShineSpeedButton {
public:
    using TShineSpeedButton::TShineSpeedButton;
    using TShineSpeedButton::CalcDrawPosition;
    using TShineSpeedButton::FState;

    QImage Shot() { return grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

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
        Button = new TProbe(&Host);
    }

    QWidget Host;
    TProbe* Button;
};

struct TFrameCase {
    const char* Name;
    std::function<void(TProbe&)> Setup;
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
         [](TProbe&) {},
         {{{12, 12}, clr::BtnFace}, {{5, 0}, clr::BtnHighlight}, {{0, 5}, clr::BtnHighlight},
          {{0, 0}, clr::BtnHighlight}, {{23, 0}, clr::BtnHighlight}, {{5, 24}, clr::WindowFrame},
          {{24, 5}, clr::WindowFrame}, {{24, 24}, clr::WindowFrame}, {{5, 23}, clr::BtnShadow},
          {{23, 5}, clr::BtnShadow}, {{1, 1}, clr::BtnFace}, {{24, 0}, clr::BtnFace},
          {{0, 24}, clr::BtnFace}}},
        {"held down with the pointer over it: the pressed set, sunken",
         [](TProbe& b) { b.FState = TShineSpeedButton::sbDownActive; },
         {{{12, 12}, clr::BtnHighlight}, {{5, 1}, clr::BtnShadow}, {{1, 5}, clr::BtnShadow},
          {{5, 0}, clr::WindowFrame}, {{0, 5}, clr::WindowFrame}, {{5, 24}, clr::BtnHighlight},
          {{24, 5}, clr::BtnHighlight}, {{24, 0}, clr::BtnHighlight}}},
        {"ActiveFrame off, pointer over it: no frame",
         [](TProbe& b) {
             b.SetActiveFrame(false);
             b.FState = TShineSpeedButton::sbUpActive;
         },
         {{{5, 0}, clr::BtnFace}, {{5, 24}, clr::BtnFace}, {{5, 23}, clr::BtnFace}}},
        {"ActiveFrame off, held down with the pointer over it: no frame",
         [](TProbe& b) {
             b.SetActiveFrame(false);
             b.FState = TShineSpeedButton::sbDownActive;
         },
         {{{5, 0}, clr::BtnHighlight}, {{5, 1}, clr::BtnHighlight}, {{5, 24}, clr::BtnHighlight}}},
        {"ActiveFrame off, pointer gone: the frame is back",
         [](TProbe& b) { b.SetActiveFrame(false); },
         {{{5, 0}, clr::BtnHighlight}, {{5, 24}, clr::WindowFrame}}},
        {"DownFrame off, latched down: no frame",
         [](TProbe& b) {
             b.SetDownFrame(false);
             b.FState = TShineSpeedButton::sbDown;
         },
         {{{5, 0}, clr::BtnHighlight}, {{5, 24}, clr::BtnHighlight}, {{5, 1}, clr::BtnHighlight}}},
        {"flat frame, up",
         [](TProbe& b) { b.SetFrameType(TShineSpeedButton::ftFlatFrame); },
         {{{5, 0}, clr::BtnHighlight}, {{5, 24}, clr::BtnShadow}, {{24, 5}, clr::BtnShadow},
          {{5, 23}, clr::BtnFace}, {{24, 0}, clr::BtnFace}}},
        {"flat frame, held down: sunken, shadow above and left",
         [](TProbe& b) {
             b.SetFrameType(TShineSpeedButton::ftFlatFrame);
             b.PressedColors()->SetColor(clr::Gray);
             b.FState = TShineSpeedButton::sbDownActive;
         },
         {{{5, 0}, clr::BtnShadow}, {{0, 5}, clr::BtnShadow}, {{5, 24}, clr::BtnHighlight},
          {{24, 5}, clr::BtnHighlight}, {{12, 12}, clr::Gray}}},
        {"enclosed frame, held down: the inset bevel sunken",
         [](TProbe& b) {
             b.SetFrameType(TShineSpeedButton::ftEnclosedFrame);
             b.PressedColors()->SetColor(clr::Gray);
             b.FState = TShineSpeedButton::sbDown;
         },
         {{{0, 0}, clr::WindowFrame}, {{5, 1}, clr::BtnShadow}, {{1, 5}, clr::BtnShadow},
          {{5, 23}, clr::BtnHighlight}, {{23, 5}, clr::BtnHighlight}, {{12, 12}, clr::Gray}}},
        {"enclosed frame, disabled: dark outline round an inset bevel",
         [](TProbe& b) {
             b.SetFrameType(TShineSpeedButton::ftEnclosedFrame);
             b.setEnabled(false);
         },
         {{{0, 0}, clr::WindowFrame}, {{24, 0}, clr::WindowFrame}, {{0, 24}, clr::WindowFrame},
          {{12, 24}, clr::WindowFrame}, {{5, 1}, clr::BtnHighlight}, {{1, 5}, clr::BtnHighlight},
          {{5, 23}, clr::BtnShadow}, {{23, 5}, clr::BtnShadow}, {{12, 12}, clr::BtnFace}}},
    };
    for (const TFrameCase& c : cases) {
        QWidget host;
        TProbe button(&host);
        c.Setup(button);
        const QImage shot = button.Shot();
        for (const auto& [at, color] : c.Expected)
            EXPECT_EQ(Hex(shot.pixel(at)), Hex(Rgb(color))) << c.Name << " at (" << at.x() << ", " << at.y() << ")";
    }
}

TEST_F(ShinePainting, AGlyphIsCentredAndMovesOnePixelWhenDown)
{
    const auto glyph = SolidGlyph(16, 16, qRgb(200, 0, 0));
    Button->SetGlyph(glyph.get());
    QImage shot = Button->Shot();
    EXPECT_EQ(Hex(shot.pixel(4, 4)), "c80000");
    EXPECT_EQ(Hex(shot.pixel(3, 4)), Hex(Rgb(clr::BtnFace)));
    EXPECT_EQ(Hex(shot.pixel(4, 3)), Hex(Rgb(clr::BtnFace)));
    EXPECT_EQ(Hex(shot.pixel(4, 19)), Hex(Rgb(clr::BtnFace))) << "the key colour is not drawn";

    Button->FState = TShineSpeedButton::sbDown;
    shot = Button->Shot();
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
    using B = TShineSpeedButton;
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
    for (const TLayoutCase& c : cases) {
        const auto glyph = SolidGlyph(16, c.GlyphHeight, qRgb(200, 0, 0));
        QWidget host;
        TProbe button(&host);
        button.resize(c.Button);
        button.SetLayout(c.Layout);
        button.SetMargin(c.Margin);
        if (c.Glyph)
            button.SetGlyph(glyph.get());
        if (c.Caption)
            button.SetCaption(caption);
        QImage surface(c.Button, QImage::Format_RGB32);
        QPainter canvas(&surface);
        canvas.setFont(button.Font()->Face());
        ASSERT_EQ(canvas.fontMetrics().size(Qt::TextShowMnemonic, caption), QSize(30, 13))
            << "the table is written for a 30 by 13 caption";
        QPoint glyphAt;
        QRect text;
        button.CalcDrawPosition(canvas, glyphAt, text);
        if (c.Glyph) {
            EXPECT_EQ(glyphAt, c.GlyphAt) << c.Name;
        }
        if (c.Caption) {
            EXPECT_EQ(text, c.Text) << c.Name;
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
            TProbe button(&host);
            // One button pixel per strip pixel; no frame over the ends.
            button.resize(vertical ? QSize(10, 256) : QSize(256, 10));
            button.SetUpFrame(false);
            button.Colors()->SetColor(c.From);
            button.Colors()->SetGradColor(c.To);
            button.Colors()->SetGradVertical(vertical);
            button.Colors()->SetGradation(true);
            const QImage shot = button.Shot();
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
        Button = new TProbe(&Host);
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
        const QImage shot = Button->Shot();
        Button->Font()->SetColor(clr::Gray);
        return shot;
    }

    QWidget Host;
    TProbe* Button;
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
        const TCopyCheck check = CopyAt(reference, Rgb(clr::Red), Rgb(clr::Gray), Button->Shot(), Rgb(c.Copy), c.Offset);
        EXPECT_GT(check.Checked, 20) << c.Name;
        EXPECT_EQ(check.Missing, 0) << c.Name << " of " << check.Checked;
        // In red, the caption covers its copy.
        Button->Font()->SetColor(clr::Red);
        EXPECT_EQ(InkCount(Button->Shot(), Rgb(clr::Red)), InkCount(reference, Rgb(clr::Red))) << c.Name;
        Button->SetFontShadow(clr::None);
        Button->SetFontHighlight(clr::None);
    }
}

TEST_F(ShineCaption, WithBothCopiesTheHighlightLiesOverTheShadow)
{
    const QImage reference = Reference(clr::Red);
    Button->SetFontShadow(clr::Black);
    Button->SetFontHighlight(clr::White);
    const QImage shot = Button->Shot();
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
    const TCopyCheck light = CopyAt(reference, Rgb(clr::Red), Rgb(clr::Gray), Button->Shot(), Rgb(clr::White), {1, 1});
    EXPECT_GT(light.Checked, 20);
    EXPECT_EQ(light.Missing, 0);
    Button->SetDisabledShadow(clr::Red);
    EXPECT_EQ(InkCount(Button->Shot(), Rgb(clr::Red)), InkCount(reference, Rgb(clr::Red))) << "the dark copy on top";
}

TEST_F(ShinePainting, ADisabledGlyphIsEmbossedInsideTheEnclosedFrame)
{
    // The edge picture of a dot at (2, 2) marks (1..2, 1..2); it is drawn light one pixel right
    // and down, then dark in place. The 5 by 5 glyph sits at (10, 10) of a 25 by 25 button.
    Button->SetFrameType(TShineSpeedButton::ftEnclosedFrame);
    Button->setEnabled(false);
    const auto dot = DotGlyph();
    Button->SetGlyph(dot.get());
    const QImage shot = Button->Shot();
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
        TShineSpeedButton::TShineButtonState State;
        std::function<void(TProbe&)> Change;
    };
    const auto newGlyph = [](TProbe& b) { b.SetGlyph(SolidGlyph(12, 12, qRgb(0, 200, 0)).get()); };
    const std::vector<TCase> cases = {
        {"the shine colour", TShineSpeedButton::sbUpActive, [](TProbe& b) { b.SetShineColor(clr::Red); }},
        {"the active image", TShineSpeedButton::sbUpActive, [](TProbe& b) { b.SetActiveImage(TShineSpeedButton::aiXorLight); }},
        {"a new glyph", TShineSpeedButton::sbUp, newGlyph},
        {"the glyph's pixels written in place, unreported", TShineSpeedButton::sbUp,
         [](TProbe& b) { b.Glyph()->ScanLine(4)[4] = 0x0000FF00; }},
        {"the disabled highlight", TShineSpeedButton::sbDisabled, [](TProbe& b) { b.SetDisabledHighlight(clr::Red); }},
        {"the disabled shadow", TShineSpeedButton::sbDisabled, [](TProbe& b) { b.SetDisabledShadow(clr::Blue); }},
        {"the face colour of a dimmed glyph", TShineSpeedButton::sbDisabled,
         [](TProbe& b) {
             b.SetDisabledImage(TShineSpeedButton::diAlphaHalfTrans);
             b.Colors()->SetColor(clr::Maroon);
         }},
        {"the gradient's end", TShineSpeedButton::sbUp, [](TProbe& b) { b.Colors()->SetGradColor(clr::Lime); }},
        {"the gradient's direction", TShineSpeedButton::sbUp, [](TProbe& b) { b.Colors()->SetGradVertical(true); }},
        {"the down colours' gradient", TShineSpeedButton::sbDown, [](TProbe& b) { b.PressedColors()->SetGradColor(clr::Red); }},
        {"the size", TShineSpeedButton::sbUp, [](TProbe& b) { b.resize(70, 40); }},
        {"the caption", TShineSpeedButton::sbUp, [](TProbe& b) { b.SetCaption(QStringLiteral("Longer &caption")); }},
        {"the font's size", TShineSpeedButton::sbUp, [](TProbe& b) { b.Font()->SetSize(14); }},
        {"the layout direction", TShineSpeedButton::sbUp, [](TProbe& b) { b.setLayoutDirection(Qt::RightToLeft); }},
    };
    const auto setUp = [](TProbe& b, TShineSpeedButton::TShineButtonState state) {
        b.resize(100, 30);
        b.SetCaption(QStringLiteral("&Shine"));
        b.Colors()->SetColor(clr::White);
        b.Colors()->SetGradColor(clr::Navy);
        b.Colors()->SetGradation(true);
        b.PressedColors()->SetGradColor(clr::Teal);
        b.PressedColors()->SetGradation(true);
        b.SetGlyph(SolidGlyph(10, 10, qRgb(200, 40, 40)).get());
        b.setEnabled(state != TShineSpeedButton::sbDisabled);
        b.FState = state;
    };
    for (const TCase& c : cases) {
        QWidget host;
        host.resize(120, 60);
        auto* kept = new TProbe(&host);
        setUp(*kept, c.State);
        kept->Shot();
        c.Change(*kept);
        auto* fresh = new TProbe(&host);
        setUp(*fresh, c.State);
        c.Change(*fresh);
        kept->FState = fresh->FState = c.State;
        EXPECT_EQ(kept->Shot(), fresh->Shot()) << c.Name;
    }
}

// A system colour is resolved through the palette at each paint, kept pictures included.
TEST(ShineRepaint, ShowsANewPaletteForASystemColour)
{
    QWidget host;
    const auto make = [&host] {
        auto* button = new TProbe(&host);
        button->resize(60, 30);
        button->Colors()->SetColor(clr::BtnFace);
        button->Colors()->SetGradColor(clr::White);
        button->Colors()->SetGradation(true);
        button->SetDisabledImage(TShineSpeedButton::diAlphaHalfTrans);
        button->SetGlyph(SolidGlyph(10, 10, qRgb(200, 40, 40)).get());
        button->setEnabled(false);
        return button;
    };
    TProbe* kept = make();
    const QImage before = kept->Shot();

    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::Button, QColor(10, 90, 30));
    QApplication::setPalette(changed);
    const QImage afterChange = kept->Shot();
    const QImage expected = make()->Shot();
    QApplication::setPalette(original);
    EXPECT_NE(before, expected) << "the palette change shows nowhere: the case proves nothing";
    EXPECT_EQ(afterChange, expected);
}
