// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <array>
#include <cstdint>
#include <optional>

// Writes a Windows bitmap file with every header field settable, so that tests, benchmarks and
// the fuzz seeds make the well-formed files and the damaged ones from one description.
struct TBitmapBuilder {
    std::uint32_t HeaderSize = 40;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint16_t Planes = 1;
    std::uint16_t BitCount = 24;
    std::uint32_t Compression = 0;
    std::uint32_t SizeImage = 0;
    std::uint32_t ClrUsed = 0;
    std::array<std::uint32_t, 3> Masks = {};   // written when Compression is 3 (bitfields)
    QList<QRgb> Palette;
    QByteArray Pixels;                          // the pixel data exactly as stored
    std::optional<std::uint32_t> PixelOffset;   // default: right after the palette

    QByteArray Build() const;

    // The picture stored uncompressed at bitCount bits per pixel: 1, 4 and 8 through the palette
    // (which must hold every colour of the picture), 16 and 32 through the masks (the 5-5-5 and
    // 8-8-8 defaults unless Compression is 3). Rows bottom-up, or top-down when topDown is set.
    static TBitmapBuilder Packed(const QImage& picture, std::uint16_t bitCount, QList<QRgb> palette = {},
                                 std::uint32_t compression = 0, std::array<std::uint32_t, 3> masks = {},
                                 bool topDown = false);
};
