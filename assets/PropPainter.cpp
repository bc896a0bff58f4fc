// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "PropPainter.h"

#include "PaintKit.h"

// Every prop is drawn in a 100-unit box centred on the origin; paint() scales it.
namespace {
QPen Ink(const QColor& c, double width = 2.5)
{
    return kit::InkPen(c, width);
}
} // namespace

void PropPainter::paint(QPainter& p, Gift gift, QPointF centre, double size)
{
    p.save();
    p.translate(centre);
    p.scale(size / 100.0, size / 100.0);
    switch (gift) {
    case Gift::Cake: cake(p); break;
    case Gift::Trophy: trophy(p); break;
    case Gift::SnowRabbit: snowRabbit(p); break;
    case Gift::Fish: fish(p); break;
    case Gift::Potion: potion(p); break;
    case Gift::Bouquet: bouquet(p); break;
    case Gift::Guitar: guitar(p); break;
    case Gift::Dango: dango(p); break;
    case Gift::Bell: bell(p); break;
    case Gift::Balloons: balloons(p); break;
    case Gift::Scroll: scroll(p); break;
    case Gift::StarWand: starWand(p); break;
    }
    p.restore();
}

void PropPainter::cake(QPainter& p)
{
    const QColor sponge(250, 230, 190), cream(255, 252, 245), berry(230, 30, 60);
    p.setPen(Ink(sponge));
    p.setBrush(QColor(240, 240, 250));
    p.drawEllipse(QPointF(0, 34), 48, 10); // plate
    p.setBrush(sponge);
    p.drawRoundedRect(QRectF(-38, -8, 76, 42), 6, 6);
    p.setBrush(cream);
    p.drawRoundedRect(QRectF(-40, -14, 80, 16), 8, 8);
    p.setPen(QPen(QColor(255, 170, 190), 4));
    p.drawLine(QPointF(-36, 14), QPointF(36, 14));
    for (int i = -2; i <= 2; ++i)
        kit::ShadedEllipse(p, QRectF(i * 15 - 6, -26, 12, 12), berry, kit::Shade(berry, 0.5), 1.5);
    p.setPen(Ink(QColor(250, 200, 80), 2));
    p.setBrush(QColor(120, 190, 255));
    p.drawRect(QRectF(-3, -46, 6, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 190, 40));
    p.drawPath(kit::DropPath(QPointF(0, -50), 4));
}

void PropPainter::trophy(QPainter& p)
{
    const QColor gold(250, 195, 40);
    QLinearGradient g(-30, 0, 30, 0);
    g.setColorAt(0, kit::Shade(gold, 1.4));
    g.setColorAt(0.5, gold);
    g.setColorAt(1, kit::Shade(gold, 0.75));
    p.setPen(Ink(gold));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kit::Shade(gold, 0.8), 7));
    p.drawArc(QRectF(-46, -40, 26, 30), 90 * 16, 180 * 16);
    p.drawArc(QRectF(20, -40, 26, 30), -90 * 16, 180 * 16);
    p.setPen(Ink(gold));
    p.setBrush(g);
    QPainterPath cup;
    cup.moveTo(-32, -46);
    cup.lineTo(32, -46);
    cup.cubicTo(32, -6, 14, 6, 0, 8);
    cup.cubicTo(-14, 6, -32, -6, -32, -46);
    p.drawPath(cup);
    p.drawRect(QRectF(-6, 6, 12, 18));
    p.drawRoundedRect(QRectF(-24, 22, 48, 12), 3, 3);
    p.setBrush(QColor(120, 70, 40));
    p.drawRoundedRect(QRectF(-30, 34, 60, 14), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(kit::StarPath(QPointF(0, -24), 12, 5));
}

void PropPainter::snowRabbit(QPainter& p)
{
    p.setPen(Ink(QColor(200, 210, 230)));
    p.setBrush(QColor(252, 252, 255));
    p.drawEllipse(QPointF(0, 12), 42, 28);
    // Leaf ears and berry eyes, as a snow rabbit is made.
    p.setPen(Ink(QColor(60, 150, 60), 2));
    p.setBrush(QColor(70, 170, 70));
    for (int side : {-1, 1}) {
        p.save();
        p.translate(side * 12, -12);
        p.rotate(side * 20);
        p.drawEllipse(QPointF(0, -14), 8, 18);
        p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 20, 50));
    p.drawEllipse(QPointF(-16, 2), 4.5, 4.5);
    p.drawEllipse(QPointF(16, 2), 4.5, 4.5);
}

void PropPainter::fish(QPainter& p)
{
    const QColor red(240, 90, 90);
    QPainterPath body;
    body.moveTo(-46, 0);
    body.cubicTo(-30, -30, 20, -32, 34, 0);
    body.cubicTo(20, 30, -30, 28, -46, 0);
    QPainterPath tail;
    tail.moveTo(30, 0);
    tail.lineTo(52, -20);
    tail.lineTo(48, 0);
    tail.lineTo(52, 20);
    tail.closeSubpath();
    p.setPen(Ink(red));
    p.setBrush(kit::Shade(red, 0.9));
    p.drawPath(tail);
    QLinearGradient g(0, -30, 0, 30);
    g.setColorAt(0, kit::Shade(red, 0.9));
    g.setColorAt(1, QColor(255, 220, 210));
    p.setBrush(g);
    p.drawPath(body);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-30, -4), 6, 6);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(-30, -4), 3, 3);
    p.setPen(QPen(kit::Shade(red, 0.6), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-24, -14, 14, 28), -60 * 16, 120 * 16);
}

void PropPainter::potion(QPainter& p)
{
    const QColor glass(200, 240, 255, 200), brew(120, 230, 120);
    p.setPen(Ink(QColor(120, 160, 180)));
    p.setBrush(glass);
    QPainterPath flask;
    flask.moveTo(-9, -46);
    flask.lineTo(9, -46);
    flask.lineTo(9, -16);
    flask.cubicTo(40, -6, 40, 44, 0, 44);
    flask.cubicTo(-40, 44, -40, -6, -9, -16);
    flask.closeSubpath();
    p.drawPath(flask);
    p.save();
    p.setClipPath(flask);
    p.setPen(Qt::NoPen);
    p.setBrush(brew);
    p.drawRect(QRectF(-40, 2, 80, 50));
    p.setBrush(QColor(255, 255, 255, 180));
    p.drawEllipse(QPointF(-8, 18), 4, 4);
    p.drawEllipse(QPointF(6, 28), 3, 3);
    p.drawEllipse(QPointF(10, 12), 2.5, 2.5);
    p.restore();
    p.setPen(Ink(QColor(150, 90, 50)));
    p.setBrush(QColor(190, 120, 70));
    p.drawRoundedRect(QRectF(-11, -54, 22, 12), 3, 3);
    kit::Sparkle(p, QPointF(28, -30), 10, QColor(255, 255, 160));
}

void PropPainter::bouquet(QPainter& p)
{
    p.setPen(Ink(QColor(60, 140, 60), 3));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(i * 2, 40), QPointF(i * 10, -10));
    p.setPen(Ink(QColor(255, 230, 240)));
    p.setBrush(QColor(255, 240, 245));
    p.drawPolygon(QPolygonF({{-26, 0}, {26, 0}, {6, 46}, {-6, 46}}));
    const QPointF roses[] = {{-22, -16}, {0, -22}, {22, -16}, {-11, -34}, {11, -34}, {0, -4}};
    for (const QPointF& r : roses) {
        kit::ShadedEllipse(p, QRectF(r.x() - 11, r.y() - 11, 22, 22), QColor(230, 40, 70), QColor(120, 0, 30), 2);
        p.setPen(QPen(QColor(150, 10, 40), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(r.x() - 5, r.y() - 5, 10, 10), 30 * 16, 270 * 16);
    }
    p.setPen(Ink(QColor(255, 120, 170), 1.5));
    p.setBrush(QColor(255, 120, 170));
    p.drawEllipse(QPointF(-8, 26), 8, 5);
    p.drawEllipse(QPointF(8, 26), 8, 5);
}

void PropPainter::guitar(QPainter& p)
{
    const QColor body(230, 50, 50);
    p.save();
    p.rotate(-30);
    p.setPen(Ink(QColor(90, 60, 30)));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRectF(-4, -62, 8, 50));
    p.drawRoundedRect(QRectF(-7, -72, 14, 14), 3, 3);
    p.setPen(Ink(body));
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 6), 20, 18);
    p.drawEllipse(QPointF(0, 30), 26, 22);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(-18, 6, 36, 22));
    p.setBrush(QColor(40, 20, 20));
    p.drawEllipse(QPointF(0, 14), 7, 7);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(-10, 34, 20, 5));
    p.setPen(QPen(QColor(240, 240, 240), 0.8));
    for (int i = -1; i <= 1; ++i)
        p.drawLine(QPointF(i * 2, -60), QPointF(i * 2, 36));
    p.restore();
}

void PropPainter::dango(QPainter& p)
{
    p.setPen(Ink(QColor(200, 160, 100), 3.5));
    p.drawLine(QPointF(-30, 46), QPointF(26, -46));
    const QColor balls[] = {QColor(255, 160, 190), QColor(255, 255, 245), QColor(140, 200, 110)};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(-14 + i * 14, 22 - i * 24);
        kit::ShadedEllipse(p, QRectF(c.x() - 17, c.y() - 17, 34, 34), balls[2 - i], kit::Shade(balls[2 - i], 0.55), 2.5);
    }
}

void PropPainter::bell(QPainter& p)
{
    const QColor gold(250, 200, 50), red(220, 40, 60);
    p.setPen(Ink(red));
    p.setBrush(red);
    QPainterPath bow;
    bow.moveTo(0, -36);
    bow.cubicTo(-30, -60, -40, -20, 0, -36);
    bow.moveTo(0, -36);
    bow.cubicTo(30, -60, 40, -20, 0, -36);
    p.drawPath(bow);
    kit::ShadedEllipse(p, QRectF(-34, -34, 68, 68), gold, kit::Shade(gold, 0.45), 2.5);
    p.setPen(QPen(kit::Shade(gold, 0.5), 3));
    p.drawLine(QPointF(-32, -4), QPointF(32, -4));
    p.setBrush(QColor(60, 40, 20));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 12), 6, 6);
    p.drawRect(QRectF(-1.5, 12, 3, 18));
}

void PropPainter::balloons(QPainter& p)
{
    const QColor colours[] = {QColor(255, 70, 90), QColor(70, 160, 255), QColor(255, 210, 50), QColor(110, 220, 110)};
    const QPointF tops[] = {{-24, -30}, {4, -44}, {26, -22}, {-2, -14}};
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    for (const QPointF& t : tops)
        p.drawLine(t + QPointF(0, 20), QPointF(0, 50));
    for (int i = 0; i < 4; ++i) {
        kit::ShadedEllipse(p, QRectF(tops[i].x() - 16, tops[i].y() - 20, 32, 40), colours[i], kit::Shade(colours[i], 0.5), 2);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(tops[i] + QPointF(-6, -9), 4, 6);
    }
}

void PropPainter::scroll(QPainter& p)
{
    const QColor paper(250, 245, 225), wood(130, 70, 40);
    p.setPen(Ink(paper));
    p.setBrush(paper);
    p.drawRect(QRectF(-26, -44, 52, 88));
    p.setPen(QPen(QColor(40, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
    // Brush strokes standing for the writing of a master's licence.
    p.setFont(kit::Gothic(20));
    p.drawText(QRectF(-20, -40, 40, 80), Qt::AlignCenter, QStringLiteral("免\n許"));
    p.setPen(Ink(wood));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(-34, -52, 68, 10), 4, 4);
    p.drawRoundedRect(QRectF(-34, 42, 68, 10), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawRect(QRectF(10, 24, 10, 10));
}

void PropPainter::starWand(QPainter& p)
{
    p.setPen(Ink(QColor(150, 100, 200), 5));
    p.drawLine(QPointF(-28, 48), QPointF(6, -10));
    const QColor star(255, 220, 60);
    p.setPen(Ink(star, 2.5));
    p.setBrush(star);
    p.drawPath(kit::StarPath(QPointF(12, -24), 28, 12));
    kit::Sparkle(p, QPointF(40, -44), 9, Qt::white);
    kit::Sparkle(p, QPointF(-14, -40), 6, QColor(255, 250, 200));
    kit::Sparkle(p, QPointF(36, 6), 6, QColor(255, 250, 200));
}
