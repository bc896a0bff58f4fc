// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The shine button's state glyph of a 32 by 32 glyph in each of its thirteen lit and dimmed
// modes, beside one plain copy of the same glyph: the glyph is rebuilt at every paint, so each
// mode should cost a small multiple of copying its pixels.
#include "widgets/StateGlyph.h"

#include <QPainter>
#include <benchmark/benchmark.h>

using namespace TarvoWidgets;

namespace {

using Button = TShineSpeedButton;

// An icon-like glyph: a two-coloured disc with a bar across it on a black background.
const TBitmap& Glyph()
{
    static const auto glyph = [] {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x30, 0x80, 0xE0));
        painter.drawEllipse(QRect(4, 4, 24, 24));
        painter.setBrush(QColor(0xF0, 0xC0, 0x20));
        painter.drawRect(QRect(8, 14, 16, 4));
        painter.end();
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetImage(image);
        bitmap->SetPixelFormat(TBitmap::pf32bit);
        return bitmap;
    }();
    return *glyph;
}

struct TMode {
    const char* Name;
    TStateGlyphLook Look;
};

TStateGlyphLook Active(Button::TActiveImageType mode)
{
    return {Button::sbUpActive, mode, Button::diDefault, 0xFFFF00, 0xF0F0F0};
}

TStateGlyphLook Disabled(Button::TDisabledImageType mode)
{
    return {Button::sbDisabled, Button::aiFrameLight, mode, 0xFFFF00, 0xF0F0F0};
}

const TMode Modes[] = {
    {"aiNormal", Active(Button::aiNormal)},
    {"aiXorLight", Active(Button::aiXorLight)},
    {"aiHalfLight", Active(Button::aiHalfLight)},
    {"aiQuaterLight", Active(Button::aiQuaterLight)},
    {"aiAddLight", Active(Button::aiAddLight)},
    {"aiFrameLight", Active(Button::aiFrameLight)},
    {"aiFrameLight2", Active(Button::aiFrameLight2)},
    {"aiMaskLight", Active(Button::aiMaskLight)},
    {"diDefault", Disabled(Button::diDefault)},
    {"diGrayscale", Disabled(Button::diGrayscale)},
    {"diAlphaHalfTrans", Disabled(Button::diAlphaHalfTrans)},
    {"diAlphaQuaterTrans", Disabled(Button::diAlphaQuaterTrans)},
    {"diMaskTrans", Disabled(Button::diMaskTrans)},
};

void BM_StateGlyph(benchmark::State& state)
{
    const TMode& mode = Modes[state.range(0)];
    state.SetLabel(mode.Name);
    for (auto _ : state) {
        std::unique_ptr<TBitmap> shown = MakeStateGlyph(Glyph(), mode.Look);
        benchmark::DoNotOptimize(shown->Image().constBits());
    }
}
BENCHMARK(BM_StateGlyph)->DenseRange(0, int(std::size(Modes)) - 1);

// The yardstick: one deep copy of the glyph's pixels into a new image.
void BM_PlainCopy(benchmark::State& state)
{
    const QImage& pixels = Glyph().Image();
    for (auto _ : state) {
        QImage copy = pixels.copy();
        benchmark::DoNotOptimize(copy.constBits());
    }
}
BENCHMARK(BM_PlainCopy);

} // namespace
