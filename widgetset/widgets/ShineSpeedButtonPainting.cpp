// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "widgets/ShineSpeedButton.h"
#include "widgets/ShineSpeedButton_p.h"

#include "widgets/ShinePaintCache.h"
#include "widgets/StateGlyph.h"
#include "toolkit/graphics/ExposedPart.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

// The shine button's look: the state glyph, the three draw steps (background, glyph and caption,
// frame), the arrangement of glyph and caption, and the size hints that follow from it. What the
// button does lives in ShineSpeedButton.cpp.

namespace TarvoWidgets {
std::uint32_t ColorToPixel(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return (std::uint32_t(RedOf(rgb)) << 16) | (std::uint32_t(GreenOf(rgb)) << 8) | std::uint32_t(BlueOf(rgb));
}

// ---------------------------------------------------------------------------------------------
// The state glyph.

TStateGlyphLook TShineSpeedButton::GlyphLook() const
{
    TStateGlyphLook look;
    look.State = d->FState;
    look.ActiveImage = d->FActiveImage;
    look.DisabledImage = d->FDisabledImage;
    look.Shine = ColorToPixel(d->FShineColor);
    look.Face = ColorToPixel(d->FColors->Color());
    return look;
}

std::unique_ptr<TBitmap> TShineSpeedButton::CreateStateGlyph() const
{
    if (d->FGlyph->Empty())
        return nullptr;
    return MakeStateGlyph(*d->FGlyph, GlyphLook());
}

// ---------------------------------------------------------------------------------------------
// Painting: the background, the glyph and caption, the frame.

namespace {

// A line from a towards b in the pen's colour, b itself left out, as the toolkit's canvas draws
// it. The frame only draws horizontal and vertical lines; they are filled as one-pixel
// rectangles so that they stay on whole device pixels at any device pixel ratio.
void FrameLine(QPainter& canvas, QPoint a, QPoint b, const QColor& color)
{
    QRect line;
    if (a.y() == b.y()) {
        if (a.x() == b.x())
            return;
        line = a.x() < b.x() ? QRect(a.x(), a.y(), b.x() - a.x(), 1) : QRect(b.x() + 1, a.y(), a.x() - b.x(), 1);
    } else {
        line = a.y() < b.y() ? QRect(a.x(), a.y(), 1, b.y() - a.y()) : QRect(a.x(), b.y() + 1, 1, a.y() - b.y());
    }
    canvas.fillRect(line, color);
}

// The two lines of a frame pair, from a corner to each of two ends, in one colour.
void FramePair(QPainter& canvas, QPoint corner, QPoint end1, QPoint end2, TColor color)
{
    const QColor pen = ToQColor(color);
    FrameLine(canvas, corner, end1, pen);
    FrameLine(canvas, corner, end2, pen);
}

// The caption's flags for measuring and drawing: lines break only at line breaks, an ampersand
// underlines the next character and "&&" draws one.
constexpr int CaptionFlags = Qt::TextShowMnemonic;

} // namespace

void TShineSpeedButton::paintEvent(QPaintEvent* event)
{
    d->FExposed = event->rect();
    Paint();
    // The focus, where a focus policy lets the button have it, inside the two-pixel bevel.
    if (hasFocus()) {
        QPainter screen(this);
        DrawFocusFrame(screen, rect().adjusted(3, 3, -3, -3));
    }
}

void TShineSpeedButton::Paint()
{
    if (!isEnabled())
        d->FState = sbDisabled;
    QPainter screen(this);
    if (d->FTransparent) {
        // Straight onto the parent's picture, which Qt has painted beneath.
        BackDraw(screen);
        ImageDraw(screen);
        FrameDraw(screen);
        return;
    }
    // Composed off-screen at device pixels and copied in one step, so the screen never shows a
    // half-drawn button and a scaled display stays crisp. The picture is kept: a paint of a
    // button that shows the same as at the last one (an expose, a parent's repaint) copies it.
    // Only the exposed part is composed, so a huge button costs what is shown of it.
    const qreal ratio = devicePixelRatioF();
    const TExposedPart part(d->FExposed, size(), ratio);
    if (part.Rect().isEmpty())
        return;
    TShineLook look = Look(ratio);
    std::optional<TShinePaintCache::TPart> kept = d->FPaintCache->Picture(look, part.Rect());
    if (!kept) {
        QImage offscreen = part.MakeImage(QImage::Format_RGB32);
        {
            QPainter canvas(&offscreen);
            canvas.translate(-part.Rect().topLeft());
            BackDraw(canvas);
            ImageDraw(canvas);
            FrameDraw(canvas);
        }
        kept = TShinePaintCache::TPart{part.Rect(), std::move(offscreen)};
        d->FPaintCache->KeepPicture(std::move(look), *kept);
    }
    screen.drawImage(kept->Rect.topLeft(), kept->Picture);
}

TShineLook TShineSpeedButton::Look(qreal ratio) const
{
    const auto set = [](const TShineBtnColors& c) {
        return std::array<std::int32_t, 7>{c.Color(), c.GradColor(), c.Highlight(), c.Shadow(), c.DarkShadow(),
                                           c.Gradation(), c.GradVertical()};
    };
    TShineLook look;
    look.State = d->FState;
    look.Options = {d->FFrameType, d->FActiveFrame, d->FUpFrame, d->FDownFrame, d->FActiveImage, d->FDisabledImage, EffectiveLayout()};
    look.Spacing = {d->FMargin, d->FSpacing};
    look.Colors = {d->FShineColor, d->FDisabledHighlight, d->FDisabledShadow, d->FFontHighlight, d->FFontShadow};
    const auto up = set(*d->FColors);
    const auto down = set(*d->FPressedColors);
    std::copy(up.begin(), up.end(), look.Sets.begin());
    std::copy(down.begin(), down.end(), look.Sets.begin() + up.size());
    look.Fonts = {d->FFont->Face(), d->FActiveFont->Face(), QGuiApplication::font()};
    look.FontColors = {d->FFont->Color(), d->FActiveFont->Color()};
    look.Caption = Caption();
    look.Glyph = d->FGlyph->Image().cacheKey();
    look.Palette = QGuiApplication::palette().cacheKey();
    look.Size = size();
    look.Ratio = ratio;
    return look;
}

void TShineSpeedButton::BackDraw(QPainter& Canvas)
{
    if (d->FTransparent)
        return;
    const TShineBtnColors& colors = d->FState < sbUpActive ? *d->FPressedColors : *d->FColors;
    if (!colors.Gradation()) {
        Canvas.fillRect(rect(), ToQColor(colors.Color()));
        return;
    }
    d->FPaintCache->DrawGradient(Canvas, d->FState < sbUpActive ? 1 : 0, size(), ColorToPixel(colors.Color()),
                              ColorToPixel(colors.GradColor()), colors.GradVertical());
}

void TShineSpeedButton::ImageDraw(QPainter& Canvas)
{
    const bool active = d->FState == sbDownActive || d->FState == sbUpActive;
    const bool down = d->FState < sbUpActive;
    const TFont& font = active ? *d->FActiveFont : *d->FFont;
    Canvas.setFont(font.Face());
    Canvas.setPen(ToQColor(font.Color()));

    QPoint glyphPos;
    QRect textRect;
    CalcDrawPosition(Canvas, glyphPos, textRect);

    if (!d->FGlyph->Empty()) {
        const TShinePaintCache::TGlyphPictures& glyph = d->FPaintCache->Glyph(
            *d->FGlyph, {d->FGlyph->Image().cacheKey(), GlyphLook(), ToQColor(d->FDisabledHighlight).rgb(),
                      ToQColor(d->FDisabledShadow).rgb()});
        if (down)
            glyphPos += QPoint(1, 1);
        if (!glyph.ShadowStencil.isNull()) {
            Canvas.drawImage(glyphPos + QPoint(1, 1), glyph.HighlightStencil);
            Canvas.drawImage(glyphPos, glyph.ShadowStencil);
        } else {
            Canvas.setBrush(Qt::NoBrush);
            Canvas.drawImage(glyphPos, glyph.Glyph);
        }
    }

    if (Caption().isEmpty())
        return;
    if (down)
        textRect.translate(1, 1);
    Canvas.setBrush(Qt::NoBrush);
    // Every line centred across the text rectangle, the first at its top.
    const auto drawCaption = [&](const QRect& at, const QColor& color) {
        Canvas.setPen(color);
        Canvas.drawText(at, Qt::AlignHCenter | Qt::AlignTop | CaptionFlags, Caption());
    };
    if (d->FState == sbDisabled) {
        drawCaption(textRect.translated(1, 1), ToQColor(d->FDisabledHighlight));
        drawCaption(textRect, ToQColor(d->FDisabledShadow));
        return;
    }
    const QColor fontColor = Canvas.pen().color();
    if (d->FFontShadow != clr::None)
        drawCaption(textRect.translated(1, 1), ToQColor(d->FFontShadow));
    if (d->FFontHighlight != clr::None)
        drawCaption(textRect.translated(-1, -1), ToQColor(d->FFontHighlight));
    drawCaption(textRect, fontColor);
}

void TShineSpeedButton::FrameDraw(QPainter& Canvas)
{
    const bool downFrame = (d->FState == sbDown && d->FDownFrame) || (d->FState == sbDownActive && d->FActiveFrame);
    const bool upFrame = ((d->FState == sbUp || d->FState == sbDisabled) && d->FUpFrame) || (d->FState == sbUpActive && d->FActiveFrame);
    if (!downFrame && !upFrame)
        return;
    const int w = width();
    const int h = height();
    // The corners and ends of the lines of the frame table.
    const QPoint o(0, 0), oR(w - 1, 0), oB(0, h - 1), oBR(w - 1, h - 1);
    const QPoint s(1, 1), sR(w - 1, 1), sB(1, h - 1);
    const QPoint sBR(w - 2, h - 2), sBRl(0, h - 2), sBRt(w - 2, 0);
    const QPoint iR(w - 2, 1), iB(1, h - 2), iBRl(1, h - 2), iBRt(w - 2, 1);
    const auto outerTopLeft = [&](TColor c) { FramePair(Canvas, o, oR, oB, c); };
    const auto outerBottomRight = [&](TColor c) { FramePair(Canvas, oBR, oB, oR, c); };
    const auto secondTopLeft = [&](TColor c) { FramePair(Canvas, s, sR, sB, c); };
    const auto secondBottomRight = [&](TColor c) { FramePair(Canvas, sBR, sBRl, sBRt, c); };
    const auto insetTopLeft = [&](TColor c) { FramePair(Canvas, s, iR, iB, c); };
    const auto insetBottomRight = [&](TColor c) { FramePair(Canvas, sBR, iBRl, iBRt, c); };

    const TShineBtnColors& p = *d->FPressedColors;
    const TShineBtnColors& c = *d->FColors;
    switch (d->FFrameType) {
    case ftFlatFrame:
        if (downFrame) {
            outerTopLeft(p.Shadow());
            outerBottomRight(p.Highlight());
        } else {
            outerTopLeft(c.Highlight());
            outerBottomRight(c.Shadow());
        }
        break;
    case ftNormalFrame:
        if (downFrame) {
            secondTopLeft(p.Shadow());
            outerTopLeft(p.DarkShadow());
            outerBottomRight(p.Highlight());
        } else {
            secondBottomRight(c.Shadow());
            outerBottomRight(c.DarkShadow());
            outerTopLeft(c.Highlight());
        }
        break;
    case ftEnclosedFrame: {
        if (downFrame) {
            insetTopLeft(p.Shadow());
            insetBottomRight(p.Highlight());
        } else {
            insetTopLeft(c.Highlight());
            insetBottomRight(c.Shadow());
        }
        // The dark outline is the up set's in every state.
        const QColor dark = ToQColor(c.DarkShadow());
        Canvas.fillRect(QRect(0, 0, w, 1), dark);
        Canvas.fillRect(QRect(0, h - 1, w, 1), dark);
        Canvas.fillRect(QRect(0, 0, 1, h), dark);
        Canvas.fillRect(QRect(w - 1, 0, 1, h), dark);
        break;
    }
    }
}

namespace {

// The glyph and caption arranged as one block, positions relative to its top left corner. A
// glyph or caption of no size (0 by 0) is left out.
struct TContentBlock {
    QSize Size;
    QPoint Glyph;
    QRect Text;
};

TContentBlock ArrangeContent(TShineSpeedButton::TButtonLayout layout, QSize glyphSize, QSize captionSize, int spacing)
{
    using B = TShineSpeedButton;
    const bool glyph = !glyphSize.isEmpty();
    const bool caption = !captionSize.isEmpty();
    const int gw = glyphSize.width();
    const int gh = glyphSize.height();
    const int cw = captionSize.width();
    const int ch = captionSize.height();

    int tw = 0, th = 0, gx = 0, gy = 0, tx = 0, ty = 0;
    const auto widen = [&](int v) { tw = std::max(tw, v); };
    const auto heighten = [&](int v) { th = std::max(th, v); };
    switch (layout) {
    case B::blGlyphLeft:
        gx = tw;
        tw += gw;
        heighten(gh);
        if (glyph && caption)
            tw += spacing;
        tx = tw;
        if (caption) {
            tw += cw;
            heighten(ch);
        }
        break;
    case B::blGlyphRight:
        tx = tw;
        if (caption) {
            tw += cw;
            heighten(ch);
        }
        if (glyph && caption)
            tw += spacing;
        gx = tw;
        tw += gw;
        heighten(gh);
        break;
    case B::blGlyphTop:
        gy = th;
        th += gh;
        widen(gw);
        // Glyph or not, a caption keeps its distance from the top of the block.
        if (caption)
            th += spacing;
        ty = th;
        if (caption) {
            th += ch;
            widen(cw);
        }
        break;
    case B::blGlyphBottom:
        ty = th;
        if (caption) {
            th += ch;
            widen(cw);
        }
        if (glyph && caption)
            th += spacing;
        gy = th;
        th += gh;
        widen(gw);
        break;
    }
    if (layout == B::blGlyphLeft || layout == B::blGlyphRight) {
        if (glyph)
            gy = (th - gh) / 2;
        if (caption)
            ty = (th - ch) / 2;
    } else {
        if (glyph)
            gx = (tw - gw) / 2;
        if (caption)
            tx = (tw - cw) / 2;
    }
    return {QSize(tw, th), QPoint(gx, gy), QRect(QPoint(tx, ty), captionSize)};
}

} // namespace

TShineSpeedButton::TButtonLayout TShineSpeedButton::EffectiveLayout() const
{
    if (layoutDirection() != Qt::RightToLeft)
        return d->FLayout;
    switch (d->FLayout) {
    case blGlyphLeft: return blGlyphRight;
    case blGlyphRight: return blGlyphLeft;
    default: return d->FLayout;
    }
}

QSize TShineSpeedButton::GlyphExtent() const
{
    // The room the glyph takes in layout units: a picture made for a scaled screen (an icon's
    // pixmap at ratio 2 has twice the pixels) covers its pixel size divided by its ratio.
    if (d->FGlyph->Empty())
        return QSize(0, 0);
    return d->FGlyph->Image().deviceIndependentSize().toSize();
}

QSize TShineSpeedButton::ContentSize(const QFontMetrics& metrics) const
{
    const QSize glyph = GlyphExtent();
    const QSize caption = Caption().isEmpty() ? QSize(0, 0) : metrics.size(CaptionFlags, Caption());
    return ArrangeContent(d->FLayout, glyph, caption, d->FSpacing).Size;
}

QSize TShineSpeedButton::sizeHint() const
{
    // Room for the content in either caption font, the margin (or a centring pad) on every
    // side, and never less than the toolkit's 25 by 25.
    const QSize content = ContentSize(QFontMetrics(d->FFont->Face())).expandedTo(ContentSize(QFontMetrics(d->FActiveFont->Face())));
    const int pad = d->FMargin >= 0 ? d->FMargin : 4;
    return (content + QSize(2 * pad, 2 * pad)).expandedTo(QSize(25, 25));
}

QSize TShineSpeedButton::minimumSizeHint() const
{
    // The content inside the two-pixel frame.
    return ContentSize(QFontMetrics(d->FFont->Face())) + QSize(4, 4);
}

void TShineSpeedButton::CalcDrawPosition(QPainter& Canvas, QPoint& GlyphPos, QRect& TextRect) const
{
    // A right-to-left button mirrors the glyph's side, margin included.
    const TButtonLayout layout = EffectiveLayout();
    const QSize glyph = GlyphExtent();
    const QSize caption = Caption().isEmpty() ? QSize(0, 0) : d->FPaintCache->CaptionExtent(Canvas, CaptionFlags, Caption());
    const TContentBlock block = ArrangeContent(layout, glyph, caption, d->FSpacing);
    const int tw = block.Size.width();
    const int th = block.Size.height();

    const int clientWidth = width();
    const int clientHeight = height();
    // C++ division truncates towards zero, so an overhanging block is split between both sides.
    int offX = (clientWidth - tw) / 2;
    int offY = (clientHeight - th) / 2;
    if (d->FMargin >= 0) {
        switch (layout) {
        case blGlyphLeft: offX = d->FMargin; break;
        case blGlyphRight: offX = clientWidth - tw - d->FMargin; break;
        case blGlyphTop: offY = d->FMargin; break;
        case blGlyphBottom: offY = clientHeight - th - d->FMargin; break;
        }
    }
    GlyphPos = block.Glyph + QPoint(offX, offY);
    TextRect = block.Text.translated(offX, offY);
}

} // namespace TarvoWidgets
