// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class Rng;

// Shared drawing primitives of the generator: colours, gradients, stars, lettering, bubbles and
// weather. Everything draws with antialiasing into the painter it is given.
namespace kit {

// Darker (factor < 1, towards black) or lighter (factor > 1, towards white) version of a colour.
QColor Shade(const QColor& c, double factor);
QColor Mix(const QColor& a, const QColor& b, double t);

// The outline of a shape filled with `c`: a darker shade of the same colour, round joints. The
// whole cartoon look comes from these outlines.
QPen InkPen(const QColor& c, double width);

// The Japanese gothic face of the pictures.
QFont Gothic(double pixelSize, bool bold = true);

// The scale of every canvas made while the guard lives: 2 for the double-size pictures that
// screens with a device pixel ratio above 1 show. The painters draw in the pictures' own units
// at any scale; the canvas's device pixel ratio scales what they draw.
class ScaleGuard {
public:
    explicit ScaleGuard(int scale);
    ~ScaleGuard();
    ScaleGuard(const ScaleGuard&) = delete;
    ScaleGuard& operator=(const ScaleGuard&) = delete;

private:
    int previous_;
};

// A fresh image of width by height units at the current scale, with antialiasing painter
// settings left to the caller.
QImage Canvas(int width, int height, const QColor& fill, QImage::Format format = QImage::Format_ARGB32_Premultiplied);
void Prepare(QPainter& p);

void FillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);
// An ellipse with a soft highlight towards the upper left and an outline.
void ShadedEllipse(QPainter& p, const QRectF& r, const QColor& c, const QColor& outline, double penWidth);

QPainterPath StarPath(QPointF centre, double outer, double inner, int points = 5, double turn = 0);
QPainterPath HeartPath(QPointF centre, double size);
// A drop of water (a tear, sweat, rain) with its round part at `centre`.
QPainterPath DropPath(QPointF centre, double radius);
// A four-pointed twinkle.
void Sparkle(QPainter& p, QPointF centre, double radius, const QColor& c);

// Lettering with a thick outline: `outline` is drawn first at `outlineWidth`, then the fill.
void OutlinedText(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
                  const QBrush& fill, const QColor& outline, double outlineWidth);

// A rounded speech bubble with a tail pointing at `tail`, holding centred text. Lines break
// only at "\n"; the bubble shrinks to its text from `box`'s top-left corner, and the font
// shrinks when the text would not fit `box`'s width.
void SpeechBubble(QPainter& p, const QRectF& box, QPointF tail, const QString& text, double fontPx);

void Cloud(QPainter& p, QPointF centre, double size, const QColor& c);
void Confetti(QPainter& p, Rng& rng, const QRectF& area, int count);
void Rain(QPainter& p, Rng& rng, const QRectF& area, int count, const QColor& c);
void Stars(QPainter& p, Rng& rng, const QRectF& area, int count);
// A burst of rays around a point, for fireworks and surprise.
void Burst(QPainter& p, QPointF centre, double inner, double outer, int rays, const QColor& c, double width);

} // namespace kit
