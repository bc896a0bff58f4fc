// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "AccessoryPainter.h"

#include "PaintKit.h"

namespace {
QPen Outline(const QColor& c, double width = 1.8)
{
    return kit::InkPen(c, width);
}
} // namespace

AccessoryPainter::AccessoryPainter(const CharacterLook& look, const HeadGeometry& geometry)
    : look_(look), g_(geometry)
{
}

void AccessoryPainter::paintHeadwearBehind(QPainter& p) const
{
    if (look_.headwear != Headwear::WitchHat)
        return;
    // The far half of the brim shows above the head.
    const QColor hat = look_.headwearColour;
    p.setPen(Outline(hat));
    p.setBrush(kit::Shade(hat, 0.8));
    p.drawEllipse(QPointF(g_.centre.x(), g_.foreheadY() - 4), g_.halfWidth + 19, 9);
}

void AccessoryPainter::paintHeadwear(QPainter& p) const
{
    switch (look_.headwear) {
    case Headwear::None: break;
    case Headwear::StarPin:
        p.setPen(Outline(look_.headwearColour, 1.4));
        p.setBrush(look_.headwearColour);
        p.drawPath(kit::StarPath(QPointF(g_.centre.x() + g_.halfWidth * 0.6, g_.foreheadY() - 3), 7, 3.2));
        break;
    case Headwear::Cap: cap(p); break;
    case Headwear::Crown: crown(p); break;
    case Headwear::WitchHat: witchHat(p); break;
    case Headwear::CatEars: catEars(p); break;
    case Headwear::Headband: headband(p); break;
    case Headwear::Ribbon: ribbon(p, QPointF(g_.centre.x() + g_.halfWidth * 0.55, g_.top() + 4), 12); break;
    }
}

void AccessoryPainter::cap(QPainter& p) const
{
    const QColor c = look_.headwearColour;
    const QPointF centre = g_.centre;
    const double w = g_.halfWidth;
    const double rim = g_.foreheadY() - 1;
    QPainterPath dome;
    dome.addEllipse(centre - QPointF(0, 2), w + 4, g_.halfHeight + 5);
    QPainterPath above;
    above.addRect(QRectF(0, 0, 110, rim));
    p.setPen(Outline(c));
    QLinearGradient shade(0, g_.top(), 0, rim);
    shade.setColorAt(0, kit::Shade(c, 1.2));
    shade.setColorAt(1, kit::Shade(c, 0.85));
    p.setBrush(shade);
    p.drawPath(dome.intersected(above));
    // Seam and button.
    p.drawLine(QPointF(centre.x(), g_.top() - 6), QPointF(centre.x(), rim));
    // The peak, seen from the front, curves down over the brow.
    QPainterPath peak;
    peak.moveTo(centre.x() - w - 4, rim);
    peak.cubicTo(centre.x() - w * 0.6, rim + 11, centre.x() + w * 0.6, rim + 11, centre.x() + w + 4, rim);
    peak.closeSubpath();
    p.setBrush(kit::Shade(c, 0.75));
    p.drawPath(peak);
    // Badge on the front.
    p.setBrush(Qt::white);
    p.setPen(Outline(c, 1.2));
    p.drawEllipse(QPointF(centre.x(), rim - 9), 7.5, 7.5);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(kit::StarPath(QPointF(centre.x(), rim - 9), 5.5, 2.4));
}

void AccessoryPainter::crown(QPainter& p) const
{
    const QColor gold = look_.headwearColour;
    const double cx = g_.centre.x();
    const double base = g_.top() + 5;
    QPainterPath shape;
    shape.moveTo(cx - 18, base);
    const double tips[5][2] = {{-18, -17}, {-9, -9}, {0, -21}, {9, -9}, {18, -17}};
    for (const auto& t : tips)
        shape.lineTo(cx + t[0], base + t[1]);
    shape.lineTo(cx + 18, base);
    shape.closeSubpath();
    QLinearGradient g(0, base - 20, 0, base);
    g.setColorAt(0, kit::Shade(gold, 1.35));
    g.setColorAt(1, kit::Shade(gold, 0.85));
    p.setPen(Outline(gold));
    p.setBrush(g);
    p.drawPath(shape);
    p.drawRoundedRect(QRectF(cx - 19, base - 4, 38, 7), 2, 2);
    for (int i = 0; i < 5; i += 2)
        kit::ShadedEllipse(p, QRectF(cx + tips[i][0] - 3, base + tips[i][1] - 3, 6, 6), kit::Shade(gold, 1.3),
                           kit::Shade(gold, 0.5), 1);
    kit::ShadedEllipse(p, QRectF(cx - 3.5, base - 4, 7, 7), QColor(230, 40, 70), QColor(120, 0, 30), 1);
    kit::ShadedEllipse(p, QRectF(cx - 13, base - 3, 5, 5), QColor(60, 140, 255), QColor(0, 40, 120), 1);
    kit::ShadedEllipse(p, QRectF(cx + 8, base - 3, 5, 5), QColor(60, 200, 120), QColor(0, 90, 40), 1);
}

void AccessoryPainter::witchHat(QPainter& p) const
{
    const QColor hat = look_.headwearColour;
    const double cx = g_.centre.x();
    const double brim = g_.foreheadY() - 4;
    // Near half of the brim, then the cone with its bent tip, then the band.
    QPainterPath nearBrim;
    nearBrim.addEllipse(QPointF(cx, brim), g_.halfWidth + 19, 9);
    QPainterPath lowerHalf;
    lowerHalf.addRect(QRectF(0, brim, 110, 20));
    p.setPen(Outline(hat));
    p.setBrush(kit::Shade(hat, 0.9));
    p.drawPath(nearBrim.intersected(lowerHalf));
    QPainterPath cone;
    cone.moveTo(cx - g_.halfWidth * 0.8, brim + 2);
    cone.cubicTo(cx - 14, brim - 22, cx + 2, brim - 36, cx + 24, brim - 38);
    cone.cubicTo(cx + 16, brim - 30, cx + 12, brim - 18, cx + g_.halfWidth * 0.8, brim + 2);
    cone.closeSubpath();
    QLinearGradient g(cx - 20, 0, cx + 20, 0);
    g.setColorAt(0, kit::Shade(hat, 1.25));
    g.setColorAt(1, kit::Shade(hat, 0.8));
    p.setBrush(g);
    p.drawPath(cone);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 60));
    QPainterPath band;
    band.addRect(QRectF(0, brim - 7, 110, 6));
    p.drawPath(band.intersected(cone));
    p.setBrush(QColor(255, 230, 120));
    p.drawPath(kit::StarPath(QPointF(cx + 4, brim - 18), 5, 2.2));
}

void AccessoryPainter::catEars(QPainter& p) const
{
    const QColor c = look_.headwearColour;
    for (int side : {-1, 1}) {
        const QPointF base(g_.centre.x() + side * g_.halfWidth * 0.58, g_.top() + 6);
        QPainterPath ear;
        ear.moveTo(base + QPointF(-side * 12, 3));
        ear.lineTo(base + QPointF(side * 6, -19));
        ear.lineTo(base + QPointF(side * 12, 6));
        ear.closeSubpath();
        p.setPen(Outline(c));
        p.setBrush(c);
        p.drawPath(ear);
        QPainterPath inner;
        inner.moveTo(base + QPointF(-side * 5, 1));
        inner.lineTo(base + QPointF(side * 5, -12));
        inner.lineTo(base + QPointF(side * 7, 3));
        inner.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 170, 190));
        p.drawPath(inner);
    }
}

void AccessoryPainter::headband(QPainter& p) const
{
    const QColor c = look_.headwearColour;
    const double y = g_.foreheadY() - 1;
    QPainterPath head;
    head.addEllipse(g_.centre, g_.halfWidth + 2.5, g_.halfHeight + 2.5);
    QPainterPath band;
    band.addRect(QRectF(0, y - 4.5, 110, 9));
    p.setPen(Outline(c));
    p.setBrush(c);
    p.drawPath(band.intersected(head));
    // The knot and its two loose ends fly out on the right.
    const QPointF knot(g_.right() + 1, y);
    for (int i = 0; i < 2; ++i) {
        QPainterPath tail;
        tail.moveTo(knot);
        tail.cubicTo(knot + QPointF(8, -6 + i * 9), knot + QPointF(14, -2 + i * 10), knot + QPointF(19, -8 + i * 16));
        tail.lineTo(knot + QPointF(15, -2 + i * 15));
        tail.cubicTo(knot + QPointF(10, 2 + i * 6), knot + QPointF(6, 3 + i * 2), knot);
        p.drawPath(tail);
    }
    p.drawEllipse(knot, 4, 4);
    // A rising sun on the front.
    p.setPen(Qt::NoPen);
    const bool lightBand = c.lightnessF() > 0.7;
    p.setBrush(lightBand ? QColor(220, 30, 40) : Qt::white);
    p.drawEllipse(QPointF(g_.centre.x(), y), 4, 3.2);
}

void AccessoryPainter::ribbon(QPainter& p, QPointF c, double s) const
{
    const QColor col = look_.headwearColour;
    p.setPen(Outline(col, 1.6));
    p.setBrush(col);
    for (int side : {-1, 1}) {
        QPainterPath loop;
        loop.moveTo(c);
        loop.cubicTo(c + QPointF(side * s * 0.6, -s * 0.9), c + QPointF(side * s * 1.3, -s * 0.6), c + QPointF(side * s * 1.1, 0));
        loop.cubicTo(c + QPointF(side * s * 1.3, s * 0.6), c + QPointF(side * s * 0.6, s * 0.9), c);
        p.drawPath(loop);
    }
    kit::ShadedEllipse(p, QRectF(c.x() - s * 0.3, c.y() - s * 0.3, s * 0.6, s * 0.6), col, kit::Shade(col, 0.5), 1.4);
}

void AccessoryPainter::paintEyewear(QPainter& p) const
{
    if (look_.eyewear == Eyewear::None)
        return;
    const double y = g_.eyeY();
    const double dx = g_.eyeDx();
    const QPointF left(g_.centre.x() - dx, y), right(g_.centre.x() + dx, y);
    QPainterPath lenses;
    if (look_.eyewear == Eyewear::Round) {
        lenses.addEllipse(left, 9.5, 9.5);
        lenses.addEllipse(right, 9.5, 9.5);
    } else {
        const double rw = look_.eyewear == Eyewear::Shades ? 11.5 : 10.5;
        const double rh = look_.eyewear == Eyewear::Shades ? 8 : 8.5;
        lenses.addRoundedRect(QRectF(left.x() - rw, y - rh, 2 * rw, 2 * rh), 4, 4);
        lenses.addRoundedRect(QRectF(right.x() - rw, y - rh, 2 * rw, 2 * rh), 4, 4);
    }
    const bool shades = look_.eyewear == Eyewear::Shades;
    const QColor frame = shades ? QColor(20, 20, 30) : QColor(70, 50, 40);
    p.setPen(QPen(frame, shades ? 2.2 : 2.0));
    if (shades) {
        QLinearGradient g(0, y - 8, 0, y + 8);
        g.setColorAt(0, QColor(40, 40, 60));
        g.setColorAt(1, QColor(10, 10, 20));
        p.setBrush(g);
    } else {
        p.setBrush(QColor(220, 240, 255, 60));
    }
    p.drawPath(lenses);
    p.drawLine(left + QPointF(shades ? 11.5 : 9.5, -2), right - QPointF(shades ? 11.5 : 9.5, 2));
    p.drawLine(left - QPointF(shades ? 11.5 : 9.5, 2), QPointF(g_.left() - 1, y - 4));
    p.drawLine(right + QPointF(shades ? 11.5 : 9.5, -2), QPointF(g_.right() + 1, y - 4));
    // The glint on the glass.
    p.setPen(QPen(QColor(255, 255, 255, shades ? 200 : 170), 1.8, Qt::SolidLine, Qt::RoundCap));
    for (const QPointF& c : {left, right})
        p.drawLine(c + QPointF(-5, -1), c + QPointF(-1, -5));
}

void AccessoryPainter::paintBeard(QPainter& p) const
{
    if (look_.facialHair == FacialHair::None || look_.facialHair == FacialHair::Moustache)
        return;
    const QColor c = look_.hairColour;
    const double cx = g_.centre.x();
    const double w = g_.halfWidth;
    const double top = g_.eyeY() + 6;
    const double bottom = look_.facialHair == FacialHair::LongBeard ? g_.chin() + 26 : g_.chin() + 5;
    QPainterPath beard;
    beard.moveTo(cx - w + 1, top);
    beard.cubicTo(cx - w, bottom - 10, cx - 12, bottom, cx, bottom);
    beard.cubicTo(cx + 12, bottom, cx + w, bottom - 10, cx + w - 1, top);
    beard.lineTo(cx + w - 6, top);
    beard.cubicTo(cx + w - 8, g_.mouthY() - 6, cx + 10, g_.mouthY() - 5, cx, g_.mouthY() - 5);
    beard.cubicTo(cx - 10, g_.mouthY() - 5, cx - w + 8, g_.mouthY() - 6, cx - w + 6, top);
    beard.closeSubpath();
    p.setPen(Outline(c));
    p.setBrush(c);
    p.drawPath(beard);
    // A few strands give it texture.
    p.setPen(QPen(kit::Shade(c, 0.75), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(cx + i * 6, g_.mouthY() + 8), QPointF(cx + i * 7, bottom - 6));
    // The mouth shows through a gap in the beard.
    p.setPen(Qt::NoPen);
    p.setBrush(kit::Shade(look_.skin, 0.95));
    p.drawEllipse(QPointF(cx, g_.mouthY() + 1), 9, 5.5);
}

void AccessoryPainter::paintMoustache(QPainter& p) const
{
    if (look_.facialHair == FacialHair::None)
        return;
    const QColor c = look_.hairColour;
    const double cx = g_.centre.x();
    const double y = g_.mouthY() - 5;
    p.setPen(Outline(c, 1.5));
    p.setBrush(c);
    for (int side : {-1, 1}) {
        QPainterPath half;
        half.moveTo(cx, y - 2);
        half.cubicTo(cx + side * 8, y - 5, cx + side * 14, y - 2, cx + side * 16, y + 4);
        half.cubicTo(cx + side * 11, y + 2, cx + side * 6, y + 4, cx, y + 2);
        half.closeSubpath();
        p.drawPath(half);
    }
}

void AccessoryPainter::paintEarrings(QPainter& p) const
{
    if (!look_.earrings)
        return;
    for (double x : {g_.left() - 1.0, g_.right() + 1.0}) {
        kit::ShadedEllipse(p, QRectF(x - 3, g_.eyeY() + 9, 6, 6), QColor(255, 205, 60), QColor(150, 100, 0), 1.2);
    }
}
