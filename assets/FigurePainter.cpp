// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "FigurePainter.h"

#include "PaintKit.h"

namespace {
struct Arms {
    QPointF leftElbow, leftHand, rightElbow, rightHand;
};

Arms ArmsFor(Pose pose)
{
    switch (pose) {
    case Pose::Wave: return {{28, 126}, {30, 150}, {90, 86}, {98, 56}};
    case Pose::Offer: return {{30, 126}, {45, 130}, {80, 126}, {65, 130}};
    case Pose::Cheer: return {{20, 88}, {14, 58}, {90, 88}, {96, 58}};
    case Pose::Slump: return {{32, 126}, {36, 152}, {78, 126}, {74, 152}};
    case Pose::Hold: return {{32, 126}, {36, 152}, {84, 122}, {66, 116}};
    case Pose::Stand: break;
    }
    return {{28, 126}, {27, 150}, {82, 126}, {83, 150}};
}

const QPointF kLeftShoulder(34, 98);

// Tilts everything drawn after it a little forward and down, about the neck.
void BowHead(QPainter& p)
{
    p.translate(55, 95);
    p.rotate(-7);
    p.translate(-55, -92);
}
const QPointF kRightShoulder(76, 98);
} // namespace

FigurePainter::FigurePainter(const CharacterLook& look) : face_(look) {}

void FigurePainter::paint(QPainter& p, QPointF feet, double scale, Pose pose, const Mood& mood,
                          const std::function<void(QPainter&, QPointF)>& held) const
{
    p.save();
    p.translate(feet);
    p.scale(scale, scale);
    p.translate(-55, -kHeight);

    // Soft shadow on the ground.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(55, kHeight - 2), 34, 6);

    const bool bowed = pose == Pose::Slump || pose == Pose::Hold;
    p.save();
    if (bowed)
        BowHead(p);
    face_.paintBehind(p);
    p.restore();

    paintLegs(p);
    paintBody(p);
    const Arms arms = ArmsFor(pose);
    if (held) {
        const QPointF between = (arms.leftHand + arms.rightHand) / 2 - QPointF(0, 8);
        const QTransform toScene = p.transform();
        p.save();
        p.resetTransform();
        held(p, toScene.map(between));
        p.restore();
    }
    paintArm(p, kLeftShoulder, arms.leftElbow, arms.leftHand);
    paintArm(p, kRightShoulder, arms.rightElbow, arms.rightHand);
    if (pose == Pose::Wave) {
        // Little motion marks beside the waving hand.
        p.setPen(QPen(QColor(255, 255, 255, 220), 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(100, 36, 24, 24), 300 * 16, 120 * 16);
        p.drawArc(QRectF(98, 30, 36, 36), 300 * 16, 120 * 16);
    }

    p.save();
    if (bowed)
        BowHead(p);
    face_.paintHead(p, mood);
    p.restore();
    p.restore();
}

void FigurePainter::paintLegs(QPainter& p) const
{
    const CharacterLook& look = face_.look();
    const QColor trousers = look.lashes ? look.skin : kit::Shade(look.shirt, 0.5);
    p.setPen(QPen(kit::Shade(trousers, 0.55), 1.8));
    p.setBrush(trousers);
    p.drawRoundedRect(QRectF(40, 140, 12, 58), 5, 5);
    p.drawRoundedRect(QRectF(58, 140, 12, 58), 5, 5);
    if (look.lashes) {
        // Socks.
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(40, 180, 12, 16), 3, 3);
        p.drawRoundedRect(QRectF(58, 180, 12, 16), 3, 3);
    }
    const QColor shoe(90, 55, 40);
    p.setPen(QPen(kit::Shade(shoe, 0.5), 1.6));
    p.setBrush(shoe);
    p.drawEllipse(QPointF(45, 199), 9, 5);
    p.drawEllipse(QPointF(65, 199), 9, 5);
}

void FigurePainter::paintBody(QPainter& p) const
{
    const CharacterLook& look = face_.look();
    QPainterPath torso;
    torso.moveTo(34, 94);
    torso.cubicTo(40, 89, 70, 89, 76, 94);
    torso.lineTo(79, 146);
    torso.cubicTo(70, 150, 40, 150, 31, 146);
    torso.closeSubpath();
    if (look.lashes) {
        // A skirt flaring out below the waist.
        torso.moveTo(33, 132);
        torso.lineTo(77, 132);
        torso.lineTo(86, 166);
        torso.cubicTo(70, 171, 40, 171, 24, 166);
        torso.closeSubpath();
    }
    QLinearGradient shade(30, 0, 80, 0);
    shade.setColorAt(0, kit::Shade(look.shirt, 1.15));
    shade.setColorAt(1, kit::Shade(look.shirt, 0.82));
    p.setPen(QPen(kit::Shade(look.shirt, 0.5), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPath(torso.simplified());
    // Neckline.
    p.setBrush(kit::Shade(look.skin, 0.9));
    p.drawPolygon(QPolygonF({{47, 91}, {55, 101}, {63, 91}}));
}

void FigurePainter::paintArm(QPainter& p, QPointF shoulder, QPointF elbow, QPointF hand) const
{
    const CharacterLook& look = face_.look();
    QPainterPath arm;
    arm.moveTo(shoulder);
    arm.lineTo(elbow);
    arm.lineTo(hand);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kit::Shade(look.shirt, 0.5), 13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arm);
    p.setPen(QPen(look.shirt, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(arm);
    p.setPen(QPen(kit::Shade(look.skin, 0.6), 1.6));
    p.setBrush(look.skin);
    p.drawEllipse(hand, 7, 7);
}
