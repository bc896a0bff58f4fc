// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "PaintKit.h"

#include "Rng.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QStringList>

#include <cmath>
#include <numbers>

namespace kit {

QColor Shade(const QColor& c, double factor)
{
    if (factor <= 1.0)
        return QColor::fromRgbF(c.redF() * factor, c.greenF() * factor, c.blueF() * factor, c.alphaF());
    return Mix(c, QColor(255, 255, 255, c.alpha()), std::min(1.0, factor - 1.0));
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QPen InkPen(const QColor& c, double width)
{
    return QPen(Shade(c, 0.5), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QFont Gothic(double pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

namespace {
int canvasScale = 1;
} // namespace

ScaleGuard::ScaleGuard(int scale) : previous_(canvasScale)
{
    canvasScale = scale;
}

ScaleGuard::~ScaleGuard()
{
    canvasScale = previous_;
}

QImage Canvas(int width, int height, const QColor& fill, QImage::Format format)
{
    QImage image(width * canvasScale, height * canvasScale, format);
    image.setDevicePixelRatio(canvasScale);
    image.fill(fill);
    return image;
}

void Prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void FillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void ShadedEllipse(QPainter& p, const QRectF& r, const QColor& c, const QColor& outline, double penWidth)
{
    QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.25), std::max(r.width(), r.height()) * 0.75);
    g.setColorAt(0, Shade(c, 1.25));
    g.setColorAt(1, Shade(c, 0.85));
    p.setBrush(g);
    p.setPen(penWidth > 0 ? QPen(outline, penWidth) : Qt::NoPen);
    p.drawEllipse(r);
}

QPainterPath StarPath(QPointF centre, double outer, double inner, int points, double turn)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double a = -std::numbers::pi / 2 + turn + i * std::numbers::pi / points;
        const double r = i % 2 ? inner : outer;
        const QPointF pt = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath HeartPath(QPointF c, double s)
{
    QPainterPath path;
    path.moveTo(c + QPointF(0, s * 0.9));
    path.cubicTo(c + QPointF(-s * 1.2, s * 0.1), c + QPointF(-s * 0.9, -s * 0.9), c + QPointF(0, -s * 0.35));
    path.cubicTo(c + QPointF(s * 0.9, -s * 0.9), c + QPointF(s * 1.2, s * 0.1), c + QPointF(0, s * 0.9));
    return path;
}

QPainterPath DropPath(QPointF c, double r)
{
    QPainterPath path;
    path.moveTo(c + QPointF(0, -r * 2.1));
    path.cubicTo(c + QPointF(r * 0.4, -r * 1.2), c + QPointF(r, -r * 0.6), c + QPointF(r, 0));
    path.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, -180);
    path.cubicTo(c + QPointF(-r, -r * 0.6), c + QPointF(-r * 0.4, -r * 1.2), c + QPointF(0, -r * 2.1));
    path.closeSubpath();
    return path;
}

void Sparkle(QPainter& p, QPointF c, double r, const QColor& colour)
{
    QPainterPath path;
    path.moveTo(c + QPointF(0, -r));
    path.quadTo(c, c + QPointF(r, 0));
    path.quadTo(c, c + QPointF(0, r));
    path.quadTo(c, c + QPointF(-r, 0));
    path.quadTo(c, c + QPointF(0, -r));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void OutlinedText(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
                  const QBrush& fill, const QColor& outline, double outlineWidth)
{
    // Lay the text out once with the normal text engine, then turn it into a path so the
    // outline and the fill share exactly the same glyph shapes.
    const QFontMetricsF fm(font);
    const QRectF bounds = fm.boundingRect(box, flags, text);
    QPainterPath path;
    double x = bounds.left();
    if (flags & Qt::AlignHCenter)
        x = box.center().x() - fm.horizontalAdvance(text) / 2;
    else if (flags & Qt::AlignRight)
        x = box.right() - fm.horizontalAdvance(text);
    double y = box.top() + fm.ascent();
    if (flags & Qt::AlignVCenter)
        y = box.center().y() + (fm.ascent() - fm.descent()) / 2;
    path.addText(QPointF(x, y), font, text);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

void SpeechBubble(QPainter& p, const QRectF& area, QPointF tail, const QString& text, double fontPx)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    QFont font = Gothic(fontPx);
    double widest = 0;
    for (;;) {
        const QFontMetricsF fm(font);
        widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, fm.horizontalAdvance(line));
        if (widest + 28 <= area.width() || font.pixelSize() <= 10)
            break;
        font.setPixelSize(font.pixelSize() - 1);
    }
    const double lineHeight = QFontMetricsF(font).lineSpacing();
    const QRectF box(area.topLeft(), QSizeF(widest + 28, std::max(area.height() * 0.6, lines.size() * lineHeight + 22)));
    QPainterPath bubble;
    bubble.addRoundedRect(box, 14, 14);
    QPainterPath pointer;
    const QPointF base = box.center();
    const QPointF dir = tail - base;
    const double len = std::hypot(dir.x(), dir.y());
    const QPointF side = len > 0 ? QPointF(-dir.y(), dir.x()) / len * 10 : QPointF(10, 0);
    pointer.moveTo(base + side);
    pointer.lineTo(tail);
    pointer.lineTo(base - side);
    pointer.closeSubpath();
    const QPainterPath shape = bubble.united(pointer);
    p.setPen(QPen(QColor(60, 40, 40), 3));
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.setPen(QColor(50, 30, 30));
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter, text);
}

void Cloud(QPainter& p, QPointF c, double s, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c + QPointF(-s * 0.55, -s * 0.05), s * 0.45, s * 0.3);
    p.drawEllipse(c + QPointF(s * 0.5, 0), s * 0.45, s * 0.28);
    p.drawEllipse(c + QPointF(-s * 0.1, -s * 0.25), s * 0.5, s * 0.42);
    p.drawEllipse(c + QPointF(0, s * 0.1), s * 0.9, s * 0.25);
}

void Confetti(QPainter& p, Rng& rng, const QRectF& area, int count)
{
    static const QColor colours[] = {QColor(255, 80, 80), QColor(255, 200, 40), QColor(80, 200, 255),
                                     QColor(120, 230, 100), QColor(255, 130, 220), QColor(255, 255, 255)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(rng.uniform(area.left(), area.right()), rng.uniform(area.top(), area.bottom()));
        p.save();
        p.translate(at);
        p.rotate(rng.uniform(0, 180));
        p.setBrush(colours[rng.below(6)]);
        if (rng.below(3) == 0)
            p.drawEllipse(QPointF(0, 0), 3.5, 3.5);
        else
            p.drawRect(QRectF(-5, -2.5, 10, 5));
        p.restore();
    }
}

void Rain(QPainter& p, Rng& rng, const QRectF& area, int count, const QColor& c)
{
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const QPointF at(rng.uniform(area.left(), area.right()), rng.uniform(area.top(), area.bottom()));
        const double len = rng.uniform(10, 22);
        p.drawLine(at, at + QPointF(-len * 0.25, len));
    }
}

void Stars(QPainter& p, Rng& rng, const QRectF& area, int count)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(rng.uniform(area.left(), area.right()), rng.uniform(area.top(), area.bottom()));
        const double r = rng.uniform(0.8, 2.2);
        p.setBrush(QColor(255, 255, 220, static_cast<int>(rng.uniform(120, 255))));
        if (r > 2.0)
            Sparkle(p, at, r * 2.5, QColor(255, 255, 220));
        else
            p.drawEllipse(at, r, r);
    }
}

void Burst(QPainter& p, QPointF c, double inner, double outer, int rays, const QColor& colour, double width)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < rays; ++i) {
        const double a = 2 * std::numbers::pi * i / rays;
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(c + d * inner, c + d * outer);
    }
}

} // namespace kit
