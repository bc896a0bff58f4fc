// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "HairPainter.h"

#include "PaintKit.h"

#include <cmath>
#include <numbers>

namespace {
QPainterPath Ellipse(QPointF c, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

QPainterPath Rect(double x, double y, double w, double h, double radius = 0)
{
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return p;
}

// The degree angle of a point on the head outline, 0 = right, 90 = top.
QPointF OnEllipse(QPointF c, double rx, double ry, double degrees)
{
    const double a = degrees * std::numbers::pi / 180;
    return c + QPointF(std::cos(a) * rx, -std::sin(a) * ry);
}
} // namespace

HairPainter::HairPainter(const CharacterLook& look, const HeadGeometry& geometry) : look_(look), g_(geometry) {}

QPainterPath HairPainter::crown(double extra, double lowest) const
{
    const QPointF c = g_.centre;
    return Ellipse(c - QPointF(0, 1), g_.halfWidth + extra, g_.halfHeight + extra + 1)
        .intersected(Rect(0, 0, 110, lowest));
}

QPainterPath HairPainter::fringe(double y, int bumps, double depth) const
{
    QPainterPath path;
    const double span = 2 * g_.halfWidth - 6;
    const double step = span / bumps;
    for (int i = 0; i < bumps; ++i) {
        const double x = g_.left() + 3 + step * (i + 0.5);
        path.addEllipse(QPointF(x, y), step * 0.62, depth);
    }
    return path.intersected(Ellipse(g_.centre, g_.halfWidth + 1, g_.halfHeight + 1));
}

QPainterPath HairPainter::sideLocks(double width, double bottom) const
{
    const double top = g_.foreheadY() - 6;
    return Rect(g_.left() - 5, top, width, bottom - top, width / 2)
        .united(Rect(g_.right() + 5 - width, top, width, bottom - top, width / 2));
}

QPainterPath HairPainter::spikes(double from, double to, int count, double length) const
{
    QPainterPath path;
    const QPointF c = g_.centre;
    const double rx = g_.halfWidth + 2, ry = g_.halfHeight + 2;
    for (int i = 0; i < count; ++i) {
        const double a = from + (to - from) * (count == 1 ? 0.5 : static_cast<double>(i) / (count - 1));
        const QPointF base1 = OnEllipse(c, rx * 0.9, ry * 0.9, a - 11);
        const QPointF base2 = OnEllipse(c, rx * 0.9, ry * 0.9, a + 11);
        const QPointF tip = OnEllipse(c, rx + length, ry + length, a);
        QPainterPath spike;
        spike.moveTo(base1);
        spike.lineTo(tip);
        spike.lineTo(base2);
        spike.closeSubpath();
        path = path.united(spike);
    }
    return path;
}

QPainterPath HairPainter::curlRing(QPointF centre, double radius, int curls, double curlRadius) const
{
    QPainterPath path = Ellipse(centre, radius, radius);
    for (int i = 0; i < curls; ++i) {
        const double a = 2 * std::numbers::pi * i / curls;
        path = path.united(Ellipse(centre + QPointF(std::cos(a), std::sin(a)) * radius, curlRadius, curlRadius));
    }
    return path;
}

QPainterPath HairPainter::backShape() const
{
    const QPointF c = g_.centre;
    const double w = g_.halfWidth, h = g_.halfHeight;
    switch (look_.hair) {
    case HairStyle::Bob:
        return Rect(g_.left() - 7, g_.top() - 4, 2 * w + 14, h * 1.55 + 4, 22);
    case HairStyle::Long:
        return Rect(g_.left() - 9, g_.top() - 3, 2 * w + 18, 118 - g_.top(), 26);
    case HairStyle::TwinTails: {
        QPainterPath tails;
        for (int side : {-1, 1}) {
            const QPointF tie = QPointF(c.x() + side * (w + 3), g_.foreheadY() - 2);
            QPainterPath tail;
            tail.moveTo(tie);
            tail.cubicTo(tie + QPointF(side * 22, 8), tie + QPointF(side * 20, 50), tie + QPointF(side * 8, 66));
            tail.cubicTo(tie + QPointF(side * 4, 48), tie + QPointF(side * 2, 20), tie);
            tails = tails.united(tail);
        }
        return tails;
    }
    case HairStyle::Wild:
        return kit::StarPath(c - QPointF(0, 8), w + 20, w + 6, 13, 0.1)
            .intersected(Rect(0, 0, 110, c.y() + 6))
            .united(curlRing(c - QPointF(0, 8), w + 4, 10, 7));
    case HairStyle::Afro:
        return curlRing(c - QPointF(0, 10), w + 12, 16, 8);
    case HairStyle::Bun:
        return Ellipse(QPointF(c.x(), g_.top() - 5), 13, 12);
    case HairStyle::Topknot:
        return Rect(g_.left() - 3, g_.foreheadY(), 2 * w + 6, h * 0.9, 12);
    case HairStyle::Curls: {
        QPainterPath path = Rect(g_.left() - 6, g_.top() - 2, 2 * w + 12, h * 1.3, 24);
        for (int side : {-1, 1})
            for (int i = 0; i < 5; ++i)
                path = path.united(Ellipse(QPointF(c.x() + side * (w + 3 - (i % 2) * 3), g_.foreheadY() + 8 + i * 12), 10, 8));
        return path;
    }
    default:
        return {};
    }
}

QPainterPath HairPainter::frontShape() const
{
    const QPointF c = g_.centre;
    const double w = g_.halfWidth;
    const double fy = g_.foreheadY();
    switch (look_.hair) {
    case HairStyle::Short:
        // A tousled crop with a cowlick sticking up from the crown.
        return crown(3, fy).united(fringe(fy, 5, 6)).united(sideLocks(9, g_.eyeY() - 2)).united(spikes(95, 95, 1, 9));
    case HairStyle::Spiky:
        return crown(3, fy).united(spikes(20, 160, 7, 13)).united(fringe(fy + 1, 4, 8))
            .united(sideLocks(8, g_.eyeY() - 4));
    case HairStyle::Bob:
        return crown(3, fy + 2).united(sideLocks(11, c.y() + g_.halfHeight * 0.5)).united(fringe(fy + 3, 7, 4));
    case HairStyle::Long: {
        // Parted in the middle: two sweeps meet at the part.
        QPainterPath sweep = Ellipse(QPointF(c.x() - w * 0.5, fy - 1), w * 0.62, 9)
                                 .united(Ellipse(QPointF(c.x() + w * 0.5, fy - 1), w * 0.62, 9))
                                 .intersected(Ellipse(c, w + 1, g_.halfHeight + 1));
        return crown(3, fy).united(sweep).united(sideLocks(9, 104));
    }
    case HairStyle::TwinTails:
        return crown(3, fy).united(fringe(fy + 1, 6, 6)).united(sideLocks(7, g_.eyeY()));
    case HairStyle::Bald: {
        // Tufts over the ears.
        QPainterPath tufts;
        for (int side : {-1, 1}) {
            const double x = g_.centre.x() + side * (g_.halfWidth - 1);
            tufts = tufts.united(Ellipse(QPointF(x + side * 2, g_.eyeY() - 12), 4.5, 4))
                        .united(Ellipse(QPointF(x + side * 3, g_.eyeY() - 6), 4.5, 4))
                        .united(Ellipse(QPointF(x, g_.eyeY() - 9), 4, 4.5));
        }
        return tufts;
    }
    case HairStyle::Wild:
        return Ellipse(QPointF(g_.left() + 2, g_.eyeY() - 8), 7, 12)
            .united(Ellipse(QPointF(g_.right() - 2, g_.eyeY() - 8), 7, 12))
            .united(spikes(70, 110, 3, 7));
    case HairStyle::Afro: {
        QPainterPath curls;
        for (int i = 0; i < 6; ++i)
            curls.addEllipse(QPointF(g_.left() + 6 + i * (2 * w - 12) / 5, fy - 1), 7, 7);
        return crown(4, fy - 2).united(curls).intersected(Ellipse(c - QPointF(0, 10), w + 12, g_.halfHeight + 20));
    }
    case HairStyle::Pompadour: {
        // A tall quiff swept up and forward, rolling over at the front.
        QPainterPath quiff;
        quiff.moveTo(c.x() - w - 2, fy);
        quiff.cubicTo(c.x() - w - 4, g_.top() - 16, c.x() - 4, g_.top() - 22, c.x() + w * 0.8, g_.top() - 14);
        quiff.cubicTo(c.x() + w + 8, g_.top() - 8, c.x() + w + 6, g_.top() + 8, c.x() + w * 0.55, g_.top() + 9);
        quiff.cubicTo(c.x() + w * 0.2, g_.top() + 10, c.x() + w * 0.1, fy, c.x() + w + 2, fy);
        quiff.lineTo(c.x() - w - 2, fy);
        quiff.closeSubpath();
        return crown(3, fy - 1).united(quiff).united(sideLocks(7, g_.eyeY() - 2));
    }
    case HairStyle::Bun:
        // Pulled back neatly: the hairline sits high, with a parting.
        return crown(2, fy - 5).united(sideLocks(6, g_.eyeY() - 4));
    case HairStyle::Topknot:
        // Hair only at the temples; the crown is shaved, with the knot lying on top.
        return crown(3, g_.eyeY() - 4)
            .intersected(Rect(0, 0, g_.left() + 9, 110).united(Rect(g_.right() - 9, 0, 110, 110)))
            .united(Rect(c.x() - 5.5, g_.top() - 14, 11, 19, 5));
    case HairStyle::Curls: {
        QPainterPath curls;
        for (int i = 0; i < 6; ++i)
            curls.addEllipse(QPointF(g_.left() + 5 + i * (2 * w - 10) / 5, fy - 1 + (i % 2) * 3), 7, 7);
        return crown(4, fy).united(curls).united(sideLocks(10, g_.chin() - 6))
            .intersected(Rect(0, 0, 110, 110));
    }
    }
    return {};
}

void HairPainter::fill(QPainter& p, const QPainterPath& shape) const
{
    if (shape.isEmpty())
        return;
    QLinearGradient g(0, g_.top() - 15, 0, 110);
    g.setColorAt(0, kit::Shade(look_.hairColour, 1.12));
    g.setColorAt(1, kit::Shade(look_.hairColour, 0.8));
    p.setBrush(g);
    p.setPen(QPen(kit::Shade(look_.hairColour, 0.5), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
}

void HairPainter::shine(QPainter& p) const
{
    // A light band across the crown: hair reads as hair, not a cap of paint.
    const QPointF c = g_.centre;
    QColor light = kit::Shade(look_.hairColour, 1.45);
    light.setAlpha(170);
    p.setPen(QPen(light, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(c.x() - g_.halfWidth + 5, g_.top() + 3, 2 * g_.halfWidth - 10, 2 * g_.halfHeight);
    p.drawArc(arc, 100 * 16, 45 * 16);
}

void HairPainter::paintBack(QPainter& p) const
{
    fill(p, backShape());
    if (look_.hair == HairStyle::Bun) {
        // Hairpins through the bun.
        p.setPen(QPen(look_.headwearColour, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(g_.centre.x() - 16, g_.top() - 12), QPointF(g_.centre.x() + 14, g_.top() + 2));
        p.setBrush(look_.headwearColour);
        p.drawEllipse(QPointF(g_.centre.x() - 16, g_.top() - 12), 3, 3);
    }
}

void HairPainter::paintFront(QPainter& p) const
{
    const QPainterPath shape = frontShape();
    if (look_.hair == HairStyle::Topknot) {
        // The shaved pate first, then the hair around it.
        QColor pate = kit::Mix(look_.skin, QColor(150, 170, 200), 0.3);
        p.setPen(Qt::NoPen);
        p.setBrush(pate);
        p.drawPath(crown(0, g_.foreheadY() + 2).intersected(g_.outline().translated(0, 0)));
        p.setPen(QPen(kit::Shade(look_.skin, 0.6), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(g_.left(), g_.top(), 2 * g_.halfWidth, 2 * g_.halfHeight), 20 * 16, 140 * 16);
    }
    fill(p, shape);
    if (look_.hair == HairStyle::Bald) {
        QColor gleam(255, 255, 255, 150);
        p.setPen(Qt::NoPen);
        p.setBrush(gleam);
        p.drawEllipse(QPointF(g_.centre.x() - 10, g_.top() + 9), 9, 5);
        return;
    }
    if (look_.hair == HairStyle::TwinTails) {
        // Bobbles where the tails are tied.
        for (int side : {-1, 1}) {
            kit::ShadedEllipse(p, QRectF(g_.centre.x() + side * (g_.halfWidth + 3) - 5, g_.foreheadY() - 7, 10, 10),
                               look_.headwearColour, kit::Shade(look_.headwearColour, 0.5), 1.4);
        }
    }
    if (look_.hair == HairStyle::Bun || look_.hair == HairStyle::Long) {
        p.setPen(QPen(kit::Shade(look_.hairColour, 0.55), 1.5));
        p.drawLine(QPointF(g_.centre.x(), g_.top() - 1), QPointF(g_.centre.x(), g_.foreheadY() - 6));
    }
    if (look_.hair == HairStyle::Pompadour) {
        // Comb lines along the quiff.
        QColor light = kit::Shade(look_.hairColour, 1.6);
        p.setPen(QPen(light, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QPointF c = g_.centre;
        for (int i = 0; i < 3; ++i) {
            QPainterPath line;
            line.moveTo(c.x() - g_.halfWidth + 6 + i * 5, g_.foreheadY() - 4);
            line.cubicTo(c.x() - g_.halfWidth + 2 + i * 5, g_.top() - 8 + i * 4, c.x() + 2, g_.top() - 16 + i * 5,
                         c.x() + g_.halfWidth * 0.75 - i * 3, g_.top() - 8 + i * 5);
            p.drawPath(line);
        }
    }
    if (look_.hair == HairStyle::Topknot) {
        p.setPen(Qt::NoPen);
        p.setBrush(look_.headwearColour);
        p.drawRect(QRectF(g_.centre.x() - 6, g_.top() - 1, 12, 3.5));
    }
    if (!shape.isEmpty() && look_.hair != HairStyle::Wild) {
        p.save();
        p.setClipPath(shape);
        shine(p);
        p.restore();
    }
}
