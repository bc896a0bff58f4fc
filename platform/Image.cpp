#include "Image.h"

#include "Bitmap.h"
#include "ImageMemory.h"

#include <QMouseEvent>
#include <QPainter>

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
    SetPicture(LoadBitmap(path));
}

void TImage::Clear()
{
    SetPicture(QImage());
}

QImage& TImage::Canvas()
{
    if (FPicture.isNull()) {
        FPicture = QImage(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
        FPicture.fill(Qt::white);
    }
    // Drawing through the canvas changes the picture: the masked copy is stale from here on.
    FMasked = QImage();
    return FPicture;
}

void TImage::RepaintNow()
{
    FMasked = QImage();
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
    FMasked = QImage();
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (FPicture.isNull())
        return;
    const QImage* shown = &FPicture;
    if (FTransparent) {
        if (FMasked.isNull()) {
            // The bitmap's transparent colour is the colour of its bottom-left pixel. The copy
            // is made premultiplied, the form the painter draws without converting it again.
            const QImage opaque = FPicture.convertToFormat(QImage::Format_RGB32);
            const int width = opaque.width();
            const int height = opaque.height();
            const QRgb key = opaque.pixel(0, height - 1) | 0xFF000000u;
            FMasked = AllocateImage(opaque.size(), QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < height; ++y) {
                const auto* in = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
                auto* out = reinterpret_cast<QRgb*>(FMasked.scanLine(y));
                for (int x = 0; x < width; ++x) {
                    const QRgb pixel = in[x] | 0xFF000000u;
                    out[x] = pixel == key ? 0 : pixel;
                }
            }
        }
        shown = &FMasked;
    }
    QPainter painter(this);
    if (FStretch)
        painter.drawImage(rect(), *shown);
    else
        painter.drawImage(0, 0, *shown);
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
