// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "widgets/StateGlyph.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using namespace TarvoWidgets;

// The state glyphs as pictures: a glyph is written one character per pixel, and so is the
// result it must give, with one legend of colours for both.
namespace {

using Button = TShineSpeedButton;
using TPicture = std::vector<std::string>;

const std::map<char, std::uint32_t> Legend = {
    {'.', 0x000000}, // black, the background of most glyphs
    {'m', 0xFF00FF}, // magenta, the background of the others
    {'w', 0xFFFFFF}, // white
    {'y', 0xFFFF00}, // yellow, the default shine colour
    {'b', 0x0000FF}, // blue
    {'r', 0xFF0000}, // red
    {'o', 0xC86400}, // (200, 100, 0)
    {'i', 0x379BFF}, // (55, 155, 255): 'o' inverted
    {'h', 0x7F7F7F}, // (127, 127, 127)
    {'q', 0xBFBF00}, // (191, 191, 0)
    {'c', 0x0A141F}, // (10, 20, 31)
    {'g', 0x141414}, // (20, 20, 20)
    {'f', 0x646464}, // (100, 100, 100), the face colour of the disabled cases
    {'p', 0xC80032}, // (200, 0, 50)
    {'P', 0x96324B}, // (150, 50, 75): 'p' halfway to 'f'
    {'Q', 0x7D4B57}, // (125, 75, 87): 'p' three quarters of the way to 'f'
};

std::unique_ptr<TBitmap> Glyph(const TPicture& rows)
{
    QImage image(int(rows.front().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, 0xFF000000 | Legend.at(rows[y][x]));
    auto glyph = std::make_unique<TBitmap>();
    glyph->SetImage(image);
    glyph->SetPixelFormat(TBitmap::pf32bit);
    return glyph;
}

// The picture of a result as the canvas reads it; a colour outside the legend shows as its
// hex value in braces.
TPicture PictureOf(const TBitmap& bitmap)
{
    TPicture rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            const TColor c = bitmap.Pixel(x, y);
            const std::uint32_t pixel = std::uint32_t(RedOf(c)) << 16 | GreenOf(c) << 8 | BlueOf(c);
            auto found = std::find_if(Legend.begin(), Legend.end(), [&](auto& e) { return e.second == pixel; });
            row += found != Legend.end() ? std::string(1, found->first)
                                         : "{" + QString::number(pixel, 16).toStdString() + "}";
        }
        rows.push_back(row);
    }
    return rows;
}

TStateGlyphLook Active(Button::TActiveImageType mode, std::uint32_t shine = 0xFFFF00)
{
    return {Button::sbUpActive, mode, Button::diDefault, shine, 0};
}

TStateGlyphLook Disabled(Button::TDisabledImageType mode, std::uint32_t face = 0x646464)
{
    return {Button::sbDisabled, Button::aiFrameLight, mode, 0xFFFF00, face};
}

struct TCase {
    const char* Name;
    TStateGlyphLook Look;
    TPicture Glyph;
    TPicture Expected;
};

void PrintTo(const TCase& c, std::ostream* out) { *out << c.Name; }

class StateGlyphPicture : public testing::TestWithParam<TCase> {};

TEST_P(StateGlyphPicture, GivesItsPicture)
{
    const TCase& c = GetParam();
    const std::unique_ptr<TBitmap> glyph = Glyph(c.Glyph);
    const std::unique_ptr<TBitmap> result = MakeStateGlyph(*glyph, c.Look);
    ASSERT_TRUE(result);
    EXPECT_EQ(PictureOf(*result), c.Expected);
    EXPECT_TRUE(result->Transparent());
    // The glyph itself is never touched.
    EXPECT_EQ(PictureOf(*glyph), c.Glyph);
}

const TPicture Mixed = {
    ".o.",
    "bwr",
    ".o.",
};
const TPicture Dot5 = {
    ".....",
    ".....",
    "..o..",
    ".....",
    ".....",
};

INSTANTIATE_TEST_SUITE_P(
    UnlitStates, StateGlyphPicture,
    testing::Values(
        TCase{"up", {Button::sbUp, Button::aiXorLight, Button::diGrayscale, 0xFFFFFF, 0}, Mixed, Mixed},
        TCase{"down", {Button::sbDown, Button::aiXorLight, Button::diGrayscale, 0xFFFFFF, 0}, Mixed, Mixed},
        TCase{"active, aiNormal", Active(Button::aiNormal), Mixed, Mixed}),
    [](const auto& info) { return std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    PerPixel, StateGlyphPicture,
    testing::Values(
        TCase{"xor with black changes nothing", Active(Button::aiXorLight, 0x000000), Mixed, Mixed},
        TCase{"xor with white inverts the opaque pixels", Active(Button::aiXorLight, 0xFFFFFF),
              {".o.", "bwr", ".o."}, {".i.", "y.{ffff}", ".i."}},
        TCase{"add caps at 255", Active(Button::aiAddLight), {"o.", ".."}, {"y.", ".."}},
        TCase{"half light", Active(Button::aiHalfLight), {"b.", ".."}, {"h.", ".."}},
        // A black pixel is opaque on a magenta background.
        TCase{"quarter light", Active(Button::aiQuaterLight), {".m", "mm"}, {"qm", "mm"}},
        TCase{"greyscale", Disabled(Button::diGrayscale), {"c.", ".."}, {"g.", ".."}},
        TCase{"half way to the face", Disabled(Button::diAlphaHalfTrans), {"p.", ".."}, {"P.", ".."}},
        TCase{"three quarters to the face", Disabled(Button::diAlphaQuaterTrans), {"p.", ".."}, {"Q.", ".."}}),
    [](const auto& info) { return std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    Outline, StateGlyphPicture,
    testing::Values(
        TCase{"one pixel ring", Active(Button::aiFrameLight), Dot5,
              {".....",
               "..y..",
               ".yoy.",
               "..y..",
               "....."}},
        TCase{"two pixel ring", Active(Button::aiFrameLight2), Dot5,
              {"..y..",
               ".yyy.",
               "yyoyy",
               ".yyy.",
               "..y.."}},
        // Only the glyph is read: a pixel of the ring never makes a ring of its own.
        TCase{"at the top edge", Active(Button::aiFrameLight),
              {".o..",
               "....",
               "...."},
              {"yoy.",
               ".y..",
               "...."}},
        TCase{"two pixels at the right edge", Active(Button::aiFrameLight2),
              {"....",
               "...o",
               "....",
               "...."},
              {"..yy",
               ".yyo",
               "..yy",
               "...y"}},
        // A border between two opaque colours gets no ring; the ring hugs the whole shape.
        TCase{"around a two colour shape", Active(Button::aiFrameLight),
              {"....",
               ".rb.",
               "...."},
              {".yy.",
               "yrby",
               ".yy."}}),
    [](const auto& info) { return std::to_string(info.index); });

const TPicture Full4x4 = {"wwww", "wwww", "wwww", ".www"};
const TPicture Full4x3 = {"wwww", "wwww", ".www"};
const TPicture Full3x3 = {"www", "www", ".ww"};
const TPicture Full3x4 = {"www", "www", "www", ".ww"};

INSTANTIATE_TEST_SUITE_P(
    Dither, StateGlyphPicture,
    testing::Values(
        // Both sides even or both odd: a checkerboard, x + y odd.
        TCase{"4 by 4", Active(Button::aiMaskLight), Full4x4, {"wywy", "ywyw", "wywy", ".wyw"}},
        TCase{"3 by 3", Active(Button::aiMaskLight), Full3x3, {"wyw", "ywy", ".yw"}},
        // One side even, the other odd: columns, x odd.
        TCase{"4 wide, 3 high", Active(Button::aiMaskLight), Full4x3, {"wywy", "wywy", ".ywy"}},
        TCase{"3 wide, 4 high", Active(Button::aiMaskLight), Full3x4, {"wyw", "wyw", "wyw", ".yw"}},
        TCase{"made transparent", Disabled(Button::diMaskTrans), Full4x3, {"w.w.", "w.w.", "..w."}},
        // The counter steps over transparent pixels too.
        TCase{"holes keep the pattern", Active(Button::aiMaskLight), {"w.ww", "ww.w", ".www"},
              {"w.wy", "wy.y", ".ywy"}}),
    [](const auto& info) { return std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    EdgeMap, StateGlyphPicture,
    testing::Values(
        TCase{"a single pixel", Disabled(Button::diDefault), Dot5,
              {".....",
               ".ww..",
               ".ww..",
               ".....",
               "....."}},
        // The key colour plays no part: a border between two opaque colours is an edge too, and
        // the last row and column stay black.
        TCase{"two colours", Disabled(Button::diDefault),
              {"rrbb",
               "rrbb",
               "mmmm"},
              {".w..",
               "www.",
               "...."}},
        TCase{"one colour only", Disabled(Button::diDefault), {"ooo", "ooo"}, {"...", "..."}}),
    [](const auto& info) { return std::to_string(info.index); });

// The bottom-left pixel names the background, whatever its colour.
INSTANTIATE_TEST_SUITE_P(
    KeyColour, StateGlyphPicture,
    testing::Values(
        TCase{"xor", Active(Button::aiXorLight, 0xFFFFFF), {"m.", "mm"}, {"mw", "mm"}},
        TCase{"half light", Active(Button::aiHalfLight), {"bm", "mm"}, {"hm", "mm"}},
        TCase{"outline", Active(Button::aiFrameLight), {"mmm", "m.m", "mmm"}, {"mym", "y.y", "mym"}},
        TCase{"dither", Active(Button::aiMaskLight), {"..", "m."}, {".y", "m."}},
        TCase{"greyscale", Disabled(Button::diGrayscale), {"mc", "mm"}, {"mg", "mm"}},
        TCase{"made transparent", Disabled(Button::diMaskTrans), {"..", "m."}, {".m", "m."}},
        // A glyph of the key colour only has nothing to change.
        TCase{"one colour", Active(Button::aiFrameLight2), {"mm", "mm"}, {"mm", "mm"}}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(StateGlyph, EmptyGlyphGivesNone)
{
    EXPECT_FALSE(MakeStateGlyph(TBitmap(), Active(Button::aiFrameLight)));
}

TEST(StateGlyph, TransparentColourIsTheKeyColour)
{
    struct TKeyCase {
        const char* Name;
        TStateGlyphLook Look;
        TColor Expected;
    };
    const TPicture glyph = {"bo", "mb"};
    for (const TKeyCase& c : {
             TKeyCase{"up", {Button::sbUp}, clr::Fuchsia},
             TKeyCase{"xor", Active(Button::aiXorLight), clr::Fuchsia},
             TKeyCase{"greyscale", Disabled(Button::diGrayscale), clr::Fuchsia},
             TKeyCase{"made transparent", Disabled(Button::diMaskTrans), clr::Fuchsia},
             // The stencil has black in its corner but is drawn by its set bits.
             TKeyCase{"edge map", Disabled(Button::diDefault), clr::Black},
         }) {
        SCOPED_TRACE(c.Name);
        const std::unique_ptr<TBitmap> result = MakeStateGlyph(*Glyph(glyph), c.Look);
        EXPECT_EQ(result->TransparentColor(), c.Expected);
        EXPECT_EQ(result->PixelFormat(), c.Expected == clr::Black ? TBitmap::pf1bit : TBitmap::pfDevice);
    }
}

// Drawn over a grey canvas, the background lets the grey through and the ring shows whole.
TPicture DrawnOverGrey(const TBitmap& result)
{
    QImage canvas(result.Width(), result.Height(), QImage::Format_RGB32);
    canvas.fill(QColor(0x64, 0x64, 0x64));
    {
        QPainter painter(&canvas);
        result.Draw(painter, 0, 0);
    }
    TBitmap drawn;
    drawn.SetImage(canvas);
    return PictureOf(drawn);
}

TEST(StateGlyph, OutlineReachingTheKeyCornerStaysVisible)
{
    // The ring covers the bottom-left pixel, the one that names the background.
    const TPicture glyph = {"...", "o..", "..."};
    for (const auto mode : {Button::aiFrameLight, Button::aiFrameLight2}) {
        SCOPED_TRACE(int(mode));
        const std::unique_ptr<TBitmap> result = MakeStateGlyph(*Glyph(glyph), Active(mode));
        EXPECT_EQ(PictureOf(*result)[2][0], 'y');
        EXPECT_EQ(result->TransparentColor(), clr::Black);
        const TPicture expected = mode == Button::aiFrameLight ? TPicture{"yff", "oyf", "yff"}
                                                               : TPicture{"yyf", "oyy", "yyf"};
        EXPECT_EQ(DrawnOverGrey(*result), expected);
    }
}

} // namespace
