// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "FacePainter.h"

#include "AccessoryPainter.h"
#include "HairPainter.h"
#include "PaintKit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace {
const QColor kInk(55, 35, 35);

QColor Tinted(const QColor& ground, double tint)
{
    if (tint < 0)
        return kit::Mix(ground, QColor(105, 115, 150), -tint * 0.8);
    return kit::Mix(ground, QColor(255, 215, 90), tint * 0.55);
}

double Luminance(const QColor& c)
{
    return 0.3 * c.redF() + 0.59 * c.greenF() + 0.11 * c.blueF();
}
} // namespace

FacePainter::FacePainter(const CharacterLook& look) : look_(look), g_(HeadGeometry::For(look.head)) {}

QImage FacePainter::portrait(const Mood& mood) const
{
    QImage image = kit::Canvas(kSize, kSize, look_.background);
    QPainter p(&image);
    kit::Prepare(p);
    paintGround(p, mood);
    paintBehind(p);
    paintShoulders(p);
    paintHead(p, mood);
    // A thin frame keeps neighbouring thumbnails apart.
    p.setPen(QPen(kit::Shade(Tinted(look_.background, mood.tint), 0.5), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, kSize - 2, kSize - 2));
    return image;
}

void FacePainter::paintGround(QPainter& p, const Mood& mood) const
{
    const QColor ground = Tinted(look_.background, mood.tint);
    QRadialGradient g(QPointF(55, 42), 85);
    g.setColorAt(0, kit::Shade(ground, 1.25));
    g.setColorAt(1, kit::Shade(ground, 0.8));
    p.fillRect(QRectF(0, 0, kSize, kSize), g);
    if (mood.gloom) {
        // Dark streaks hanging from the top: the cartoon sign of despair.
        p.setPen(QPen(QColor(30, 30, 80, 70), 3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 12; ++i) {
            const double x = 5 + i * 9.2;
            p.drawLine(QPointF(x, 0), QPointF(x, 18 + 14 * std::abs(std::sin(i * 1.7))));
        }
    }
    if (mood.sparkles) {
        const QColor gold(255, 240, 150);
        kit::Sparkle(p, QPointF(13, 15), 8, gold);
        kit::Sparkle(p, QPointF(97, 19), 6, gold);
        kit::Sparkle(p, QPointF(100, 62), 4.5, Qt::white);
        kit::Sparkle(p, QPointF(8, 58), 4, Qt::white);
    }
}

void FacePainter::paintBehind(QPainter& p) const
{
    HairPainter(look_, g_).paintBack(p);
    AccessoryPainter(look_, g_).paintHeadwearBehind(p);
}

void FacePainter::paintShoulders(QPainter& p) const
{
    const double cx = g_.centre.x();
    // Neck.
    p.setPen(QPen(kit::Shade(look_.skin, 0.6), 1.6));
    p.setBrush(kit::Shade(look_.skin, 0.86));
    p.drawRoundedRect(QRectF(cx - 8.5, g_.chin() - 8, 17, 100 - g_.chin()), 4, 4);
    // Shirt.
    QPainterPath body;
    body.moveTo(4, 112);
    body.cubicTo(6, 98, 20, 91, cx - 11, 89);
    body.lineTo(cx + 11, 89);
    body.cubicTo(90, 91, 104, 98, 106, 112);
    body.closeSubpath();
    QLinearGradient shirt(0, 88, 0, 110);
    shirt.setColorAt(0, kit::Shade(look_.shirt, 1.15));
    shirt.setColorAt(1, kit::Shade(look_.shirt, 0.8));
    p.setPen(QPen(kit::Shade(look_.shirt, 0.5), 1.8));
    p.setBrush(shirt);
    p.drawPath(body);
    // Neckline.
    QPainterPath neckline;
    neckline.moveTo(cx - 10, 89);
    neckline.lineTo(cx, 99);
    neckline.lineTo(cx + 10, 89);
    neckline.closeSubpath();
    p.setBrush(kit::Shade(look_.skin, 0.9));
    p.setPen(QPen(kit::Shade(look_.shirt, 0.5), 1.6));
    p.drawPath(neckline);
}

void FacePainter::paintHead(QPainter& p, const Mood& mood) const
{
    const HairPainter hair(look_, g_);
    const AccessoryPainter extras(look_, g_);
    paintEars(p);
    extras.paintEarrings(p);
    paintSkin(p);
    paintCheeks(p, mood);
    extras.paintBeard(p);
    paintEyes(p, mood);
    paintNose(p);
    paintMouth(p, mood);
    extras.paintMoustache(p);
    hair.paintFront(p);
    extras.paintEyewear(p);
    extras.paintHeadwear(p);
    paintBrows(p, mood);
    paintTears(p, mood);
    if (mood.sweat)
        paintSweat(p);
    if (mood.gloom)
        paintGloom(p);
}

void FacePainter::paintEars(QPainter& p) const
{
    p.setPen(QPen(kit::Shade(look_.skin, 0.62), 1.8));
    p.setBrush(look_.skin);
    for (int side : {-1, 1}) {
        const QPointF c(g_.centre.x() + side * (g_.halfWidth - 1), g_.eyeY() + 1);
        p.drawEllipse(c, 6, 8);
    }
}

void FacePainter::paintSkin(QPainter& p) const
{
    QRadialGradient g(g_.centre - QPointF(8, 10), g_.halfHeight * 1.6);
    g.setColorAt(0, kit::Shade(look_.skin, 1.08));
    g.setColorAt(1, kit::Shade(look_.skin, 0.9));
    p.setPen(QPen(kit::Shade(look_.skin, 0.6), 2));
    p.setBrush(g);
    p.drawPath(g_.outline());
    if (look_.wrinkles) {
        p.setPen(QPen(kit::Shade(look_.skin, 0.72), 1.2, Qt::SolidLine, Qt::RoundCap));
        for (int side : {-1, 1}) {
            const double x = g_.centre.x() + side * (g_.eyeDx() + 8);
            p.drawLine(QPointF(x, g_.eyeY() - 1), QPointF(x + side * 3, g_.eyeY() - 2));
            p.drawLine(QPointF(x, g_.eyeY() + 2), QPointF(x + side * 3, g_.eyeY() + 3));
            // Smile lines beside the mouth.
            p.drawArc(QRectF(g_.centre.x() + side * 13 - 4, g_.mouthY() - 9, 8, 12), side < 0 ? 100 * 16 : -80 * 16,
                      side < 0 ? 80 * 16 : 80 * 16);
        }
    }
}

void FacePainter::paintCheeks(QPainter& p, const Mood& mood) const
{
    const double y = g_.eyeY() + 9;
    const double dx = g_.halfWidth * 0.6;
    if (look_.freckles) {
        p.setPen(Qt::NoPen);
        p.setBrush(kit::Shade(look_.skin, 0.7));
        for (int side : {-1, 1})
            for (int i = 0; i < 3; ++i)
                p.drawEllipse(QPointF(g_.centre.x() + side * (dx - 3 + i * 3), y - 1 + (i % 2) * 2.5), 1.1, 1.1);
    }
    const double blush = std::max(mood.blush, 0.18); // everyone is a little rosy
    QColor pink(255, 120, 140, static_cast<int>(200 * blush));
    p.setPen(Qt::NoPen);
    p.setBrush(pink);
    for (int side : {-1, 1})
        p.drawEllipse(QPointF(g_.centre.x() + side * dx, y + 1), 6.5, 3.6);
    if (mood.blush > 0.5) {
        p.setPen(QPen(QColor(230, 80, 100, 200), 1.1, Qt::SolidLine, Qt::RoundCap));
        for (int side : {-1, 1})
            for (int i = -1; i <= 1; ++i) {
                const double x = g_.centre.x() + side * dx + i * 3;
                p.drawLine(QPointF(x + 1, y - 1), QPointF(x - 1, y + 3));
            }
    }
}

void FacePainter::paintEyes(QPainter& p, const Mood& mood) const
{
    for (int side : {-1, 1})
        paintEye(p, QPointF(g_.centre.x() + side * g_.eyeDx(), g_.eyeY()), side, mood);
}

void FacePainter::paintEye(QPainter& p, QPointF c, int side, const Mood& mood) const
{
    const QPen line(kInk, 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (mood.eyes == EyeShape::Smiling) {
        QPainterPath arc;
        arc.moveTo(c + QPointF(-6, 2.5));
        arc.quadTo(c + QPointF(0, -7), c + QPointF(6, 2.5));
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        return;
    }
    if (mood.eyes == EyeShape::Shut) {
        // ">" and "<", pointing to the nose: squeezed shut.
        const double inner = -side;
        QPainterPath chevron;
        chevron.moveTo(c + QPointF(-inner * 6, -5));
        chevron.lineTo(c + QPointF(inner * 5, 0));
        chevron.lineTo(c + QPointF(-inner * 6, 5));
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawPath(chevron);
        return;
    }

    const bool wide = mood.eyes == EyeShape::Wide;
    QRectF white;
    switch (look_.eyes) {
    case EyeStyle::Sparkly: white = QRectF(c.x() - 5.8, c.y() - 7.4, 11.6, 14.8); break;
    case EyeStyle::Dot: white = wide ? QRectF(c.x() - 4.8, c.y() - 6, 9.6, 12) : QRectF(c.x() - 3.4, c.y() - 4.6, 6.8, 9.2); break;
    case EyeStyle::Narrow: white = wide ? QRectF(c.x() - 5.5, c.y() - 5, 11, 10) : QRectF(c.x() - 6, c.y() - 2.8, 12, 5.6); break;
    }
    QPainterPath eyeShape;
    eyeShape.addEllipse(white);

    if (look_.eyes == EyeStyle::Sparkly || wide) {
        p.setPen(QPen(kInk, 1.3));
        p.setBrush(Qt::white);
        p.drawPath(eyeShape);
        p.save();
        p.setClipPath(eyeShape);
        const double irisRx = wide ? 2.6 : (look_.eyes == EyeStyle::Sparkly ? 4.6 : 3.2);
        const double irisRy = wide ? 3.2 : (look_.eyes == EyeStyle::Sparkly ? 6.0 : 2.6);
        const QPointF ic = c + QPointF(0, wide ? 0 : 0.9);
        QRadialGradient iris(ic + QPointF(0, 2), irisRy * 1.3);
        iris.setColorAt(0, kit::Shade(look_.iris, 1.35));
        iris.setColorAt(1, kit::Shade(look_.iris, 0.6));
        p.setPen(Qt::NoPen);
        p.setBrush(iris);
        p.drawEllipse(ic, irisRx, irisRy);
        p.setBrush(QColor(25, 15, 15));
        p.drawEllipse(ic, irisRx * 0.48, irisRy * 0.5);
        p.setBrush(Qt::white);
        p.drawEllipse(ic + QPointF(-irisRx * 0.35, -irisRy * 0.42), irisRx * 0.38, irisRx * 0.38);
        p.drawEllipse(ic + QPointF(irisRx * 0.4, irisRy * 0.4), irisRx * 0.18, irisRx * 0.18);
        p.restore();
        // The upper lid is the strongest line of the eye.
        p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(white.adjusted(-0.5, -0.5, 0.5, 0.5), 25 * 16, 130 * 16);
    } else {
        // Dark button eyes with a glint.
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawPath(eyeShape);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(white.center().x() - white.width() * 0.18, white.center().y() - white.height() * 0.2),
                      white.width() * 0.16, white.width() * 0.16);
    }
    if (look_.lashes) {
        p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
        const QPointF corner(c.x() + side * white.width() / 2, c.y() - white.height() * 0.2);
        p.drawLine(corner, corner + QPointF(side * 3.5, -3));
        p.drawLine(corner + QPointF(-side * 1.5, -2.5), corner + QPointF(side * 1.5, -6));
    }
    if (mood.eyes == EyeShape::Lidded) {
        // A heavy upper lid over half the eye: the knowing look of someone who is winning.
        const double lidY = c.y() - white.height() * 0.05 - side * 0.8;
        p.save();
        p.setClipRect(white.adjusted(-2, -3, 2, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(look_.skin);
        p.drawRect(QRectF(white.left() - 2, white.top() - 3, white.width() + 4, lidY - white.top() + 3));
        p.restore();
        p.setPen(QPen(kInk, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(white.left() - 1, lidY + side * 0.6), QPointF(white.right() + 1, lidY - side * 0.6));
    }
}

void FacePainter::paintBrows(QPainter& p, const Mood& mood) const
{
    const double b = mood.brows;
    const double base = g_.browY();
    QColor colour = kit::Shade(look_.hairColour, 0.7);
    const bool pale = Luminance(look_.hairColour) > 0.72;
    for (int side : {-1, 1}) {
        double innerY = base, outerY = base, arch = 0;
        if (b < 0) {
            innerY -= -b * 5.5; // worried: the inner ends climb
            outerY += -b * 1.5;
        } else {
            innerY -= b * 3;
            outerY -= b * 2;
            arch = b * 2.5;
        }
        if (mood.smirk && side > 0) {
            innerY -= 3;
            outerY -= 2;
            arch += 2.5;
        } else if (mood.smirk) {
            innerY += 1.5;
        }
        const QPointF inner(g_.centre.x() + side * 5.5, innerY);
        const QPointF outer(g_.centre.x() + side * 17.5, outerY);
        const QPointF mid = (inner + outer) / 2 - QPointF(0, 2 + arch);
        QPainterPath brow;
        brow.moveTo(inner);
        brow.quadTo(mid, outer);
        p.setBrush(Qt::NoBrush);
        // A halo keeps the brow readable where it crosses a fringe.
        p.setPen(QPen(pale ? QColor(120, 120, 130) : kit::Shade(look_.skin, 1.05), pale ? 4.6 : 5.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(brow);
        if (pale)
            colour = look_.hairColour;
        p.setPen(QPen(colour, pale ? 2.8 : 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(brow);
    }
}

void FacePainter::paintNose(QPainter& p) const
{
    const double y = (g_.eyeY() + g_.mouthY()) / 2 + 1;
    QPainterPath nose;
    nose.moveTo(g_.centre.x() - 2.5, y);
    nose.quadTo(g_.centre.x(), y + 2.8, g_.centre.x() + 2.5, y);
    p.setPen(QPen(kit::Shade(look_.skin, 0.62), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nose);
}

void FacePainter::paintMouth(QPainter& p, const Mood& mood) const
{
    const double cx = g_.centre.x();
    const double y = g_.mouthY();
    const double s = mood.smile;
    const double o = mood.mouthOpen;
    const QColor lip(95, 35, 40);
    if (mood.smirk) {
        // A lopsided grin, higher on one side, teeth showing: "I've got this".
        QPainterPath grin;
        grin.moveTo(cx - 9, y - 1);
        grin.quadTo(cx, y + 1, cx + 10, y - 5);
        grin.quadTo(cx + 2, y + 10, cx - 9, y - 1);
        grin.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(grin);
        p.setPen(QPen(lip, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(grin);
        p.setPen(QPen(lip, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx + 11.5, y - 7), QPointF(cx + 12, y - 2.5));
        return;
    }
    const double half = 6.5 + 3 * std::abs(s) + 3 * o;
    const double cornerY = y - s * 3.5;
    if (o < 0.05) {
        QPainterPath line;
        line.moveTo(cx - half, cornerY);
        line.quadTo(cx, y + s * 7, cx + half, cornerY);
        p.setPen(QPen(lip, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
        return;
    }
    QPainterPath mouth;
    double upper, lower;
    if (s >= 0) {
        upper = y - 1 + s * 1.5;
        lower = y + 3 + o * 17;
    } else {
        upper = y - o * 13;
        lower = y + 4 - s * 3 + o * 7;
    }
    mouth.moveTo(cx - half, cornerY);
    mouth.quadTo(cx, upper, cx + half, cornerY);
    mouth.quadTo(cx, lower, cx - half, cornerY);
    mouth.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 30, 45));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(QColor(240, 120, 130));
    p.drawEllipse(QPointF(cx, (cornerY + lower) / 2 + 4 + o * 3), half * 0.6, 5);
    if (s > 0.3) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(cx - half, cornerY - 6, 2 * half, (upper + cornerY) / 2 - cornerY + 7.5));
    }
    p.restore();
    p.setPen(QPen(lip, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void FacePainter::paintTears(QPainter& p, const Mood& mood) const
{
    if (mood.tears <= 0)
        return;
    const QColor water(130, 195, 255, 225);
    const QPen edge(QColor(60, 120, 210), 1.2);
    const double y = g_.eyeY();
    if (mood.tears >= 0.7) {
        // Streams running from both eyes to below the chin.
        for (int side : {-1, 1}) {
            const double x = g_.centre.x() + side * g_.eyeDx();
            QPainterPath stream;
            stream.moveTo(x - 4, y + 4);
            stream.cubicTo(x - 6, y + 14, x - 2 + side * 2, y + 24, x - 4 + side * 3, g_.chin() + 10);
            stream.lineTo(x + 4 + side * 3, g_.chin() + 10);
            stream.cubicTo(x + 5 + side * 2, y + 24, x + 6, y + 14, x + 4, y + 4);
            stream.closeSubpath();
            p.setPen(edge);
            p.setBrush(water);
            p.drawPath(stream);
            p.setPen(QPen(QColor(255, 255, 255, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x - 1, y + 10), QPointF(x, y + 20));
            // Drops flung out sideways.
            p.setPen(edge);
            p.setBrush(water);
            p.drawPath(kit::DropPath(QPointF(x + side * 13, y - 4), 2.6));
            p.drawPath(kit::DropPath(QPointF(x + side * 17, y + 4), 2));
        }
        return;
    }
    // Welling up: glossy pools along the lower lids.
    for (int side : {-1, 1}) {
        const double x = g_.centre.x() + side * g_.eyeDx();
        p.setPen(edge);
        p.setBrush(water);
        QPainterPath pool;
        pool.moveTo(x - 6.5, y + 2);
        pool.quadTo(x, y + 10, x + 6.5, y + 2);
        pool.quadTo(x, y + 5, x - 6.5, y + 2);
        p.drawPath(pool);
    }
    if (mood.tears >= 0.45) {
        const double x = g_.centre.x() - g_.eyeDx() - 2;
        p.setPen(edge);
        p.setBrush(water);
        p.drawPath(kit::DropPath(QPointF(x, y + 15), 3.2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(QPointF(x - 1, y + 14), 1, 1);
    }
}

void FacePainter::paintSweat(QPainter& p) const
{
    const QPointF at(g_.right() - 2, g_.top() + g_.halfHeight * 0.72);
    p.setPen(QPen(QColor(50, 110, 200), 1.5));
    p.setBrush(QColor(175, 225, 255));
    p.drawPath(kit::DropPath(at, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(at + QPointF(-1.8, -1), 1.4, 2);
}

void FacePainter::paintGloom(QPainter& p) const
{
    p.save();
    QPainterPath head;
    head.addEllipse(g_.centre, g_.halfWidth + 3, g_.halfHeight + 3);
    p.setClipPath(head);
    QLinearGradient shadow(0, g_.top(), 0, g_.eyeY());
    shadow.setColorAt(0, QColor(40, 30, 110, 150));
    shadow.setColorAt(1, QColor(40, 30, 110, 0));
    p.fillRect(QRectF(0, 0, 110, g_.eyeY()), shadow);
    p.setPen(QPen(QColor(50, 40, 130, 190), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const double x = g_.left() + 9 + i * (2 * g_.halfWidth - 18) / 6;
        p.drawLine(QPointF(x, g_.foreheadY() - 8), QPointF(x, g_.browY() - 7 + (i % 2) * 3));
    }
    p.restore();
}
