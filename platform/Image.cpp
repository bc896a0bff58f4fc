// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/Image.h"

#include "platform/BitmapFile.h"
#include "platform/DoubleSize.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <QtMath>

namespace {

// The pixels of the picture that are not in its transparent colour, the colour of its
// bottom-left pixel: one rectangle for each run of them on a row, and a run of rows with the
// same runs as one band, the form QRegion keeps (bands top to bottom, runs left to right).
QRegion OpaqueRegion(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const QRgb key = rgb.pixel(0, rgb.height() - 1) | 0xFF000000u;
    QList<QRect> rects;
    qsizetype band = 0;   // where the band of the rows above starts in rects
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const qsizetype start = rects.size();
        for (int x = 0; x < width;) {
            while (x < width && (row[x] | 0xFF000000u) == key)
                ++x;
            const int left = x;
            while (x < width && (row[x] | 0xFF000000u) != key)
                ++x;
            if (x > left)
                rects.append(QRect(left, y, x - left, 1));
        }
        // A row without runs ends the band above it, so a band only ever grows by the row right
        // below it.
        const qsizetype runs = rects.size() - start;
        const bool sameAsAbove = runs > 0 && runs == start - band
                                 && std::equal(rects.cbegin() + band, rects.cbegin() + start, rects.cbegin() + start,
                                               [](const QRect& a, const QRect& b) {
                                                   return a.left() == b.left() && a.width() == b.width();
                                               });
        if (sameAsAbove) {
            rects.resize(start);
            for (qsizetype i = band; i < start; ++i)
                rects[i].setBottom(y);
        } else {
            band = start;
        }
    }
    QRegion region;
    region.setRects(rects.constData(), int(rects.size()));
    return region;
}

} // namespace

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
}

void TImage::SetPicture(QImage picture)
{
    FPicture = std::move(picture);
    PictureChanged();
}

void TImage::LoadFromFile(const QString& path)
{
    SetPicture(WithDoubleSize(LoadBitmap(path), path, ScreenPixelRatio(), LoadBitmap));
}

void TImage::Clear()
{
    SetPicture(QImage());
}

QImage& TImage::Canvas()
{
    if (FPicture.isNull()) {
        // At the screen's pixels, so that what is drawn on it stays sharp at any scale.
        const qreal ratio = devicePixelRatioF();
        FPicture = QImage(qMax(1, qCeil(width() * ratio)), qMax(1, qCeil(height() * ratio)), QImage::Format_RGB32);
        FPicture.setDevicePixelRatio(ratio);
        FPicture.fill(Qt::white);
    }
    // Drawing through the canvas changes the picture: its opaque region is stale from here on.
    FOpaque.reset();
    return FPicture;
}

void TImage::RepaintNow()
{
    FOpaque.reset();
    repaint();
}

void TImage::SetStretch(bool stretch)
{
    if (FStretch == stretch)
        return;
    FStretch = stretch;
    update();
}

void TImage::SetTransparent(bool transparent)
{
    if (FTransparent == transparent)
        return;
    FTransparent = transparent;
    PictureChanged();
}

void TImage::PictureChanged()
{
    FOpaque.reset();
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (FPicture.isNull())
        return;
    QPainter painter(this);
    // A double-size picture takes the room of the normal one: its size in the window's units.
    const QRect target = FStretch ? rect() : QRect(QPoint(0, 0), FPicture.deviceIndependentSize().toSize());
    if (FPicture.devicePixelRatio() > 1.0)
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (FTransparent) {
        // Only the pixels not in the transparent colour are drawn: the picture is clipped to
        // them, so no second, masked copy of the picture is ever made.
        if (!FOpaque)
            FOpaque = OpaqueRegion(FPicture);
        painter.setTransform(QTransform::fromScale(double(target.width()) / FPicture.width(),
                                                   double(target.height()) / FPicture.height()));
        painter.setClipRegion(*FOpaque);
        painter.drawImage(QRect(QPoint(0, 0), FPicture.size()), FPicture);
        return;
    }
    painter.drawImage(target, FPicture);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    FPressed = event->button() == Qt::LeftButton;
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    if (click)
        emit Clicked();
}
