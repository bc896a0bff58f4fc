// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "GameOverScenes.h"

#include "FigurePainter.h"
#include "PaintKit.h"
#include "RewardScenes.h"
#include "Rng.h"
#include "Roster.h"

namespace {
constexpr double W = RewardScenes::kWidth;
constexpr double H = RewardScenes::kHeight;

void RainyStreet(QPainter& p, Rng& rng, double lampX)
{
    kit::FillVertical(p, QRectF(0, 0, W, H), QColor(20, 25, 45), QColor(50, 60, 85));
    // Buildings with a few lit windows.
    for (int i = 0; i < 8; ++i) {
        const double x = i * 78 - 8;
        const double h = 120 + (i * 53 % 90);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 35, 60));
        p.drawRect(QRectF(x, 300 - h, 70, h));
        for (int k = 0; k < 6; ++k) {
            if (rng.below(3) != 0)
                continue;
            p.setBrush(QColor(230, 200, 120, 200));
            p.drawRect(QRectF(x + 10 + (k % 3) * 18, 300 - h + 14 + (k / 3) * 26, 9, 12));
        }
    }
    // Wet pavement with reflections.
    kit::FillVertical(p, QRectF(0, 300, W, 100), QColor(45, 50, 70), QColor(30, 35, 50));
    p.setPen(QPen(QColor(120, 130, 170, 90), 2));
    for (int i = 0; i < 12; ++i) {
        const double x = rng.uniform(0, W), y = rng.uniform(320, 395);
        p.drawLine(QPointF(x, y), QPointF(x + rng.uniform(20, 60), y));
    }
    // Street lamp and its pool of light.
    QRadialGradient pool(QPointF(lampX, 360), 150);
    pool.setColorAt(0, QColor(255, 230, 160, 110));
    pool.setColorAt(1, QColor(255, 230, 160, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(pool);
    p.drawEllipse(QPointF(lampX, 360), 170, 60);
    QPainterPath cone;
    cone.moveTo(lampX - 60 + 10, 110);
    cone.lineTo(lampX - 150 + 60, 380);
    cone.lineTo(lampX + 150 + 60, 380);
    cone.lineTo(lampX + 60 + 10, 110);
    cone.closeSubpath();
    QLinearGradient beam(0, 110, 0, 380);
    beam.setColorAt(0, QColor(255, 235, 170, 90));
    beam.setColorAt(1, QColor(255, 235, 170, 20));
    p.setBrush(beam);
    p.drawPath(cone.translated(-60, 0));
    p.setPen(QPen(QColor(20, 20, 30), 7));
    p.drawLine(QPointF(lampX - 60, 380), QPointF(lampX - 60, 100));
    p.drawLine(QPointF(lampX - 60, 100), QPointF(lampX - 10, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 240, 190));
    p.drawEllipse(QPointF(lampX - 10, 110), 14, 9);
}

void Umbrella(QPainter& p, QPointF handle, double size)
{
    p.setPen(QPen(QColor(60, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(handle, handle - QPointF(0, size * 0.9));
    QPainterPath canopy;
    const QPointF top = handle - QPointF(0, size * 0.9);
    canopy.moveTo(top + QPointF(-size * 0.75, size * 0.28));
    canopy.quadTo(top + QPointF(0, -size * 0.45), top + QPointF(size * 0.75, size * 0.28));
    for (int i = 3; i >= 1; --i) {
        const double x = -size * 0.75 + size * 1.5 * (i - 1) / 3;
        canopy.quadTo(top + QPointF(x + size * 0.25, size * 0.14), top + QPointF(x, size * 0.28));
    }
    canopy.closeSubpath();
    p.setPen(QPen(QColor(30, 50, 90), 2.5));
    p.setBrush(QColor(70, 110, 180));
    p.drawPath(canopy);
}

Mood Resolute()
{
    Mood m;
    m.smile = 0.25;
    m.brows = -0.2;
    m.tears = 0.5;
    m.eyes = EyeShape::Open;
    m.tint = 0;
    return m;
}
} // namespace

QImage GameOverScenes::paint(int step)
{
    QImage image = kit::Canvas(static_cast<int>(W), static_cast<int>(H), Qt::black);
    QPainter p(&image);
    kit::Prepare(p);
    Rng rng(static_cast<std::uint32_t>(9001 + step * 31));
    const FigurePainter player(roster::Player().look);
    switch (step) {
    case 0:
        RainyStreet(p, rng, 330);
        player.paint(p, QPointF(300, 385), 1.1, Pose::Slump, Mood::Player(0));
        kit::Rain(p, rng, QRectF(0, -20, W, H), 260, QColor(170, 190, 230, 150));
        kit::SpeechBubble(p, QRectF(30, 40, 220, 70), QPointF(250, 170), QStringLiteral("まけちゃった……"), 22);
        break;
    case 1:
        RainyStreet(p, rng, 480);
        kit::Rain(p, rng, QRectF(0, -20, W, H), 200, QColor(170, 190, 230, 140));
        // The umbrella goes behind the figure: the hand grips the shaft, the head hides it.
        Umbrella(p, QPointF(241, 296), 170);
        player.paint(p, QPointF(230, 385), 1.0, Pose::Hold, Mood::Player(2));
        kit::Rain(p, rng, QRectF(0, -20, W, 110), 30, QColor(170, 190, 230, 150));
        kit::SpeechBubble(p, QRectF(360, 40, 220, 70), QPointF(330, 140), QStringLiteral("つぎこそは……"), 22);
        break;
    default: {
        kit::FillVertical(p, QRectF(0, 0, W, H), QColor(10, 10, 25), QColor(35, 30, 60));
        kit::Rain(p, rng, QRectF(0, -20, W, H), 180, QColor(140, 150, 200, 110));
        QLinearGradient fill(0, 70, 0, 170);
        fill.setColorAt(0, QColor(230, 235, 255));
        fill.setColorAt(1, QColor(120, 130, 190));
        kit::OutlinedText(p, QRectF(0, 50, W, 120), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("GAME OVER"),
                          kit::Gothic(84), fill, QColor(20, 10, 40), 10);
        player.paint(p, QPointF(300, 372), 0.8, Pose::Stand, Resolute());
        p.setPen(QColor(220, 220, 255));
        p.setFont(kit::Gothic(20));
        p.drawText(QRectF(0, 168, W, 30), Qt::AlignCenter, QStringLiteral("また ちょうせんしてね!"));
        break;
    }
    }
    return image;
}
