// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/BitmapDecoder.h"

#include "platform/ImageMemory.h"
#include "toolkit/base/ToolkitError.h"

#include <bit>

using namespace TarvoWidgets;

namespace {

constexpr std::int64_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;

enum : std::uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3 };

[[noreturn]] void Invalid()
{
    throw EToolkitError::InvalidBitmap();
}

void Require(bool condition)
{
    if (!condition)
        Invalid();
}

// A colour mask must be one unbroken run of set bits.
bool Contiguous(std::uint32_t mask)
{
    if (mask == 0)
        return false;
    const std::uint32_t shifted = mask >> std::countr_zero(mask);
    return (shifted & (shifted + 1)) == 0;
}

// The masked field of value scaled to 0..255.
int Channel(std::uint32_t value, std::uint32_t mask)
{
    const int shift = std::countr_zero(mask);
    const std::uint64_t top = mask >> shift;
    return int(((value & mask) >> shift) * 255 / top);
}

} // namespace

QImage TBitmapDecoder::Decode(QByteArrayView file)
{
    return TBitmapDecoder(file).Run();
}

TBitmapDecoder::TBitmapDecoder(QByteArrayView file)
    : FFile(file), FSize(file.size())
{
}

QImage TBitmapDecoder::Run()
{
    ReadHeaders();
    CheckFormat();
    ReadMasks();
    ReadPalette();
    // The pixel data starts after everything the headers say comes before it, inside the file.
    Require(FPixelOffset >= FMasksEnd && FPixelOffset < FSize);

    QImage image = AllocateImage(QSize(int(FWidth), int(FHeight)), QImage::Format_RGB32);
    Require(!image.isNull());
    if (FCompression == BiRle8 || FCompression == BiRle4)
        DecodeRunLength(image);
    else
        DecodeRows(image);
    return image;
}

std::uint32_t TBitmapDecoder::U16(std::int64_t at) const
{
    Require(at >= 0 && at + 2 <= FSize);
    const auto* p = reinterpret_cast<const unsigned char*>(FFile.data()) + at;
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8;
}

std::uint32_t TBitmapDecoder::U32(std::int64_t at) const
{
    return U16(at) | U16(at + 2) << 16;
}

void TBitmapDecoder::ReadHeaders()
{
    // Only Windows bitmaps: the "BM" file header, then a header whose size names its kind.
    Require(FSize >= FileHeaderSize + 4 && FFile[0] == 'B' && FFile[1] == 'M');
    FPixelOffset = U32(10);
    FHeaderSize = U32(14);
    Require(FHeaderSize == CoreHeaderSize || FHeaderSize == InfoHeaderSize || FHeaderSize == 52
            || FHeaderSize == 56 || FHeaderSize == 108 || FHeaderSize == 124);
    Require(FileHeaderSize + FHeaderSize <= FSize);
    FMasksEnd = FileHeaderSize + FHeaderSize;

    std::uint32_t planes = 0;
    if (FHeaderSize == CoreHeaderSize) {
        FWidth = U16(18);
        FHeight = U16(20);
        planes = U16(22);
        FBitCount = U16(24);
    } else {
        FWidth = std::int32_t(U32(18));
        const std::int32_t height = std::int32_t(U32(22));
        FTopDown = height < 0;
        FHeight = std::abs(std::int64_t(height));
        planes = U16(26);
        FBitCount = U16(28);
        FCompression = U32(30);
        FSizeImage = U32(34);
        FClrUsed = U32(46);
    }
    Require(planes == 1);
    Require(FWidth > 0 && FHeight > 0 && FWidth <= MaxSide && FHeight <= MaxSide && FWidth * FHeight <= MaxPixels);
}

void TBitmapDecoder::CheckFormat() const
{
    const std::uint32_t depth = FBitCount;
    if (FHeaderSize == CoreHeaderSize) {
        Require(depth == 1 || depth == 4 || depth == 8 || depth == 24);
        return;
    }
    switch (FCompression) {
    case BiRgb:
        Require(depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32);
        break;
    case BiRle8:
        Require(depth == 8 && !FTopDown);
        break;
    case BiRle4:
        Require(depth == 4 && !FTopDown);
        break;
    case BiBitfields:
        Require(depth == 16 || depth == 32);
        break;
    default:
        // Embedded JPEG or PNG data and the rarer schemes are not bitmaps this program reads.
        Invalid();
    }
}

void TBitmapDecoder::ReadMasks()
{
    if (FCompression != BiBitfields) {
        FMasks = FBitCount == 16 ? std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F}
                                 : std::array<std::uint32_t, 3>{0xFF0000, 0xFF00, 0xFF};
        return;
    }
    // A 40-byte header keeps its masks right after it; the longer headers hold them inside.
    const std::int64_t at = FileHeaderSize + InfoHeaderSize;
    for (int i = 0; i < 3; ++i)
        FMasks[std::size_t(i)] = U32(at + 4 * i);
    if (FHeaderSize == InfoHeaderSize)
        FMasksEnd = at + 12;
    const std::uint64_t depthBits = FBitCount == 32 ? 0xFFFFFFFFull : 0xFFFFull;
    for (std::uint32_t mask : FMasks)
        Require(Contiguous(mask) && (mask & ~depthBits) == 0);
    Require((FMasks[0] & FMasks[1]) == 0 && (FMasks[1] & FMasks[2]) == 0 && (FMasks[0] & FMasks[2]) == 0);
}

void TBitmapDecoder::ReadPalette()
{
    if (FBitCount > 8)
        return;   // a palette beside true-colour pixels is a display hint only
    const std::uint32_t full = 1u << FBitCount;
    const std::uint32_t count = FHeaderSize == CoreHeaderSize || FClrUsed == 0 ? full : FClrUsed;
    Require(count <= full);
    const std::int64_t entry = FHeaderSize == CoreHeaderSize ? 3 : 4;
    const std::int64_t start = FMasksEnd;
    Require(start + entry * count <= FSize);
    FPalette.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::int64_t at = start + entry * i;
        const auto* p = reinterpret_cast<const unsigned char*>(FFile.data()) + at;
        FPalette.append(qRgb(p[2], p[1], p[0]));
    }
    FMasksEnd = start + entry * count;
}

QRgb TBitmapDecoder::PaletteColor(std::uint32_t index) const
{
    // An index past the palette points at colours the file does not hold.
    Require(index < std::uint32_t(FPalette.size()));
    return FPalette[index];
}

QRgb TBitmapDecoder::MaskedColor(std::uint32_t value) const
{
    return qRgb(Channel(value, FMasks[0]), Channel(value, FMasks[1]), Channel(value, FMasks[2]));
}

int TBitmapDecoder::ImageRow(std::int64_t fileRow) const
{
    return int(FTopDown ? fileRow : FHeight - 1 - fileRow);
}

void TBitmapDecoder::DecodeRows(QImage& image) const
{
    // Rows are padded to whole 32-bit words; all of them must be in the file.
    const std::int64_t stride = (FWidth * FBitCount + 31) / 32 * 4;
    Require(FPixelOffset + stride * FHeight <= FSize);
    const auto* data = reinterpret_cast<const unsigned char*>(FFile.data()) + FPixelOffset;
    uchar* bits = image.bits();
    const qsizetype bytesPerLine = image.bytesPerLine();

    // One loop per depth, so that the depth is settled once and not again at every pixel.
    const auto rows = [&](auto pixel) {
        for (std::int64_t y = 0; y < FHeight; ++y) {
            const unsigned char* row = data + y * stride;
            auto* out = reinterpret_cast<QRgb*>(bits + ImageRow(y) * bytesPerLine);
            for (std::int64_t x = 0; x < FWidth; ++x)
                out[x] = pixel(row, x);
        }
    };
    using TRow = const unsigned char*;
    switch (FBitCount) {
    case 1:
        rows([this](TRow row, std::int64_t x) { return PaletteColor((row[x / 8] >> (7 - x % 8)) & 1); });
        break;
    case 4:
        rows([this](TRow row, std::int64_t x) { return PaletteColor((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF); });
        break;
    case 8:
        rows([this](TRow row, std::int64_t x) { return PaletteColor(row[x]); });
        break;
    case 16:
        rows([this](TRow row, std::int64_t x) {
            return MaskedColor(std::uint32_t(row[2 * x]) | std::uint32_t(row[2 * x + 1]) << 8);
        });
        break;
    case 24:
        rows([](TRow row, std::int64_t x) { return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]); });
        break;
    default:
        rows([this](TRow row, std::int64_t x) {
            const unsigned char* p = row + 4 * x;
            return MaskedColor(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
                               | std::uint32_t(p[3]) << 24);
        });
    }
}

// 8 and 4-bit run-length data: a count and a value repeat the value (for 4 bits, its two
// nibbles alternating); a zero count is an escape: 0 ends the line, 1 ends the bitmap, 2 moves
// by the next two bytes, and 3 or more starts a literal run padded to a whole 16-bit word.
// Every run must stay inside its line and above the picture's top, the data must end with the
// end-of-bitmap escape, and pixels that it skips take the first palette colour.
void TBitmapDecoder::DecodeRunLength(QImage& image) const
{
    const bool four = FCompression == BiRle4;
    std::int64_t end = FSize;
    if (FSizeImage != 0) {
        Require(FPixelOffset + std::int64_t(FSizeImage) <= FSize);
        end = FPixelOffset + FSizeImage;
    }
    image.fill(PaletteColor(0));

    std::int64_t at = FPixelOffset;
    std::int64_t x = 0;
    std::int64_t y = 0;
    auto byte = [&](std::int64_t i) {
        Require(i < end);
        return std::uint32_t(static_cast<unsigned char>(FFile[i]));
    };
    auto run = [&](std::int64_t count, auto colorOf) {
        Require(y < FHeight && x + count <= FWidth);
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(ImageRow(y)));
        for (std::int64_t i = 0; i < count; ++i, ++x)
            out[x] = colorOf(i);
    };

    for (;;) {
        const std::uint32_t count = byte(at);
        const std::uint32_t value = byte(at + 1);
        at += 2;
        if (count > 0) {
            run(count, [&](std::int64_t i) {
                return PaletteColor(four ? (i % 2 ? value & 0xF : value >> 4) : value);
            });
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            return;
        } else if (value == 2) {
            x += byte(at);
            y += byte(at + 1);
            at += 2;
            Require(x <= FWidth && y <= FHeight);
        } else {
            const std::int64_t bytes = four ? (value + 1) / 2 : value;
            byte(at + bytes + bytes % 2 - 1);   // the whole padded literal is in the data
            const std::int64_t first = at;
            run(value, [&](std::int64_t i) {
                const std::uint32_t b = byte(first + (four ? i / 2 : i));
                return PaletteColor(four ? (i % 2 ? b & 0xF : b >> 4) : b);
            });
            at += bytes + bytes % 2;
        }
    }
}
