// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "widgets/StateGlyph.h"

#include <algorithm>
#include <vector>

namespace TarvoWidgets {

namespace {

using TPixel = std::uint32_t;
using Button = TShineSpeedButton;

constexpr TPixel RgbMask = 0x00FFFFFF;
constexpr TPixel White = 0x00FFFFFF;
constexpr TPixel Black = 0;

constexpr int Red(TPixel p) { return (p >> 16) & 0xFF; }
constexpr int Green(TPixel p) { return (p >> 8) & 0xFF; }
constexpr int Blue(TPixel p) { return p & 0xFF; }
constexpr TPixel Pixel(int r, int g, int b) { return TPixel(r) << 16 | TPixel(g) << 8 | TPixel(b); }

// The same rule applied to each channel of a pixel and of the colour it works with.
template <typename TRule> TPixel PerChannel(TPixel p, TPixel with, TRule rule)
{
    return Pixel(rule(Red(p), Red(with)), rule(Green(p), Green(with)), rule(Blue(p), Blue(with)));
}

// The glyph's pictures always have the widgets' 32-bit words; a copy is made only for one
// handed in some other way.
struct TRows {
    explicit TRows(const TBitmap& glyph)
        : Source(&glyph)
    {
        if (glyph.PixelFormat() != TBitmap::pf32bit) {
            Copy = std::make_unique<TBitmap>();
            Copy->Assign(glyph);
            Copy->SetPixelFormat(TBitmap::pf32bit);
            Source = Copy.get();
        }
    }
    const TPixel* operator[](int row) const { return Source->ScanLine(row); }

    std::unique_ptr<TBitmap> Copy;
    const TBitmap* Source;
};

// Replaces every opaque pixel of result by change(pixel), row by row.
template <typename TChange> void EachOpaquePixel(TBitmap& result, TPixel key, TChange change)
{
    const int width = result.Width();
    for (int y = 0; y < result.Height(); ++y) {
        TPixel* row = result.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            const TPixel p = row[x] & RgbMask;
            if (p != key)
                row[x] = change(p);
        }
    }
}

// Every other opaque pixel becomes by. The counter runs over transparent pixels too, and once
// more at each row's end when the height is even, which gives a checkerboard or stripes
// depending on the sizes.
void Dither(TBitmap& result, TPixel key, TPixel by)
{
    const int width = result.Width();
    const int height = result.Height();
    unsigned n = 0;
    for (int y = 0; y < height; ++y) {
        TPixel* row = result.ScanLine(y);
        for (int x = 0; x < width; ++x, ++n)
            if ((n & 1) && (row[x] & RgbMask) != key)
                row[x] = by;
        if (height % 2 == 0)
            ++n;
    }
}

// A ring of the shine colour around the shape on the background: the transparent pixels next
// to an opaque one, and with two pixels also the transparent neighbours of those. Only the
// glyph is read, so the result does not depend on the order of the scan.
void Outline(TBitmap& result, const TRows& glyph, TPixel key, TPixel shine, bool twoPixels)
{
    const int width = result.Width();
    const int height = result.Height();
    // The glyph's opaque pixels, framed by a border of transparent ones so that a neighbour
    // test needs no bounds.
    const int stride = width + 2;
    std::vector<std::uint8_t> opaque(std::size_t(stride) * (height + 2), 0);
    for (int y = 0; y < height; ++y) {
        const TPixel* row = glyph[y];
        std::uint8_t* flags = &opaque[std::size_t(y + 1) * stride + 1];
        for (int x = 0; x < width; ++x)
            flags[x] = (row[x] & RgbMask) != key;
    }
    const auto at = [&](int x, int y) { return opaque[std::size_t(y + 1) * stride + x + 1] != 0; };
    std::vector<TPixel*> rows(height);
    for (int y = 0; y < height; ++y)
        rows[y] = result.ScanLine(y);
    const auto paint = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < width && y < height && !at(x, y))
            rows[y][x] = shine;
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (at(x, y) || !(at(x + 1, y) || at(x - 1, y) || at(x, y + 1) || at(x, y - 1)))
                continue;
            rows[y][x] = shine;
            if (twoPixels) {
                paint(x + 1, y);
                paint(x - 1, y);
                paint(x, y + 1);
                paint(x, y - 1);
            }
        }
}

// White at the top-left pixel of every 2 by 2 block whose diagonal pairs differ, on black: the
// edges of the picture, between any two colours, with the key colour playing no part.
void EdgeMap(TBitmap& result, const TRows& glyph)
{
    const int width = result.Width();
    const int height = result.Height();
    for (int y = 0; y < height; ++y) {
        TPixel* row = result.ScanLine(y);
        std::fill(row, row + width, Black);
        if (y == height - 1)
            break;
        const TPixel* top = glyph[y];
        const TPixel* bottom = glyph[y + 1];
        for (int x = 0; x + 1 < width; ++x)
            if (((top[x] ^ bottom[x + 1]) & RgbMask) || ((top[x + 1] ^ bottom[x]) & RgbMask))
                row[x] = White;
    }
}

// Every opaque pixel taken half or three quarters of the way towards a colour: the shine
// colour lights, the face colour dims.
void HalfWay(TBitmap& result, TPixel key, TPixel to)
{
    EachOpaquePixel(result, key, [to](TPixel p) {
        return PerChannel(p, to, [](int c, int with) { return (with + c) / 2; });
    });
}

void ThreeQuartersWay(TBitmap& result, TPixel key, TPixel to)
{
    EachOpaquePixel(result, key, [to](TPixel p) {
        return PerChannel(p, to, [](int c, int with) { return (3 * with + c) / 4; });
    });
}

void ActiveLook(TBitmap& result, const TRows& glyph, TPixel key, const TStateGlyphLook& look)
{
    const TPixel s = look.Shine & RgbMask;
    switch (look.ActiveImage) {
    case Button::aiNormal:
        break;
    case Button::aiXorLight:
        EachOpaquePixel(result, key, [s](TPixel p) { return p ^ s; });
        break;
    case Button::aiHalfLight:
        HalfWay(result, key, s);
        break;
    case Button::aiQuaterLight:
        ThreeQuartersWay(result, key, s);
        break;
    case Button::aiAddLight:
        EachOpaquePixel(result, key, [s](TPixel p) {
            return PerChannel(p, s, [](int c, int with) { return std::min(with + c, 255); });
        });
        break;
    case Button::aiFrameLight:
    case Button::aiFrameLight2:
        Outline(result, glyph, key, s, look.ActiveImage == Button::aiFrameLight2);
        break;
    case Button::aiMaskLight:
        Dither(result, key, s);
        break;
    }
}

void DisabledLook(TBitmap& result, const TRows& glyph, TPixel key, const TStateGlyphLook& look)
{
    const TPixel f = look.Face & RgbMask;
    switch (look.DisabledImage) {
    case Button::diDefault:
        EdgeMap(result, glyph);
        break;
    case Button::diGrayscale:
        EachOpaquePixel(result, key, [](TPixel p) {
            const int grey = (Red(p) + Green(p) + Blue(p)) / 3;
            return Pixel(grey, grey, grey);
        });
        break;
    case Button::diAlphaHalfTrans:
        HalfWay(result, key, f);
        break;
    case Button::diAlphaQuaterTrans:
        ThreeQuartersWay(result, key, f);
        break;
    case Button::diMaskTrans:
        Dither(result, key, key);
        break;
    }
}

} // namespace

std::unique_ptr<TBitmap> MakeStateGlyph(const TBitmap& glyph, const TStateGlyphLook& look)
{
    if (glyph.Empty())
        return nullptr;
    const TRows rows(glyph);
    const TPixel key = rows[glyph.Height() - 1][0] & RgbMask;

    auto result = std::make_unique<TBitmap>();
    result->Assign(*rows.Source);
    if (look.State == Button::sbDownActive || look.State == Button::sbUpActive)
        ActiveLook(*result, rows, key, look);
    else if (look.State == Button::sbDisabled)
        DisabledLook(*result, rows, key, look);

    result->SetTransparent(true);
    if (look.State == Button::sbDisabled && look.DisabledImage == Button::diDefault) {
        // The stencil is drawn by its set bits; its transparent colour is only a formality.
        result->SetPixelFormat(TBitmap::pf1bit);
        result->SetTransparentColor(clr::Black);
        return result;
    }
    result->SetPixelFormat(TBitmap::pfDevice);
    // The key colour as the display holds it. Read back from the result's corner it would be
    // the same in every mode but the outline ones: an outline that reaches the corner would
    // make the shine colour transparent, hiding the whole ring and showing the background.
    result->SetTransparentColor(RGBColor(Red(key), Green(key), Blue(key)));
    return result;
}

} // namespace TarvoWidgets
