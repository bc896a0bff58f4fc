// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "RewardScenes.h"

#include "BackdropPainter.h"
#include "FigurePainter.h"
#include "PaintKit.h"
#include "PropPainter.h"
#include "Roster.h"
#include "Rng.h"

namespace {
constexpr double kFeetY = 388;
constexpr double kScale = 1.3;        // the opponent alone
constexpr double kPairScale = 1.2;    // the two together

Mood GoodLoser()
{
    Mood m;
    m.smile = 0.45;
    m.mouthOpen = 0.35;
    m.brows = -0.6;
    m.sweat = true;
    m.blush = 0.35;
    return m;
}

Mood Delighted()
{
    Mood m;
    m.smile = 1;
    m.mouthOpen = 0.9;
    m.brows = 0.9;
    m.eyes = EyeShape::Smiling;
    m.blush = 0.7;
    return m;
}

// The opponent's name and who they are, on a ribbon in the lower left corner.
void NamePlate(QPainter& p, const Character& who)
{
    const QRectF box(14, 352, 230, 36);
    p.setPen(QPen(QColor(60, 40, 40), 2.5));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRoundedRect(box, 12, 12);
    p.setPen(QColor(200, 40, 80));
    p.setFont(kit::Gothic(20));
    p.drawText(box.adjusted(12, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, who.name);
    p.setPen(QColor(70, 60, 60));
    p.setFont(kit::Gothic(13, false));
    p.drawText(box.adjusted(0, 0, -12, 0), Qt::AlignVCenter | Qt::AlignRight, who.role);
}

void Banner(QPainter& p, const QString& text)
{
    QLinearGradient fill(0, 20, 0, 80);
    fill.setColorAt(0, QColor(255, 250, 160));
    fill.setColorAt(1, QColor(255, 160, 40));
    kit::OutlinedText(p, QRectF(0, 12, RewardScenes::kWidth, 70), Qt::AlignHCenter | Qt::AlignVCenter, text,
                      kit::Gothic(54), fill, QColor(120, 30, 40), 9);
}
} // namespace

QImage RewardScenes::paint(int opponent, int step)
{
    const Character& who = roster::Opponent(opponent);
    QImage image = kit::Canvas(kWidth, kHeight, Qt::white);
    QPainter p(&image);
    kit::Prepare(p);
    Rng rng(static_cast<std::uint32_t>(opponent * 7919 + step * 104729));
    BackdropPainter::paint(p, who.setting, step == 2, rng);
    const FigurePainter figure(who.look);
    const QString& line = who.lines.at(static_cast<std::size_t>(step));

    switch (step) {
    case 0:
        figure.paint(p, QPointF(400, kFeetY), kScale, Pose::Wave, GoodLoser());
        kit::SpeechBubble(p, QRectF(30, 40, 300, 80), QPointF(345, 200), line, 22);
        break;
    case 1: {
        Mood proud = Mood::Friendly();
        proud.eyes = EyeShape::Smiling;
        figure.paint(p, QPointF(330, kFeetY), kScale, Pose::Offer, proud, [&](QPainter& q, QPointF at) {
            PropPainter::paint(q, who.gift, at + QPointF(0, -6), 84);
            kit::Sparkle(q, at + QPointF(-50, -40), 12, QColor(255, 255, 200));
            kit::Sparkle(q, at + QPointF(48, -52), 9, Qt::white);
        });
        kit::SpeechBubble(p, QRectF(20, 30, 260, 80), QPointF(280, 190), line, 22);
        break;
    }
    default: {
        kit::Confetti(p, rng, QRectF(0, 0, kWidth, kHeight), 90);
        FigurePainter(roster::Player().look).paint(p, QPointF(180, kFeetY), kPairScale, Pose::Cheer, Delighted());
        figure.paint(p, QPointF(425, kFeetY), kPairScale, Pose::Cheer, Delighted());
        PropPainter::paint(p, who.gift, QPointF(302, 350), 56);
        Banner(p, QStringLiteral("おめでとう!"));
        kit::SpeechBubble(p, QRectF(400, 82, 195, 40), QPointF(440, 140), line, 16);
        break;
    }
    }
    NamePlate(p, who);
    return image;
}
