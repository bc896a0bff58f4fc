// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "BackdropPainter.h"

#include "PaintKit.h"
#include "Rng.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double W = BackdropPainter::kWidth;
constexpr double H = BackdropPainter::kHeight;

QPen Ink(const QColor& c, double width = 2)
{
    return kit::InkPen(c, width);
}

bool Outdoors(Setting s)
{
    return s != Setting::Lab && s != Setting::Stage && s != Setting::Dojo;
}

void Tree(QPainter& p, QPointF base, double size, const QColor& leaves)
{
    p.setPen(Ink(QColor(120, 80, 50)));
    p.setBrush(QColor(130, 85, 50));
    p.drawRect(QRectF(base.x() - size * 0.08, base.y() - size * 0.7, size * 0.16, size * 0.7));
    p.setPen(Ink(leaves, 1.5));
    p.setBrush(leaves);
    const QPointF crown = base - QPointF(0, size * 0.85);
    p.drawEllipse(crown + QPointF(-size * 0.25, size * 0.05), size * 0.32, size * 0.26);
    p.drawEllipse(crown + QPointF(size * 0.25, size * 0.05), size * 0.32, size * 0.26);
    p.drawEllipse(crown - QPointF(0, size * 0.15), size * 0.36, size * 0.3);
}

void Pine(QPainter& p, QPointF base, double size)
{
    p.setPen(Ink(QColor(40, 100, 70)));
    for (int i = 0; i < 3; ++i) {
        const double y = base.y() - size * 0.25 - i * size * 0.25;
        const double half = size * (0.38 - i * 0.09);
        QPainterPath tier;
        tier.moveTo(base.x() - half, y);
        tier.lineTo(base.x(), y - size * 0.4);
        tier.lineTo(base.x() + half, y);
        tier.closeSubpath();
        p.setBrush(QColor(45, 120, 85));
        p.drawPath(tier);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{base.x() - half * 0.35, y - size * 0.27}, {base.x(), y - size * 0.4}, {base.x() + half * 0.35, y - size * 0.27}}));
        p.setPen(Ink(QColor(40, 100, 70)));
    }
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(base.x() - 4, base.y() - size * 0.25, 8, size * 0.25));
}
} // namespace

void BackdropPainter::paint(QPainter& p, Setting setting, bool festive, Rng& rng)
{
    if (Outdoors(setting))
        sky(p, festive || setting == Setting::NightSky, rng);
    switch (setting) {
    case Setting::Park: park(p, rng); break;
    case Setting::Ballpark: ballpark(p, rng); break;
    case Setting::SnowField: snowField(p, rng); break;
    case Setting::Beach: beach(p); break;
    case Setting::Lab: lab(p); break;
    case Setting::Castle: castle(p); break;
    case Setting::Stage: stage(p, rng); break;
    case Setting::TeaGarden: teaGarden(p); break;
    case Setting::Rooftops: rooftops(p, rng); break;
    case Setting::Fairground: fairground(p); break;
    case Setting::Dojo: dojo(p); break;
    case Setting::NightSky: nightSky(p, rng); break;
    }
    if (festive && Outdoors(setting) && setting != Setting::NightSky) {
        // Dusk falls over the scenery too, so the ground matches the evening sky.
        p.fillRect(QRectF(0, 0, W, H), QColor(60, 30, 100, 55));
        fireworks(p, rng);
    }
    if (festive && !Outdoors(setting))
        bunting(p);
}

void BackdropPainter::sky(QPainter& p, bool evening, Rng& rng)
{
    if (evening) {
        QLinearGradient g(0, 0, 0, 300);
        g.setColorAt(0, QColor(25, 25, 80));
        g.setColorAt(0.6, QColor(90, 60, 140));
        g.setColorAt(1, QColor(250, 150, 120));
        p.fillRect(QRectF(0, 0, W, H), g);
        kit::Stars(p, rng, QRectF(0, 0, W, 160), 50);
        return;
    }
    kit::FillVertical(p, QRectF(0, 0, W, H), QColor(110, 180, 250), QColor(210, 240, 255));
    kit::Cloud(p, QPointF(110, 70), 70, QColor(255, 255, 255, 230));
    kit::Cloud(p, QPointF(470, 50), 90, QColor(255, 255, 255, 230));
    kit::Cloud(p, QPointF(300, 110), 50, QColor(255, 255, 255, 200));
}

void BackdropPainter::fireworks(QPainter& p, Rng& rng)
{
    const QColor colours[] = {QColor(255, 210, 80), QColor(255, 110, 160), QColor(120, 220, 255)};
    const QPointF centres[] = {{90, 70}, {510, 60}, {300, 40}};
    for (int i = 0; i < 3; ++i) {
        const double r = rng.uniform(38, 55);
        kit::Burst(p, centres[i], r * 0.25, r, 16, colours[i], 3);
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i]);
        for (int k = 0; k < 16; ++k) {
            const double a = 2 * std::numbers::pi * (k + 0.5) / 16;
            p.drawEllipse(centres[i] + QPointF(std::cos(a), std::sin(a)) * r * 1.12, 2.2, 2.2);
        }
    }
}

void BackdropPainter::bunting(QPainter& p)
{
    const QColor colours[] = {QColor(255, 80, 80), QColor(255, 210, 60), QColor(80, 170, 255), QColor(110, 210, 110)};
    for (int row = 0; row < 2; ++row) {
        const double y0 = 20 + row * 34;
        QPainterPath string;
        string.moveTo(0, y0);
        string.quadTo(W / 2, y0 + 40, W, y0);
        p.setPen(QPen(QColor(80, 60, 50), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(string);
        for (int i = 0; i < 14; ++i) {
            const double t = (i + 0.5 + row * 0.5) / 14.5;
            const QPointF at = string.pointAtPercent(t);
            QPainterPath flag;
            flag.moveTo(at + QPointF(-11, 0));
            flag.lineTo(at + QPointF(11, 0));
            flag.lineTo(at + QPointF(0, 22));
            flag.closeSubpath();
            p.setPen(Ink(colours[(i + row) % 4], 1.2));
            p.setBrush(colours[(i + row) % 4]);
            p.drawPath(flag);
        }
    }
}

void BackdropPainter::hills(QPainter& p, const QColor& far, const QColor& near, double horizon)
{
    QPainterPath back;
    back.moveTo(0, horizon);
    back.cubicTo(120, horizon - 60, 240, horizon - 10, 330, horizon - 40);
    back.cubicTo(420, horizon - 70, 520, horizon - 20, W, horizon - 30);
    back.lineTo(W, H);
    back.lineTo(0, H);
    back.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(far);
    p.drawPath(back);
    QPainterPath front;
    front.moveTo(0, horizon + 30);
    front.cubicTo(150, horizon, 400, horizon + 20, W, horizon + 5);
    front.lineTo(W, H);
    front.lineTo(0, H);
    front.closeSubpath();
    QLinearGradient g(0, horizon, 0, H);
    g.setColorAt(0, near);
    g.setColorAt(1, kit::Shade(near, 0.8));
    p.setBrush(g);
    p.drawPath(front);
}

void BackdropPainter::park(QPainter& p, Rng& rng)
{
    hills(p, QColor(140, 200, 120), QColor(120, 200, 90), 250);
    // Cherry trees in bloom, with petals drifting.
    for (const QPointF& base : {QPointF(70, 280), QPointF(540, 270), QPointF(470, 250)}) {
        Tree(p, base, base.y() > 260 ? 150 : 110, QColor(255, 190, 215));
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(255, 170, 200, 220));
        p.drawEllipse(QPointF(rng.uniform(0, W), rng.uniform(60, 380)), 3.5, 2.2);
    }
    // A bench.
    p.setPen(Ink(QColor(170, 110, 60)));
    p.setBrush(QColor(190, 125, 70));
    p.drawRect(QRectF(150, 300, 90, 8));
    p.drawRect(QRectF(150, 284, 90, 8));
    p.drawRect(QRectF(156, 308, 6, 18));
    p.drawRect(QRectF(228, 308, 6, 18));
}

void BackdropPainter::ballpark(QPainter& p, Rng& rng)
{
    // Stands full of fans, the outfield wall, grass and the infield dirt.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 130, 150));
    p.drawRect(QRectF(0, 150, W, 90));
    for (int i = 0; i < 260; ++i) {
        static const QColor fans[] = {QColor(255, 90, 90), QColor(255, 255, 255), QColor(90, 140, 255), QColor(255, 220, 90)};
        p.setBrush(fans[rng.below(4)]);
        p.drawEllipse(QPointF(rng.uniform(0, W), rng.uniform(158, 232)), 3.2, 3.2);
    }
    p.setBrush(QColor(40, 110, 70));
    p.drawRect(QRectF(0, 236, W, 22));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(0, 236), QPointF(W, 236));
    QLinearGradient grass(0, 258, 0, H);
    grass.setColorAt(0, QColor(70, 180, 80));
    grass.setColorAt(1, QColor(40, 150, 60));
    p.fillRect(QRectF(0, 258, W, H - 258), grass);
    // Mowing stripes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 22));
    for (int i = 0; i < 8; ++i)
        p.drawRect(QRectF(i * 80, 258, 40, H - 258));
    p.setBrush(QColor(200, 150, 100));
    p.drawEllipse(QPointF(300, 420), 330, 90);
    // Scoreboard.
    p.setPen(Ink(QColor(30, 60, 40)));
    p.setBrush(QColor(30, 70, 50));
    p.drawRect(QRectF(220, 60, 160, 80));
    p.setPen(QColor(255, 240, 120));
    p.setFont(kit::Gothic(22));
    p.drawText(QRectF(220, 66, 160, 36), Qt::AlignCenter, QStringLiteral("WIN!"));
    p.setFont(kit::Gothic(16));
    p.drawText(QRectF(220, 100, 160, 30), Qt::AlignCenter, QStringLiteral("1 0 2 0 3"));
}

void BackdropPainter::snowField(QPainter& p, Rng& rng)
{
    hills(p, QColor(225, 235, 250), QColor(250, 252, 255), 250);
    for (const QPointF& base : {QPointF(60, 260), QPointF(120, 250), QPointF(520, 255), QPointF(570, 270)})
        Pine(p, base, 110);
    // A snowman watching.
    p.setPen(Ink(QColor(200, 210, 230)));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(170, 300), 30, 28);
    p.drawEllipse(QPointF(170, 258), 21, 20);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(163, 254), 2.5, 2.5);
    p.drawEllipse(QPointF(177, 254), 2.5, 2.5);
    p.setBrush(QColor(255, 130, 40));
    QPainterPath nose;
    nose.moveTo(170, 259);
    nose.lineTo(184, 263);
    nose.lineTo(170, 264);
    p.drawPath(nose);
    p.setBrush(QColor(220, 40, 50));
    p.drawRect(QRectF(152, 272, 36, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    for (int i = 0; i < 70; ++i)
        p.drawEllipse(QPointF(rng.uniform(0, W), rng.uniform(0, H)), 2.4, 2.4);
}

void BackdropPainter::beach(QPainter& p)
{
    // Sun, sea with waves, sand, a palm tree and a little boat.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 150));
    p.drawEllipse(QPointF(500, 80), 40, 40);
    kit::FillVertical(p, QRectF(0, 200, W, 100), QColor(40, 150, 220), QColor(80, 200, 230));
    p.setPen(QPen(QColor(255, 255, 255, 200), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int row = 0; row < 4; ++row)
        for (int i = 0; i < 8; ++i) {
            const double x = i * 80 + row * 30;
            const double y = 215 + row * 20;
            p.drawArc(QRectF(x, y, 26, 10), 0, 180 * 16);
        }
    QPainterPath sand;
    sand.moveTo(0, 290);
    sand.cubicTo(200, 270, 400, 300, W, 280);
    sand.lineTo(W, H);
    sand.lineTo(0, H);
    sand.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 225, 160));
    p.drawPath(sand);
    // Boat.
    p.setPen(Ink(QColor(200, 80, 60)));
    p.setBrush(QColor(220, 90, 60));
    p.drawPolygon(QPolygonF({{380, 206}, {440, 206}, {430, 218}, {390, 218}}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{410, 204}, {410, 160}, {436, 204}}));
    // Palm.
    p.setPen(Ink(QColor(150, 100, 60), 2));
    p.setBrush(QColor(160, 110, 60));
    QPainterPath trunk;
    trunk.moveTo(70, 330);
    trunk.cubicTo(80, 260, 100, 200, 120, 150);
    trunk.lineTo(130, 154);
    trunk.cubicTo(112, 210, 94, 270, 90, 330);
    trunk.closeSubpath();
    p.drawPath(trunk);
    p.setPen(Ink(QColor(50, 160, 70), 2));
    p.setBrush(QColor(60, 180, 80));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(125, 150);
        p.rotate(-160 + i * 50);
        p.drawEllipse(QRectF(0, -9, 70, 18));
        p.restore();
    }
}

void BackdropPainter::lab(QPainter& p)
{
    kit::FillVertical(p, QRectF(0, 0, W, 290), QColor(200, 230, 225), QColor(170, 210, 205));
    // Floor tiles.
    for (int x = 0; x < 15; ++x)
        for (int y = 0; y < 4; ++y)
            p.fillRect(QRectF(x * 40, 290 + y * 28, 40, 28), (x + y) % 2 ? QColor(230, 230, 235) : QColor(190, 195, 210));
    // Blackboard with formulas.
    p.setPen(Ink(QColor(140, 90, 50), 3));
    p.setBrush(QColor(40, 80, 60));
    p.drawRect(QRectF(40, 40, 230, 140));
    p.setPen(QColor(240, 240, 230));
    p.setFont(kit::Gothic(20, false));
    p.drawText(QRectF(50, 50, 210, 120), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("E = mc²\n○+●= ?\n8×8 = 64 !"));
    // Shelf of flasks.
    p.setPen(Ink(QColor(150, 100, 60)));
    p.setBrush(QColor(170, 120, 70));
    p.drawRect(QRectF(340, 120, 230, 10));
    p.drawRect(QRectF(340, 210, 230, 10));
    const QColor brews[] = {QColor(255, 90, 90), QColor(90, 200, 255), QColor(140, 230, 100), QColor(255, 210, 60),
                            QColor(220, 120, 255)};
    for (int i = 0; i < 5; ++i) {
        for (int shelf = 0; shelf < 2; ++shelf) {
            const double x = 360 + i * 44 + shelf * 14;
            const double y = shelf ? 210 : 120;
            p.setPen(Ink(QColor(120, 160, 180), 1.5));
            p.setBrush(QColor(220, 245, 255, 200));
            p.drawRoundedRect(QRectF(x, y - 44, 22, 44), 6, 6);
            p.setPen(Qt::NoPen);
            p.setBrush(brews[(i + shelf * 2) % 5]);
            p.drawRoundedRect(QRectF(x + 2, y - 24, 18, 22), 5, 5);
        }
    }
    // Lab bench.
    p.setPen(Ink(QColor(90, 90, 100)));
    p.setBrush(QColor(110, 110, 125));
    p.drawRect(QRectF(0, 262, 140, 40));
}

void BackdropPainter::castle(QPainter& p)
{
    hills(p, QColor(130, 200, 120), QColor(110, 195, 95), 260);
    const QColor stone(235, 225, 240), roof(90, 110, 220);
    p.setPen(Ink(stone));
    p.setBrush(stone);
    p.drawRect(QRectF(180, 120, 240, 150));
    for (double x : {150.0, 400.0}) {
        p.setBrush(stone);
        p.drawRect(QRectF(x, 90, 50, 180));
        QPainterPath cone;
        cone.moveTo(x - 8, 90);
        cone.lineTo(x + 25, 30);
        cone.lineTo(x + 58, 90);
        cone.closeSubpath();
        p.setBrush(roof);
        p.drawPath(cone);
        p.setPen(QPen(QColor(120, 90, 60), 2));
        p.drawLine(QPointF(x + 25, 30), QPointF(x + 25, 10));
        p.setPen(Ink(QColor(240, 60, 100)));
        p.setBrush(QColor(240, 60, 100));
        QPainterPath flag;
        flag.moveTo(x + 25, 10);
        flag.lineTo(x + 45, 16);
        flag.lineTo(x + 25, 22);
        p.drawPath(flag);
        p.setPen(Ink(stone));
    }
    // Battlements, windows and the gate.
    p.setBrush(stone);
    for (int i = 0; i < 6; ++i)
        p.drawRect(QRectF(186 + i * 40, 106, 22, 16));
    p.setBrush(QColor(90, 70, 110));
    for (double x : {220.0, 360.0})
        p.drawRoundedRect(QRectF(x, 150, 20, 30), 10, 10);
    p.setBrush(QColor(120, 80, 50));
    p.drawRoundedRect(QRectF(270, 200, 60, 70), 30, 30);
    // Rose hedges in front.
    for (int i = 0; i < 7; ++i) {
        const QPointF c(i * 95, 300);
        p.setPen(Ink(QColor(50, 140, 60)));
        p.setBrush(QColor(60, 150, 70));
        p.drawEllipse(c, 50, 22);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 70, 110));
        for (int k = -2; k <= 2; ++k)
            p.drawEllipse(c + QPointF(k * 16, (k % 2) * 6 - 6), 4.5, 4.5);
    }
}

void BackdropPainter::stage(QPainter& p, Rng& rng)
{
    kit::FillVertical(p, QRectF(0, 0, W, H), QColor(20, 10, 40), QColor(60, 20, 70));
    // Spotlights.
    const QColor beams[] = {QColor(255, 240, 150, 70), QColor(255, 120, 200, 60), QColor(120, 200, 255, 60)};
    const double sources[] = {80, 300, 520};
    for (int i = 0; i < 3; ++i) {
        QPainterPath beam;
        beam.moveTo(sources[i] - 10, 0);
        beam.lineTo(sources[i] + 10, 0);
        beam.lineTo(300 + (i - 1) * 60 + 110, 330);
        beam.lineTo(300 + (i - 1) * 60 - 110, 330);
        beam.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(beams[i]);
        p.drawPath(beam);
    }
    // Speakers.
    for (double x : {20.0, 500.0}) {
        p.setPen(Ink(QColor(60, 60, 70)));
        p.setBrush(QColor(40, 40, 50));
        p.drawRect(QRectF(x, 170, 80, 130));
        p.setBrush(QColor(90, 90, 100));
        p.drawEllipse(QPointF(x + 40, 210), 24, 24);
        p.drawEllipse(QPointF(x + 40, 268), 16, 16);
    }
    // Stage floor and the crowd's raised hands.
    kit::FillVertical(p, QRectF(0, 300, W, 100), QColor(150, 90, 50), QColor(100, 60, 35));
    p.setPen(QPen(QColor(90, 50, 30), 1.5));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(0, 320 + i * 22), QPointF(W, 320 + i * 22));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 30; ++i) {
        const double x = rng.uniform(0, W);
        kit::Sparkle(p, QPointF(x, rng.uniform(10, 140)), rng.uniform(3, 7), QColor(255, 255, 200, 200));
    }
    p.setPen(QPen(QColor(255, 230, 120), 3));
    p.setFont(kit::Gothic(26));
    p.drawText(QRectF(0, 90, W, 40), Qt::AlignCenter, QStringLiteral("♪  LIVE  ♪"));
}

void BackdropPainter::teaGarden(QPainter& p)
{
    hills(p, QColor(150, 200, 130), QColor(170, 210, 140), 250);
    // Bamboo at the back.
    for (int i = 0; i < 6; ++i) {
        const double x = 20 + i * 22 + (i % 2) * 8;
        p.setPen(Ink(QColor(90, 170, 90)));
        p.setBrush(QColor(110, 190, 100));
        p.drawRect(QRectF(x, 40, 12, 240));
        for (int k = 0; k < 5; ++k)
            p.drawLine(QPointF(x, 70 + k * 45), QPointF(x + 12, 70 + k * 45));
    }
    // A red parasol over a bench with a red cloth.
    p.setPen(Ink(QColor(120, 80, 40)));
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(447, 110, 6, 190));
    QPainterPath parasol;
    parasol.moveTo(330, 140);
    parasol.quadTo(450, 40, 570, 140);
    parasol.closeSubpath();
    p.setPen(Ink(QColor(220, 50, 50)));
    p.setBrush(QColor(225, 55, 55));
    p.drawPath(parasol);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(360, 270, 180, 14));
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(370, 284, 8, 30));
    p.drawRect(QRectF(522, 284, 8, 30));
    // Tea bowl on the bench.
    p.setBrush(QColor(60, 130, 80));
    p.drawChord(QRectF(490, 250, 30, 30), 0, -180 * 16);
    // A pond.
    p.setPen(Ink(QColor(110, 170, 210)));
    p.setBrush(QColor(130, 190, 230));
    p.drawEllipse(QPointF(170, 330), 90, 20);
}

void BackdropPainter::rooftops(QPainter& p, Rng& rng)
{
    // A sunset over the town, seen from the roofs.
    kit::FillVertical(p, QRectF(0, 0, W, 260), QColor(255, 150, 110), QColor(255, 220, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 200));
    p.drawEllipse(QPointF(150, 200), 46, 46);
    for (int i = 0; i < 9; ++i) {
        const double x = i * 70 - 10;
        const double h = 60 + (i * 37 % 50);
        p.setBrush(QColor(150, 90, 110));
        p.drawRect(QRectF(x, 260 - h, 64, h + 10));
        p.setBrush(QColor(255, 230, 140));
        for (int k = 0; k < 3; ++k)
            if (rng.below(2))
                p.drawRect(QRectF(x + 10 + k * 16, 260 - h + 14, 8, 10));
    }
    // Tiled roof underfoot.
    QPainterPath roof;
    roof.moveTo(0, 290);
    roof.lineTo(W, 270);
    roof.lineTo(W, H);
    roof.lineTo(0, H);
    roof.closeSubpath();
    p.setBrush(QColor(110, 90, 120));
    p.drawPath(roof);
    p.setPen(QPen(QColor(80, 60, 90), 2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(0, 300 + i * 18), QPointF(W, 280 + i * 18 + i * 3));
    // A chimney and a sleeping cat.
    p.setPen(Ink(QColor(170, 90, 70)));
    p.setBrush(QColor(180, 100, 80));
    p.drawRect(QRectF(60, 230, 36, 60));
    p.setBrush(QColor(250, 160, 60));
    p.drawEllipse(QPointF(520, 288), 22, 11);
    p.drawEllipse(QPointF(500, 282), 10, 9);
    QPainterPath ears;
    ears.moveTo(493, 276);
    ears.lineTo(495, 267);
    ears.lineTo(500, 274);
    ears.moveTo(502, 274);
    ears.lineTo(507, 267);
    ears.lineTo(508, 277);
    p.drawPath(ears);
}

void BackdropPainter::fairground(QPainter& p)
{
    hills(p, QColor(150, 210, 140), QColor(120, 200, 100), 265);
    // Ferris wheel.
    const QPointF hub(480, 150);
    p.setPen(QPen(QColor(200, 200, 220), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(hub, 100, 100);
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        const QPointF rim = hub + QPointF(std::cos(a), std::sin(a)) * 100;
        p.setPen(QPen(QColor(200, 200, 220), 2));
        p.drawLine(hub, rim);
        static const QColor cars[] = {QColor(255, 90, 90), QColor(255, 210, 60), QColor(90, 170, 255), QColor(120, 220, 120)};
        p.setPen(Ink(cars[i % 4]));
        p.setBrush(cars[i % 4]);
        p.drawRoundedRect(QRectF(rim.x() - 10, rim.y() - 4, 20, 16), 4, 4);
    }
    p.setPen(QPen(QColor(150, 150, 170), 5));
    p.drawLine(hub, QPointF(440, 280));
    p.drawLine(hub, QPointF(520, 280));
    // A striped circus tent.
    const double left = 30, right = 290, base = 280, top = 80;
    for (int i = 0; i < 8; ++i) {
        const double x0 = left + (right - left) * i / 8, x1 = left + (right - left) * (i + 1) / 8;
        QPainterPath stripe;
        stripe.moveTo(x0, base);
        stripe.lineTo((left + right) / 2, top);
        stripe.lineTo(x1, base);
        stripe.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(255, 255, 255) : QColor(230, 50, 60));
        p.drawPath(stripe);
    }
    p.setPen(Ink(QColor(230, 50, 60)));
    p.setBrush(QColor(230, 50, 60));
    p.drawRect(QRectF(left, base - 4, right - left, 12));
    p.setBrush(QColor(60, 40, 60));
    p.drawPolygon(QPolygonF({{140, base + 8}, {160, 200}, {180, base + 8}}));
    p.setPen(QPen(QColor(120, 90, 60), 2));
    p.drawLine(QPointF(160, top), QPointF(160, top - 24));
    p.setBrush(QColor(255, 210, 60));
    p.setPen(Ink(QColor(255, 210, 60)));
    QPainterPath pennant;
    pennant.moveTo(160, top - 24);
    pennant.lineTo(184, top - 17);
    pennant.lineTo(160, top - 10);
    p.drawPath(pennant);
}

void BackdropPainter::dojo(QPainter& p)
{
    // Wooden walls and floor, a hanging scroll and a window onto cherry blossoms.
    kit::FillVertical(p, QRectF(0, 0, W, 290), QColor(230, 200, 150), QColor(210, 175, 125));
    p.setPen(QPen(QColor(170, 130, 80), 3));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(i * 100, 0), QPointF(i * 100, 290));
    kit::FillVertical(p, QRectF(0, 290, W, 110), QColor(190, 140, 80), QColor(150, 100, 55));
    p.setPen(QPen(QColor(130, 85, 45), 1.5));
    for (int i = 0; i < 12; ++i)
        p.drawLine(QPointF(i * 55, 290), QPointF(i * 70 - 100, H));
    p.setPen(Ink(QColor(100, 70, 40), 3));
    p.setBrush(QColor(200, 230, 255));
    p.drawRect(QRectF(380, 50, 170, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 190, 215));
    for (int i = 0; i < 9; ++i)
        p.drawEllipse(QPointF(390 + i * 19, 70 + (i % 3) * 14), 18, 14);
    p.setPen(QPen(QColor(100, 70, 40), 4));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(465, 50), QPointF(465, 180));
    p.drawLine(QPointF(380, 115), QPointF(550, 115));
    // Hanging scroll.
    p.setPen(Ink(QColor(245, 240, 225)));
    p.setBrush(QColor(248, 243, 228));
    p.drawRect(QRectF(90, 40, 80, 180));
    p.setPen(QColor(30, 20, 20));
    p.setFont(kit::Gothic(56));
    p.drawText(QRectF(90, 60, 80, 140), Qt::AlignCenter, QStringLiteral("心"));
    p.setPen(Ink(QColor(100, 60, 30)));
    p.setBrush(QColor(110, 65, 35));
    p.drawRect(QRectF(84, 34, 92, 8));
    p.drawRect(QRectF(84, 218, 92, 8));
}

void BackdropPainter::nightSky(QPainter& p, Rng& rng)
{
    // The moon over dark hills and a sleeping town.
    p.setPen(Qt::NoPen);
    QRadialGradient glow(QPointF(460, 90), 90);
    glow.setColorAt(0, QColor(255, 250, 200, 160));
    glow.setColorAt(1, QColor(255, 250, 200, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(460, 90), 90, 90);
    p.setBrush(QColor(255, 245, 190));
    p.drawEllipse(QPointF(460, 90), 44, 44);
    kit::Stars(p, rng, QRectF(0, 0, W, 220), 40);
    hills(p, QColor(50, 50, 100), QColor(40, 60, 90), 270);
    for (int i = 0; i < 10; ++i) {
        const double x = 30 + i * 56;
        p.setBrush(QColor(30, 30, 60));
        p.drawRect(QRectF(x, 240 + (i % 3) * 8, 34, 40));
        p.setBrush(QColor(255, 220, 120));
        p.drawRect(QRectF(x + 12, 254 + (i % 3) * 8, 9, 9));
    }
}
