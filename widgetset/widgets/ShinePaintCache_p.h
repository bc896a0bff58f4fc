// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/StateGlyph.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>

class QPainter;

namespace TarvoWidgets {

/// Everything that the whole picture of an opaque button shows, compared value by value (so
/// that a value changed without a word is seen too): the draw state, the button's look,
/// its two colour sets and fonts, the glyph's picture, the size, and the application's
/// palette and font that system colours and fonts are resolved against.
struct TShineLook {
    int State = 0;
    std::array<int, 7> Options{};            // frame type and flags, images, layout
    std::array<int, 2> Spacing{};            // margin, spacing
    std::array<std::int32_t, 5> Colors{};    // shine, disabled, font copies
    std::array<std::int32_t, 14> Sets{};     // the up and the down colour set
    std::array<QFont, 3> Fonts;              // the caption's, the active one, the application's
    std::array<std::int32_t, 2> FontColors{};
    QString Caption;
    qint64 Glyph = 0;
    qint64 Palette = 0;
    QSize Size;
    qreal Ratio = 1;
    bool operator==(const TShineLook&) const = default;
};

/// The pictures that a shine button's paint draws and that depend on few of its values: the
/// state glyph as it is drawn, and the gradient background. A paint gathers what each depends
/// on (which costs far less than the picture) and gets the picture made the last time while
/// none of it has changed. The pictures are exactly those a paint without them would draw.
class TShinePaintCache {
public:
    /// What the glyph's picture in one state depends on: the glyph's picture itself (its cache
    /// key, which changes with every write to it), the look, and the two colours of the
    /// disabled stencil.
    struct TGlyphKey {
        qint64 Picture = 0;
        TStateGlyphLook Look;
        QRgb Highlight = 0;
        QRgb Shadow = 0;
        bool operator==(const TGlyphKey&) const = default;
    };
    /// The glyph as drawn in one state: one picture with the key colour left out, or, for the
    /// disabled default, the stencil in the highlight colour (drawn one pixel down and right)
    /// and in the shadow colour. Null pictures for an empty glyph.
    struct TGlyphPictures {
        QImage Glyph;
        QImage HighlightStencil;
        QImage ShadowStencil;
    };

    const TGlyphPictures& Glyph(const TBitmap& glyph, const TGlyphKey& key);

    /// A picture of a part of the button (its rectangle in the button's coordinates).
    struct TPart {
        QRect Rect;
        QImage Picture;
    };
    /// The picture composed last, when it was composed for look and covers part; else none.
    std::optional<TPart> Picture(const TShineLook& look, const QRect& part) const;
    void KeepPicture(TShineLook look, TPart part);

    /// Draws the gradient from one colour to the other over size (the canvas at its origin),
    /// as a 256-pixel strip stretched with nearest sampling. Under a transformation other than
    /// a move by whole pixels the strip is stretched afresh, as scaling a finished background
    /// would sample it differently.
    /// The background of each slot is kept (the button's up colours in one, its down colours in
    /// the other), so that a press or a hover change makes none again.
    void DrawGradient(QPainter& canvas, int slot, QSize size, std::uint32_t from, std::uint32_t to, bool vertical);

    /// The size of the caption in the canvas's font, as the canvas's font metrics give it for
    /// the text flags.
    QSize CaptionExtent(const QPainter& canvas, int flags, const QString& caption);

private:
    struct TExtentKey {
        QFont Font;
        int DpiX = 0;
        int DpiY = 0;
        int Flags = 0;
        QString Caption;
        bool operator==(const TExtentKey&) const = default;
    };
    struct TGlyphEntry {
        TGlyphKey Key;
        TGlyphPictures Pictures;
    };
    struct TBackgroundKey {
        std::uint32_t From = 0;
        std::uint32_t To = 0;
        bool Vertical = false;
        QSize Size;
        qreal Ratio = 1;
        bool operator==(const TBackgroundKey&) const = default;
    };

    // One entry per draw state, so that the pointer coming and going makes no picture again.
    std::array<std::optional<TGlyphEntry>, 5> FGlyphs;
    std::array<std::optional<std::pair<TBackgroundKey, QImage>>, 2> FBackgrounds;
    struct TKeptPicture {
        TShineLook Look;
        TPart Part;
    };
    std::optional<TKeptPicture> FPicture;
    // Laying the caption out to measure it costs about as much as drawing it.
    std::optional<std::pair<TExtentKey, QSize>> FExtent;
};

} // namespace TarvoWidgets
