// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/graphics/Color.h"
#include "toolkit/base/NotifyEvent.h"

#include <QImage>
#include <QObject>
#include <cstdint>
#include <memory>

class QPainter;

namespace TarvoWidgets {

/// The toolkit's bitmap: an image with a pixel format, row access, and OnChange after every
/// change of its picture. Transparent drawing leaves out every pixel of TransparentColor.
///
/// Pixel formats and Qt's images:
/// - pf32bit is the device-independent 32-bit image of the widgets' own pixel work: one word
///   0x00RRGGBB per pixel, top byte 0. Qt's RGB32 images keep 0xFF there, so the conversion to
///   pf32bit clears it and every way back to Qt (pfDevice, Draw) sets it again.
/// - pfDevice is the display's native form: Qt's RGB32 with 0xFF in the top byte.
/// - pf1bit is a monochrome image whose set bits are white.
/// - pf24bit holds 8-bit red, green and blue per pixel.
class TBitmap : public QObject {
    Q_OBJECT
public:
    enum TPixelFormat { pfDevice, pf1bit, pf24bit, pf32bit };
    Q_ENUM(TPixelFormat)

    explicit TBitmap(QObject* owner = nullptr);
    ~TBitmap() override;

    bool Empty() const;
    int Width() const;
    int Height() const;
    /// A new size in the current format; 0 by 0 releases the picture.
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const;
    /// Converts the picture that there is; an empty bitmap only remembers the format.
    void SetPixelFormat(TPixelFormat value);

    /// Takes a copy of the picture of source (nothing when source is empty), with its format
    /// and its transparency.
    void Assign(const TBitmap& source);
    /// Releases the picture: 0 by 0, empty.
    void Clear();
    /// Takes a Qt image; a 1-bit image becomes pf1bit, a 24-bit one pf24bit, any other the
    /// display's form.
    void SetImage(const QImage& image);
    const QImage& Image() const;

    /// Row access of a pf32bit or pfDevice picture; writing through it is not reported, so the
    /// writer calls Changed when done if anyone should know.
    std::uint32_t* ScanLine(int row);
    const std::uint32_t* ScanLine(int row) const;
    void Changed();

    /// The pixel as the toolkit's canvas reads it: a plain colour of the low 24 bits (of a
    /// pf1bit image, black or white).
    TColor Pixel(int x, int y) const;

    bool Transparent() const;
    void SetTransparent(bool value);
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);

    /// Draws the picture with its top-left corner at (x, y); a transparent bitmap leaves out its
    /// pixels of the transparent colour.
    void Draw(QPainter& canvas, int x, int y) const;
    /// The picture that Draw draws: the transparent colour's pixels clear in a transparent
    /// bitmap. A painter that draws the same bitmap often may keep it.
    QImage DrawnImage() const;

    /// The toolkit's change event: called after every change, before Qt's signal.
    const TNotifyEvent& OnChange() const;
    void SetOnChange(TNotifyEvent value);

private:

private:
    struct Private;
    std::unique_ptr<Private> const d;
};

} // namespace TarvoWidgets
