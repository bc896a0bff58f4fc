#include "StateGlyph.h"

#include <algorithm>
#include <array>

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
    {
        if (glyph.PixelFormat() != TBitmap::pf32bit) {
            Copy.Assign(glyph);
            Copy.SetPixelFormat(TBitmap::pf32bit);
        }
        Source = glyph.PixelFormat() == TBitmap::pf32bit ? &glyph : &Copy;
    }
    const TPixel* operator[](int row) const { return Source->ScanLine(row); }

    TBitmap Copy;
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
    const auto opaque = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && (glyph[y][x] & RgbMask) != key;
    };
    const auto paint = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < width && y < height && !opaque(x, y))
            result.ScanLine(y)[x] = shine;
    };
    constexpr std::array<std::array<int, 2>, 4> Steps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (opaque(x, y))
                continue;
            const bool touches = std::any_of(Steps.begin(), Steps.end(),
                [&](const auto& step) { return opaque(x + step[0], y + step[1]); });
            if (!touches)
                continue;
            paint(x, y);
            if (twoPixels)
                for (const auto& step : Steps)
                    paint(x + step[0], y + step[1]);
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
        EachOpaquePixel(result, key, [s](TPixel p) {
            return PerChannel(p, s, [](int c, int with) { return (with + c) / 2; });
        });
        break;
    case Button::aiQuaterLight:
        EachOpaquePixel(result, key, [s](TPixel p) {
            return PerChannel(p, s, [](int c, int with) { return (3 * with + c) / 4; });
        });
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
        EachOpaquePixel(result, key, [f](TPixel p) {
            return PerChannel(p, f, [](int c, int with) { return (with + c) / 2; });
        });
        break;
    case Button::diAlphaQuaterTrans:
        EachOpaquePixel(result, key, [f](TPixel p) {
            return PerChannel(p, f, [](int c, int with) { return (3 * with + c) / 4; });
        });
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
