// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "GameBackground.h"

#include "DiscPainter.h"
#include "PaintKit.h"

namespace {
// What the page lays over the picture, in picture coordinates.
const QRectF kBoard(148, 27, 336, 416);
const QRectF kPlayerFace(20, 52, 110, 110);
const QRectF kOpponentFace(503, 52, 110, 110);


void Disc(QPainter& p, QPointF c, double r, bool black)
{
    DiscPainter::paintDisc(p, QRectF(c.x() - r, c.y() - r * 0.6, 2 * r, 1.2 * r), r * 0.3, black);
}

void FaceFrame(QPainter& p, const QRectF& face, const QString& caption, bool blackDisc)
{
    const QRectF frame = face.adjusted(-9, -9, 9, 9);
    QLinearGradient gold(frame.topLeft(), frame.bottomRight());
    gold.setColorAt(0, QColor(255, 230, 140));
    gold.setColorAt(0.5, QColor(210, 150, 50));
    gold.setColorAt(1, QColor(150, 95, 30));
    p.setPen(QPen(QColor(90, 50, 20), 2));
    p.setBrush(gold);
    p.drawRoundedRect(frame, 8, 8);
    p.setBrush(QColor(40, 25, 20));
    p.drawRect(face.adjusted(-2, -2, 2, 2));
    // Name plate below, with the disc colour that side plays.
    const QRectF plate(face.left() + 4, face.bottom() + 16, face.width() - 8, 30);
    p.setPen(QPen(QColor(90, 50, 20), 2));
    p.setBrush(QColor(250, 240, 215));
    p.drawRoundedRect(plate, 8, 8);
    Disc(p, QPointF(plate.left() + 20, plate.center().y() - 1), 10, blackDisc);
    p.setPen(QColor(80, 40, 30));
    p.setFont(kit::Gothic(17));
    p.drawText(plate.adjusted(34, 0, -4, 0), Qt::AlignCenter, caption);
}

void DiscStack(QPainter& p, QPointF base, int count, bool black)
{
    for (int i = 0; i < count; ++i)
        Disc(p, base - QPointF((i % 2) * 2, i * 7), 22, black);
}
} // namespace

QImage GameBackground::paint()
{
    QImage image = kit::Canvas(kWidth, kHeight, Qt::black);
    QPainter p(&image);
    kit::Prepare(p);
    // Green baize with a faint diamond pattern.
    QRadialGradient baize(QPointF(316, 236), 420);
    baize.setColorAt(0, QColor(40, 120, 85));
    baize.setColorAt(1, QColor(15, 60, 45));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), baize);
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int i = -40; i < 60; ++i) {
        p.drawLine(QPointF(i * 18, 0), QPointF(i * 18 + kHeight, kHeight));
        p.drawLine(QPointF(i * 18, 0), QPointF(i * 18 - kHeight, kHeight));
    }

    // Wooden frame round the board.
    const QRectF frame = kBoard.adjusted(-13, -13, 13, 13);
    QLinearGradient wood(frame.topLeft(), frame.bottomRight());
    wood.setColorAt(0, QColor(190, 130, 75));
    wood.setColorAt(1, QColor(110, 65, 35));
    p.setPen(QPen(QColor(60, 35, 15), 2));
    p.setBrush(wood);
    p.drawRoundedRect(frame, 10, 10);
    p.setPen(QPen(QColor(230, 190, 130, 120), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame.adjusted(4, 4, -4, -4), 7, 7);
    p.setPen(QPen(QColor(40, 20, 10), 2));
    p.setBrush(QColor(128, 0, 128));
    p.drawRect(kBoard.adjusted(-2, -2, 2, 2));

    FaceFrame(p, kPlayerFace, QStringLiteral("あなた"), false);
    FaceFrame(p, kOpponentFace, QStringLiteral("あいて"), true);

    // The pieces each side plays, stacked below its name.
    DiscStack(p, QPointF(75, 330), 6, false);
    DiscStack(p, QPointF(558, 330), 6, true);

    // The game's name along the bottom of the side columns.
    QLinearGradient gold(0, 380, 0, 440);
    gold.setColorAt(0, QColor(255, 245, 170));
    gold.setColorAt(1, QColor(250, 170, 50));
    for (double x : {12.0, 495.0})
        kit::OutlinedText(p, QRectF(x, 392, 126, 50), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("タルヴォ!!"),
                          kit::Gothic(26), gold, QColor(60, 20, 40), 5);
    return image;
}
