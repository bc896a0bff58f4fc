// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "toolkit/graphics/Bitmap.h"

#include <QPainter>

namespace TarvoWidgets {

struct TBitmap::Private {
    TNotifyEvent FOnChange;
    QImage FImage;
    TPixelFormat FPixelFormat = pfDevice;
    bool FTransparent = false;
    TColor FTransparentColor = clr::None;
};

const TNotifyEvent& TBitmap::OnChange() const
{
    return d->FOnChange;
}

void TBitmap::SetOnChange(TNotifyEvent value)
{
    d->FOnChange = std::move(value);
}

TBitmap::~TBitmap() = default;

bool TBitmap::Empty() const
{
    return d->FImage.isNull();
}

int TBitmap::Width() const
{
    return d->FImage.width();
}

int TBitmap::Height() const
{
    return d->FImage.height();
}

TBitmap::TPixelFormat TBitmap::PixelFormat() const
{
    return d->FPixelFormat;
}

const QImage& TBitmap::Image() const
{
    return d->FImage;
}

bool TBitmap::Transparent() const
{
    return d->FTransparent;
}

void TBitmap::SetTransparent(bool value)
{
    d->FTransparent = value;
}

TColor TBitmap::TransparentColor() const
{
    return d->FTransparentColor;
}

void TBitmap::SetTransparentColor(TColor value)
{
    d->FTransparentColor = value;
}

namespace {

constexpr std::uint32_t RgbMask = 0x00FFFFFF;
constexpr std::uint32_t QtOpaque = 0xFF000000;

// The words of a 32-bit image with their top byte replaced: 0 for the widgets' own pixels,
// 0xFF for Qt's. An image that nobody else holds is changed in place.
QImage WithTopByte(QImage image, std::uint32_t top)
{
    image = std::move(image).convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = (row[x] & RgbMask) | top;
    }
    return image;
}

// One bit per pixel, set where the pixel is light; the colour table makes a set bit white.
QImage Monochrome(QImage image)
{
    const QImage rgb = std::move(image).convertToFormat(QImage::Format_RGB32);
    QImage mono(rgb.size(), QImage::Format_Mono);
    // Still the same picture: it covers the same room at a scaled screen's ratio.
    mono.setDevicePixelRatio(rgb.devicePixelRatio());
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(0);
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* bits = mono.scanLine(y);
        for (int x = 0; x < width; ++x)
            if (qGray(row[x]) >= 128)
                bits[x >> 3] |= uchar(0x80 >> (x & 7));
    }
    return mono;
}

// A Qt image as Qt draws it: opaque words for the 32-bit ones.
QImage Drawable(QImage image, TBitmap::TPixelFormat format)
{
    return format == TBitmap::pf32bit ? WithTopByte(std::move(image), QtOpaque) : image;
}

// The picture of source, held in format from, in format to.
QImage Converted(QImage source, TBitmap::TPixelFormat from, TBitmap::TPixelFormat to)
{
    QImage drawable = Drawable(std::move(source), from);
    switch (to) {
    // Qt's conversions to RGB32 leave 0xFF in the top byte.
    case TBitmap::pfDevice: return std::move(drawable).convertToFormat(QImage::Format_RGB32);
    case TBitmap::pf32bit: return WithTopByte(std::move(drawable), 0);
    case TBitmap::pf24bit: return std::move(drawable).convertToFormat(QImage::Format_RGB888);
    case TBitmap::pf1bit: return Monochrome(std::move(drawable));
    }
    return drawable;
}

} // namespace

TBitmap::TBitmap(QObject* owner)
    : QObject(owner)
    , d(std::make_unique<Private>())
{
}

void TBitmap::SetSize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        Clear();
        return;
    }
    if (width == Width() && height == Height())
        return;
    // New pixels are black, in the format the bitmap has.
    QImage blank(width, height, QImage::Format_RGB32);
    blank.fill(Qt::black);
    d->FImage = Converted(blank, pfDevice, d->FPixelFormat);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value)
{
    if (value == d->FPixelFormat)
        return;
    const TPixelFormat from = d->FPixelFormat;
    d->FPixelFormat = value;
    if (d->FImage.isNull())
        return;
    d->FImage = Converted(std::move(d->FImage), from, value);
    Changed();
}

void TBitmap::Assign(const TBitmap& source)
{
    d->FImage = source.d->FImage;
    d->FPixelFormat = source.d->FPixelFormat;
    d->FTransparent = source.d->FTransparent;
    d->FTransparentColor = source.d->FTransparentColor;
    Changed();
}

void TBitmap::Clear()
{
    d->FImage = QImage();
    Changed();
}

void TBitmap::SetImage(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        d->FImage = Monochrome(image);
        d->FPixelFormat = pf1bit;
        break;
    case QImage::Format_RGB888:
        d->FImage = image;
        d->FPixelFormat = pf24bit;
        break;
    default:
        d->FImage = image.isNull() ? QImage() : WithTopByte(image, QtOpaque);
        d->FPixelFormat = pfDevice;
        break;
    }
    Changed();
}

std::uint32_t* TBitmap::ScanLine(int row)
{
    Q_ASSERT(d->FImage.depth() == 32);
    return reinterpret_cast<std::uint32_t*>(d->FImage.scanLine(row));
}

const std::uint32_t* TBitmap::ScanLine(int row) const
{
    Q_ASSERT(d->FImage.depth() == 32);
    return reinterpret_cast<const std::uint32_t*>(d->FImage.constScanLine(row));
}

void TBitmap::Changed()
{
    if (d->FOnChange)
        d->FOnChange(this);
}

TColor TBitmap::Pixel(int x, int y) const
{
    const QRgb rgb = d->FImage.pixel(x, y);
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

void TBitmap::Draw(QPainter& canvas, int x, int y) const
{
    if (!d->FImage.isNull())
        canvas.drawImage(x, y, DrawnImage());
}

QImage TBitmap::DrawnImage() const
{
    if (d->FImage.isNull() || !d->FTransparent)
        return Drawable(d->FImage, d->FPixelFormat);
    QImage masked = Drawable(d->FImage, d->FPixelFormat).convertToFormat(QImage::Format_ARGB32);
    const std::uint32_t key = (RedOf(d->FTransparentColor) << 16) | (GreenOf(d->FTransparentColor) << 8)
        | BlueOf(d->FTransparentColor);
    for (int row = 0; row < masked.height(); ++row) {
        auto* line = reinterpret_cast<std::uint32_t*>(masked.scanLine(row));
        for (int col = 0; col < masked.width(); ++col)
            if ((line[col] & RgbMask) == key)
                line[col] = 0;
    }
    return masked;
}

} // namespace TarvoWidgets
