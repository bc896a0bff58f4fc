// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "widgets/ShinePaintCache_p.h"

#include <QPainter>

namespace TarvoWidgets {

namespace {

// The 256-pixel gradient strip: pixel i has A + i * (B - A) / 255 in each channel, truncated
// towards zero, so pixel 0 is A and pixel 255 is B.
QImage GradientStrip(std::uint32_t from, std::uint32_t to, bool vertical)
{
    QImage strip(vertical ? 1 : 256, vertical ? 256 : 1, QImage::Format_RGB32);
    for (int i = 0; i < 256; ++i) {
        std::uint32_t pixel = 0;
        for (int shift : {16, 8, 0}) {
            const int a = int((from >> shift) & 0xFF);
            const int b = int((to >> shift) & 0xFF);
            pixel |= std::uint32_t(a + i * (b - a) / 255) << shift;
        }
        strip.setPixel(vertical ? 0 : i, vertical ? i : 0, 0xFF000000u | pixel);
    }
    return strip;
}

void StretchStrip(QPainter& canvas, QSize size, std::uint32_t from, std::uint32_t to, bool vertical)
{
    // Nearest sampling: every pixel of the button shows one pixel of the strip.
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.drawImage(QRect(QPoint(0, 0), size), GradientStrip(from, to, vertical));
}

// The disabled glyph's edge picture as a stencil: every pixel under a set (white) bit takes the
// colour, every other is left clear.
QImage Stencil(const TBitmap& edges, QRgb color)
{
    QImage mask = edges.Image().convertToFormat(QImage::Format_ARGB32);
    for (int row = 0; row < mask.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(mask.scanLine(row));
        for (int column = 0; column < mask.width(); ++column)
            line[column] = (line[column] & 0xFFFFFF) == 0xFFFFFF ? color : 0;
    }
    return mask;
}

bool MovesByWholePixels(const QTransform& transform)
{
    return transform.type() <= QTransform::TxTranslate && transform.dx() == qRound(transform.dx())
        && transform.dy() == qRound(transform.dy());
}

} // namespace

const TShinePaintCache::TGlyphPictures& TShinePaintCache::Glyph(const TBitmap& glyph, const TGlyphKey& key)
{
    std::optional<TGlyphEntry>& entry = FGlyphs.at(key.Look.State);
    if (entry && entry->Key == key)
        return entry->Pictures;
    TGlyphPictures pictures;
    if (const std::unique_ptr<TBitmap> shown = MakeStateGlyph(glyph, key.Look)) {
        if (key.Look.State == TShineSpeedButton::sbDisabled && key.Look.DisabledImage == TShineSpeedButton::diDefault) {
            pictures.HighlightStencil = Stencil(*shown, key.Highlight);
            pictures.ShadowStencil = Stencil(*shown, key.Shadow);
        } else {
            pictures.Glyph = shown->DrawnImage();
        }
    }
    entry = TGlyphEntry{key, std::move(pictures)};
    return entry->Pictures;
}

std::optional<TShinePaintCache::TPart> TShinePaintCache::Picture(const TShineLook& look, const QRect& part) const
{
    if (FPicture && FPicture->Look == look && FPicture->Part.Rect.contains(part))
        return FPicture->Part;
    return std::nullopt;
}

void TShinePaintCache::KeepPicture(TShineLook look, TPart part)
{
    FPicture = TKeptPicture{std::move(look), std::move(part)};
}

QSize TShinePaintCache::CaptionExtent(const QPainter& canvas, int flags, const QString& caption)
{
    const QPaintDevice* device = canvas.device();
    TExtentKey key{canvas.font(), device ? device->logicalDpiX() : 0, device ? device->logicalDpiY() : 0, flags, caption};
    if (!FExtent || !(FExtent->first == key))
        FExtent = std::make_pair(std::move(key), canvas.fontMetrics().size(flags, caption));
    return FExtent->second;
}

void TShinePaintCache::DrawGradient(QPainter& canvas, int slot, QSize size, std::uint32_t from, std::uint32_t to,
                                    bool vertical)
{
    if (!MovesByWholePixels(canvas.worldTransform()) || !canvas.device()) {
        StretchStrip(canvas, size, from, to, vertical);
        return;
    }
    const qreal ratio = canvas.device()->devicePixelRatioF();
    // A canvas of a part of the button (a paint of what is exposed) gets the strip stretched
    // over that part alone: a background of the whole button would cost what the part saves.
    const QSize whole = (QSizeF(size) * ratio).toSize();
    if (canvas.device()->width() < whole.width() || canvas.device()->height() < whole.height()) {
        StretchStrip(canvas, size, from, to, vertical);
        return;
    }
    const TBackgroundKey key{from, to, vertical, size, ratio};
    auto& entry = FBackgrounds.at(slot);
    if (!entry || !(entry->first == key)) {
        QImage background((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
        background.setDevicePixelRatio(ratio);
        {
            QPainter painter(&background);
            StretchStrip(painter, size, from, to, vertical);
        }
        entry = std::make_pair(key, std::move(background));
    }
    // The canvas keeps the hint that stretching the strip on it would have left.
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.drawImage(QPoint(0, 0), entry->second);
}

} // namespace TarvoWidgets
