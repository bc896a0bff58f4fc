// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "TitleBackground.h"

#include "DiscPainter.h"
#include "FigurePainter.h"
#include "PaintKit.h"
#include "Roster.h"

namespace {
constexpr int kBand = 8;

// Where the title page puts its own things, in picture coordinates.
void Disc(QPainter& p, QPointF c, double r, bool black, double tilt)
{
    DiscPainter::paintDisc(p, QRectF(c.x() - r, c.y() - r * tilt, 2 * r, 2 * r * tilt), r * 0.25, black);
}

const QRectF kThumbPanel(392, 264, 236, 204);
const QPointF kFirstThumb(400, 296);
constexpr double kThumbStep = 56;


void Board(QPainter& p)
{
    // A board seen in perspective, lying across the lower left.
    const QPointF tl(40, 300), tr(380, 300), br(420, 470), bl(-10, 470);
    QPainterPath board;
    board.moveTo(tl);
    board.lineTo(tr);
    board.lineTo(br);
    board.lineTo(bl);
    board.closeSubpath();
    p.setPen(QPen(QColor(20, 70, 40), 3));
    QLinearGradient felt(0, 300, 0, 470);
    felt.setColorAt(0, QColor(40, 150, 80));
    felt.setColorAt(1, QColor(20, 110, 55));
    p.setBrush(felt);
    p.drawPath(board);
    p.setPen(QPen(QColor(15, 80, 40), 1.5));
    for (int i = 1; i < 8; ++i) {
        const double t = i / 8.0;
        p.drawLine(tl + (tr - tl) * t, bl + (br - bl) * t);
        p.drawLine(tl + (bl - tl) * t, tr + (br - tr) * t);
    }
    const struct {
        double u, v;
        bool black;
    } discs[] = {{3.5, 3.5, false}, {4.5, 3.5, true}, {3.5, 4.5, true}, {4.5, 4.5, false}, {2.5, 3.5, false},
                 {5.5, 4.5, true}, {2.5, 5.5, false}};
    for (const auto& d : discs) {
        const double v = d.v / 8, u = d.u / 8;
        const QPointF left = tl + (bl - tl) * v, right = tr + (br - tr) * v;
        const QPointF at = left + (right - left) * u;
        const double r = 14 + 6 * v;
        Disc(p, at, r, d.black, 0.55);
    }
}

void Title(QPainter& p)
{
    QLinearGradient fill(0, 30, 0, 150);
    fill.setColorAt(0, QColor(255, 250, 170));
    fill.setColorAt(0.5, QColor(255, 200, 60));
    fill.setColorAt(1, QColor(250, 120, 40));
    const QRectF box(20, 22, 592, 140);
    // Drop shadow, thick dark outline, then a thin white edge inside it.
    kit::OutlinedText(p, box.translated(5, 6), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("タルヴォ!!"),
                      kit::Gothic(112), QColor(40, 10, 50, 120), QColor(40, 10, 50, 120), 16);
    kit::OutlinedText(p, box, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("タルヴォ!!"), kit::Gothic(112),
                      fill, QColor(70, 20, 80), 16);
    kit::OutlinedText(p, box, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("タルヴォ!!"), kit::Gothic(112),
                      fill, QColor(255, 255, 255), 4);
    // Subtitle ribbon.
    const QRectF ribbon(186, 164, 260, 34);
    p.setPen(QPen(QColor(120, 30, 60), 2.5));
    p.setBrush(QColor(230, 60, 100));
    p.drawRoundedRect(ribbon, 17, 17);
    p.setPen(Qt::white);
    p.setFont(kit::Gothic(20));
    p.drawText(ribbon, Qt::AlignCenter, QStringLiteral("リバーシで しょうぶだ!"));
}

void ThumbPanel(QPainter& p)
{
    // Calm ground for the label and the thumbnails, with a frame for each.
    p.setPen(QPen(QColor(250, 210, 90), 3));
    p.setBrush(QColor(30, 25, 70, 225));
    p.drawRoundedRect(kThumbPanel, 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 40, 110));
    p.drawRoundedRect(QRectF(kThumbPanel.left() + 8, 268, kThumbPanel.width() - 16, 22), 8, 8);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            const QRectF slot(kFirstThumb.x() + col * kThumbStep - 3, kFirstThumb.y() + row * kThumbStep - 3, 56, 56);
            p.setPen(QPen(QColor(250, 210, 90), 1.5));
            p.setBrush(QColor(255, 255, 255, 40));
            p.drawRoundedRect(slot, 5, 5);
        }
}
} // namespace

const QColor TitleBackground::kKey(128, 0, 128);

QImage TitleBackground::paint()
{
    QImage image = kit::Canvas(kWidth, kHeight, kKey, QImage::Format_RGB32);
    QPainter p(&image);
    kit::Prepare(p);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(kBand, kBand, kWidth - 2 * kBand, kHeight - 2 * kBand), 18, 18);
    p.setClipPath(inner);

    kit::FillVertical(p, QRectF(0, 0, kWidth, kHeight), QColor(90, 150, 245), QColor(255, 215, 235));
    kit::Cloud(p, QPointF(90, 230), 80, QColor(255, 255, 255, 200));
    kit::Cloud(p, QPointF(560, 215), 70, QColor(255, 255, 255, 200));
    // Rays behind the title.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(316, 95);
        p.rotate(i * 30);
        p.drawPolygon(QPolygonF({{0, 0}, {600, -50}, {600, 50}}));
        p.restore();
    }
    p.restore();
    Board(p);
    // Discs tumbling around the name.
    Disc(p, QPointF(58, 60), 22, true, 0.5);
    Disc(p, QPointF(585, 70), 20, false, 0.7);
    Disc(p, QPointF(560, 160), 13, true, 0.35);
    Disc(p, QPointF(90, 150), 12, false, 0.3);
    Title(p);
    kit::Sparkle(p, QPointF(120, 40), 10, Qt::white);
    kit::Sparkle(p, QPointF(520, 140), 8, Qt::white);
    ThumbPanel(p);

    Mood hello = Mood::Friendly();
    hello.eyes = EyeShape::Open;
    FigurePainter(roster::Player().look).paint(p, QPointF(250, 455), 1.0, Pose::Wave, hello);
    kit::SpeechBubble(p, QRectF(40, 222, 170, 44), QPointF(200, 300), QStringLiteral("あいてを えらんでね!"), 16);
    return image;
}
