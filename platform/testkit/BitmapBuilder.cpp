// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "BitmapBuilder.h"

#include <algorithm>
#include <bit>

namespace {

void Put16(QByteArray& out, std::uint32_t v)
{
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

void Put32(QByteArray& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// The channel value c (0..255) placed in mask's bits, scaled to the mask's width.
std::uint32_t ToMask(int c, std::uint32_t mask)
{
    const int shift = std::countr_zero(mask);
    const std::uint64_t top = mask >> shift;
    return std::uint32_t((std::uint64_t(c) * top + 127) / 255) << shift;
}

} // namespace

QByteArray TBitmapBuilder::Build() const
{
    QByteArray out("BM");
    Put32(out, 0);   // the file size, filled in below
    Put32(out, 0);
    Put32(out, 0);   // the pixel offset, filled in below
    const bool core = HeaderSize == 12;
    const bool bitfields = Compression == 3;
    if (core) {
        Put32(out, 12);
        Put16(out, std::uint32_t(Width));
        Put16(out, std::uint32_t(Height));
        Put16(out, Planes);
        Put16(out, BitCount);
    } else {
        const qsizetype start = out.size();
        Put32(out, HeaderSize);
        Put32(out, std::uint32_t(Width));
        Put32(out, std::uint32_t(Height));
        Put16(out, Planes);
        Put16(out, BitCount);
        Put32(out, Compression);
        Put32(out, SizeImage);
        Put32(out, 2835);
        Put32(out, 2835);
        Put32(out, ClrUsed);
        Put32(out, 0);
        if (bitfields)
            for (std::uint32_t mask : Masks)
                Put32(out, mask);
        // Longer headers hold the masks inside; the rest of them stays zero. An absurd size
        // is written as it is, over a header of the longest real kind.
        while (out.size() - start < qsizetype(std::min<std::uint32_t>(HeaderSize, 124)))
            out.append('\0');
    }
    for (QRgb color : Palette) {
        out.append(char(qBlue(color))).append(char(qGreen(color))).append(char(qRed(color)));
        if (!core)
            out.append('\0');
    }
    const std::uint32_t offset = PixelOffset.value_or(std::uint32_t(out.size()));
    while (out.size() < qsizetype(offset))
        out.append('\0');
    out.append(Pixels);
    for (int i = 0; i < 4; ++i) {
        out[2 + i] = char((out.size() >> (8 * i)) & 0xFF);
        out[10 + i] = char((offset >> (8 * i)) & 0xFF);
    }
    return out;
}

TBitmapBuilder TBitmapBuilder::Packed(const QImage& picture, std::uint16_t bitCount, QList<QRgb> palette,
                                      std::uint32_t compression, std::array<std::uint32_t, 3> masks, bool topDown)
{
    TBitmapBuilder b;
    b.Width = picture.width();
    b.Height = topDown ? -picture.height() : picture.height();
    b.BitCount = bitCount;
    b.Compression = compression;
    // A palette shorter than the depth allows says how many colours it holds.
    if (bitCount <= 8 && palette.size() < (1 << bitCount))
        b.ClrUsed = std::uint32_t(palette.size());
    b.Palette = palette;
    b.Masks = masks;
    const std::array<std::uint32_t, 3> used =
        compression == 3 ? masks
        : bitCount == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                         : std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
    const int stride = (picture.width() * bitCount + 31) / 32 * 4;
    for (int fileRow = 0; fileRow < picture.height(); ++fileRow) {
        const int y = topDown ? fileRow : picture.height() - 1 - fileRow;
        QByteArray row(stride, '\0');
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = picture.pixel(x, y) | 0xFF000000u;
            if (bitCount <= 8) {
                const int index = int(palette.indexOf(c));
                const int perByte = 8 / bitCount;
                const int shift = 8 - bitCount * (x % perByte + 1);
                row[x / perByte] = char(row[x / perByte] | index << shift);
            } else if (bitCount == 24) {
                row[3 * x] = char(qBlue(c));
                row[3 * x + 1] = char(qGreen(c));
                row[3 * x + 2] = char(qRed(c));
            } else {
                const std::uint32_t v = ToMask(qRed(c), used[0]) | ToMask(qGreen(c), used[1]) | ToMask(qBlue(c), used[2]);
                for (int i = 0; i < bitCount / 8; ++i)
                    row[bitCount / 8 * x + i] = char((v >> (8 * i)) & 0xFF);
            }
        }
        b.Pixels.append(row);
    }
    return b;
}
