// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <array>
#include <cstdint>

// Turns the bytes of a Windows bitmap file into a picture, or raises the invalid-bitmap error.
// Everything the headers declare (sizes, offsets, dimensions, depth, compression, masks,
// palette) is checked against what the bytes hold before a single pixel is written, and every
// pixel of the result is written from the file (or, for run-length data that skips pixels,
// from the first palette colour), so nothing undefined is ever drawn.
// Accepted: the 12-byte core header and the 40, 52, 56, 108 and 124-byte info headers; 1, 4, 8,
// 16, 24 and 32 bits per pixel; uncompressed rows (bottom-up or top-down), 8 and 4-bit
// run-length data, and 16 and 32-bit pixels with colour masks.
class TBitmapDecoder {
public:
    // The largest picture accepted, so that a header cannot make the loader claim unbounded
    // memory: a side of at most MaxSide pixels and at most MaxPixels pixels in all (16 MB
    // decoded; the game's largest picture has 632 by 472).
    static constexpr std::int64_t MaxSide = 8192;
    static constexpr std::int64_t MaxPixels = std::int64_t(2048) * 2048;
    // The most bytes of a file that any accepted bitmap needs: headers, masks, palette and the
    // largest uncompressed pixel data. A loader never has to read further than this.
    static constexpr std::int64_t MaxFileBytes = 14 + 124 + 12 + 256 * 4 + MaxPixels * 4 + MaxSide * 4;

    static QImage Decode(QByteArrayView file);

private:
    explicit TBitmapDecoder(QByteArrayView file);

    QImage Run();
    void ReadHeaders();
    void CheckFormat() const;
    void ReadMasks();
    void ReadPalette();
    void DecodeRows(QImage& image) const;
    void DecodeRunLength(QImage& image) const;

    std::uint32_t U16(std::int64_t at) const;
    std::uint32_t U32(std::int64_t at) const;
    QRgb PaletteColor(std::uint32_t index) const;
    QRgb MaskedColor(std::uint32_t value) const;
    int ImageRow(std::int64_t fileRow) const;

    QByteArrayView FFile;
    std::int64_t FSize = 0;
    std::uint32_t FHeaderSize = 0;
    std::int64_t FWidth = 0;
    std::int64_t FHeight = 0;   // always positive; FTopDown tells the row order
    bool FTopDown = false;
    std::uint32_t FBitCount = 0;
    std::uint32_t FCompression = 0;
    std::uint32_t FSizeImage = 0;
    std::uint32_t FClrUsed = 0;
    std::int64_t FPixelOffset = 0;
    std::int64_t FMasksEnd = 0;   // end of the headers and of masks stored after them
    std::array<std::uint32_t, 3> FMasks = {};
    QList<QRgb> FPalette;
};
