#include "Image.h"

#include "Bitmap.h"

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
            // The bitmap's transparent colour is the colour of its bottom-left pixel.
            const QRgb key = FPicture.pixel(0, FPicture.height() - 1) | 0xFF000000u;
            FMasked = FPicture.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < FMasked.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(FMasked.scanLine(y));
                for (int x = 0; x < FMasked.width(); ++x)
                    if ((row[x] | 0xFF000000u) == key)
                        row[x] = 0;
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
