// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "DiscPainter.h"

#include "PaintKit.h"

#include <QPainter>

#include <array>

namespace {
const QColor kPurple(128, 0, 128);

enum class Face { None, Black, White, Edge };

// Per picture: the rows it covers and how thick the rim below the top face is.
struct Pose {
    Face face;
    int first;
    int last;
    int rim;
};

constexpr std::array<Pose, 8> kPoses = {{
    {Face::None, -1, -1, 0},
    {Face::Black, 13, 47, 7},  // lying flat
    {Face::Black, 3, 36, 7},   // lifted
    {Face::Black, 3, 26, 5},   // tilted: a flatter ellipse
    {Face::Edge, 15, 20, 0},   // edge-on
    {Face::Edge, 15, 20, 0},
    {Face::White, 11, 35, 6},  // tilted
    {Face::White, 15, 47, 7},  // lying flat
}};

QColor TopColour(Face face) { return face == Face::Black ? QColor(30, 30, 36) : QColor(245, 245, 240); }
QColor UnderColour(Face face) { return face == Face::Black ? QColor(235, 235, 228) : QColor(25, 25, 30); }

// A disc whose top face is the ellipse `top`, standing `rim` pixels high. The rim shows the
// disc's two halves: the top colour above, the other colour below, as a real disc has.
void PaintDisc(QPainter& p, const QRectF& top, double rim, Face face)
{
    const QColor upper = TopColour(face);
    const QColor lower = UnderColour(face);
    const QRectF bottom = top.translated(0, rim);
    // Lower half of the rim: the far colour.
    QPainterPath side;
    side.addEllipse(bottom);
    QPainterPath band;
    band.addRect(QRectF(top.left(), top.center().y(), top.width(), rim));
    side = side.united(band);
    p.setPen(Qt::NoPen);
    p.setBrush(kit::Shade(lower, 0.85));
    p.drawPath(side);
    // Upper half of the rim: the face colour, half as thick.
    QPainterPath upperRim;
    upperRim.addEllipse(top.translated(0, rim / 2));
    QPainterPath upperBand;
    upperBand.addRect(QRectF(top.left(), top.center().y(), top.width(), rim / 2));
    p.setBrush(kit::Shade(upper, face == Face::Black ? 1.3 : 0.78));
    p.drawPath(upperRim.united(upperBand));
    // The top face with a soft sheen.
    // A flat face: lit evenly, brighter towards the far edge where it catches the light.
    QLinearGradient sheen(top.topLeft(), top.bottomRight());
    if (face == Face::Black) {
        sheen.setColorAt(0, QColor(85, 85, 100));
        sheen.setColorAt(0.45, upper);
        sheen.setColorAt(1, QColor(14, 14, 18));
    } else {
        sheen.setColorAt(0, QColor(255, 255, 255));
        sheen.setColorAt(0.5, upper);
        sheen.setColorAt(1, QColor(205, 205, 198));
    }
    p.setBrush(sheen);
    p.setPen(QPen(face == Face::Black ? QColor(70, 70, 80) : QColor(170, 170, 165), 1));
    p.drawEllipse(top.adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace

void DiscPainter::paintDisc(QPainter& p, const QRectF& top, double rim, bool black)
{
    PaintDisc(p, top, rim, black ? Face::Black : Face::White);
}

namespace {
void PaintEdge(QPainter& p, const QRectF& bar)
{
    // Seen edge-on only the rim shows: the black half over the white half.
    const double half = bar.height() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 36));
    p.drawRoundedRect(QRectF(bar.left(), bar.top(), bar.width(), half + 1), 2, 2);
    p.setBrush(QColor(240, 240, 235));
    p.drawRoundedRect(QRectF(bar.left(), bar.top() + half, bar.width(), half), 2, 2);
}
} // namespace

int DiscPainter::firstRow(int index) { return kPoses.at(static_cast<std::size_t>(index)).first; }
int DiscPainter::lastRow(int index) { return kPoses.at(static_cast<std::size_t>(index)).last; }

QImage DiscPainter::cell(int index)
{
    QImage image = kit::Canvas(kWidth, kHeight, kPurple, QImage::Format_RGB32);
    const Pose& pose = kPoses.at(static_cast<std::size_t>(index));
    if (pose.face == Face::None)
        return image;
    QPainter p(&image);
    kit::Prepare(p);
    // Everything stays inside the rows and columns that the board expects of this picture.
    const QRect area(kLeft, pose.first, kRight - kLeft + 1, pose.last - pose.first + 1);
    p.setClipRect(area);
    const QRectF box(area);
    if (pose.face == Face::Edge) {
        PaintEdge(p, box);
        return image;
    }
    const QRectF top(box.left(), box.top(), box.width(), box.height() - pose.rim);
    PaintDisc(p, top, pose.rim, pose.face);
    return image;
}

QImage DiscPainter::icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    kit::Prepare(p);
    p.scale(size / 32.0, size / 32.0);
    // A rounded green board square with a grid line, and two discs on it.
    QLinearGradient board(0, 0, 0, 32);
    board.setColorAt(0, QColor(40, 160, 80));
    board.setColorAt(1, QColor(20, 110, 55));
    p.setPen(QPen(QColor(10, 60, 30), 1));
    p.setBrush(board);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    p.setPen(QPen(QColor(15, 80, 40), 0.8));
    p.drawLine(QPointF(16, 2), QPointF(16, 30));
    p.drawLine(QPointF(2, 16), QPointF(30, 16));
    PaintDisc(p, QRectF(2.5, 3, 17, 12), 3, Face::Black);
    PaintDisc(p, QRectF(12.5, 15, 17, 12), 3, Face::White);
    return image;
}
