// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "BitmapSamples.h"

#include "BitmapBuilder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <climits>
#include <sys/stat.h>

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb White = qRgb(255, 255, 255);
const QList<QRgb> Four = {Black, Red, Green, Blue};

QImage Picture(int width, int height, const QList<QRgb>& pixels)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int i = 0; i < width * height; ++i)
        picture.setPixel(i % width, i / width, pixels[i]);
    return picture;
}

// Five by three in the four colours: small enough to write its run-length codes by hand.
QImage Small()
{
    return Picture(5, 3, {Black, Black, Blue, Blue, Blue,
                          Green, Blue, Green, Red, Red,
                          Red, Red, Red, Red, Red});
}

// A face-sized picture with every byte value in its channels, as the generator writes them.
QImage Face()
{
    QImage picture(110, 110, QImage::Format_RGB32);
    for (int y = 0; y < 110; ++y)
        for (int x = 0; x < 110; ++x)
            picture.setPixel(x, y, qRgb((x * 7 + y) & 0xFF, (y * 5) & 0xFF, (x ^ y) & 0xFF));
    return picture;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// Small() bottom-up as 8-bit run-length codes: a run, a literal run with its pad byte, a move
// that skips two pixels (left in the first palette colour), line ends and the bitmap's end.
QByteArray SmallRle8()
{
    return Bytes({5, 1, 0, 0,
                  0, 3, 2, 3, 2, 0, 2, 1, 0, 0,
                  0, 2, 2, 0, 3, 3, 0, 1});
}

QByteArray SmallRle4()
{
    return Bytes({5, 0x11, 0, 0,
                  0, 3, 0x23, 0x20, 2, 0x11, 0, 0,
                  0, 2, 2, 0, 3, 0x33, 0, 1});
}

TBitmapBuilder RunLength(std::uint16_t bitCount, QByteArray codes)
{
    TBitmapBuilder b;
    b.Width = 5;
    b.Height = 3;
    b.BitCount = bitCount;
    b.Compression = bitCount == 8 ? 1 : 2;
    b.Palette = Four;
    b.ClrUsed = 4;
    b.Pixels = std::move(codes);
    b.SizeImage = std::uint32_t(b.Pixels.size());
    return b;
}

QByteArray Encoded(const QImage& picture, const char* format)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return out;
}

// A one-pixel GIF, written out byte by byte (Qt has no GIF writer).
QByteArray Gif()
{
    return Bytes({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0,
                  0x21, 0xF9, 4, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B});
}

} // namespace

std::vector<TWellFormedBitmap> WellFormedBitmaps()
{
    const QImage small = Small();
    const QImage face = Face();
    const QImage twoColour = Picture(9, 2, {White, Black, White, White, Black, Black, Black, White, White,
                                            Black, Black, White, Black, White, Black, White, White, Black});
    const QImage fiveColour = Picture(3, 2, {Red, Green, Blue, White, Black, Red});

    TBitmapBuilder core = TBitmapBuilder::Packed(small, 8, Four + QList<QRgb>(252, White));   // a core palette is always full
    core.HeaderSize = 12;
    TBitmapBuilder v5 = TBitmapBuilder::Packed(face, 24);
    v5.HeaderSize = 124;
    TBitmapBuilder v4masks = TBitmapBuilder::Packed(fiveColour, 32, {}, 3, {0xFF00, 0xFF0000, 0xFF000000});
    v4masks.HeaderSize = 108;
    TBitmapBuilder fewColours = TBitmapBuilder::Packed(small, 8, Four);
    fewColours.ClrUsed = 4;
    TBitmapBuilder gapBeforePixels = TBitmapBuilder::Packed(face, 24);
    gapBeforePixels.PixelOffset = 200;

    return {
        {QStringLiteral("24-bit, as the generator writes"), Encoded(face, "BMP"), face},
        {QStringLiteral("24-bit, built"), TBitmapBuilder::Packed(face, 24).Build(), face},
        {QStringLiteral("24-bit, top-down"), TBitmapBuilder::Packed(face, 24, {}, 0, {}, true).Build(), face},
        {QStringLiteral("24-bit, gap before the pixels"), gapBeforePixels.Build(), face},
        {QStringLiteral("24-bit, 124-byte header"), v5.Build(), face},
        {QStringLiteral("1-bit"), TBitmapBuilder::Packed(twoColour, 1, {White, Black}).Build(), twoColour},
        {QStringLiteral("4-bit"), TBitmapBuilder::Packed(small, 4, Four).Build(), small},
        {QStringLiteral("8-bit, full palette"), TBitmapBuilder::Packed(small, 8, Four + QList<QRgb>(252, White)).Build(), small},
        {QStringLiteral("8-bit, four colours used"), fewColours.Build(), small},
        {QStringLiteral("8-bit, core header"), core.Build(), small},
        {QStringLiteral("16-bit 5-5-5"), TBitmapBuilder::Packed(fiveColour, 16).Build(), fiveColour},
        {QStringLiteral("16-bit 5-6-5 masks"), TBitmapBuilder::Packed(fiveColour, 16, {}, 3, {0xF800, 0x07E0, 0x001F}).Build(), fiveColour},
        {QStringLiteral("32-bit"), TBitmapBuilder::Packed(face, 32).Build(), face},
        {QStringLiteral("32-bit masks, 108-byte header"), v4masks.Build(), fiveColour},
        {QStringLiteral("8-bit run-length"), RunLength(8, SmallRle8()).Build(), small},
        {QStringLiteral("4-bit run-length"), RunLength(4, SmallRle4()).Build(), small},
    };
}

std::vector<TBitmapVariant> HostileBitmaps()
{
    const QImage face = Face();
    const TBitmapBuilder good = TBitmapBuilder::Packed(face, 24);
    const QByteArray goodBytes = good.Build();
    const int row = 110 * 3 + 2;   // one padded 24-bit row

    std::vector<TBitmapVariant> v;
    auto bytes = [&v](const char* name, QByteArray data) {
        v.push_back({QString::fromUtf8(name), TPlacement::Bytes, std::move(data)});
    };
    auto header = [&](const char* name, auto change) {
        TBitmapBuilder b = good;
        change(b);
        bytes(name, b.Build());
    };
    auto runLength = [&](const char* name, std::uint16_t bitCount, QByteArray codes) {
        bytes(name, RunLength(bitCount, std::move(codes)).Build());
    };

    v.push_back({QStringLiteral("missing"), TPlacement::Missing, {}});
    v.push_back({QStringLiteral("a folder"), TPlacement::Folder, {}});
    v.push_back({QStringLiteral("a FIFO"), TPlacement::Fifo, {}});
    v.push_back({QStringLiteral("a dangling symlink"), TPlacement::DanglingLink, {}});
    v.push_back({QStringLiteral("a device"), TPlacement::Device, {}});
    v.push_back({QStringLiteral("not readable by the user"), TPlacement::Unreadable, goodBytes});

    bytes("empty", {});
    bytes("file header only", goodBytes.left(14));
    bytes("info header cut", goodBytes.left(30));
    bytes("pixels cut to half", goodBytes.left(54 + 55 * row));
    bytes("pixels cut to one row", goodBytes.left(54 + row));
    bytes("pixels one byte short", goodBytes.left(goodBytes.size() - 1));
    bytes("wrong magic", QByteArray("MB") + goodBytes.mid(2));
    bytes("OS/2 bitmap array", QByteArray("BA") + goodBytes.mid(2));
    bytes("a GIF renamed", Gif());
    bytes("a PNG renamed", Encoded(face, "PNG"));
    bytes("a JPEG renamed", Encoded(face, "JPG"));
    header("60000 by 1 over 110 by 110 data", [](TBitmapBuilder& b) { b.Width = 60000; b.Height = 1; });
    header("220 by 220 over 110 by 110 data", [](TBitmapBuilder& b) { b.Width = 220; b.Height = 220; });
    header("100000 by 100000", [](TBitmapBuilder& b) { b.Width = 100000; b.Height = 100000; });
    header("8192 by 8192, past the size limit", [](TBitmapBuilder& b) { b.Width = 8192; b.Height = 8192; });
    header("8193 by 1, past the side limit", [](TBitmapBuilder& b) { b.Width = 8193; b.Height = 1; });
    header("zero width", [](TBitmapBuilder& b) { b.Width = 0; });
    header("zero height", [](TBitmapBuilder& b) { b.Height = 0; });
    header("negative width", [](TBitmapBuilder& b) { b.Width = -110; });
    header("smallest negative height", [](TBitmapBuilder& b) { b.Height = INT_MIN; });
    header("no planes", [](TBitmapBuilder& b) { b.Planes = 0; });
    header("two planes", [](TBitmapBuilder& b) { b.Planes = 2; });
    for (int depth : {0, 2, 7, 64})
        header(qPrintable(QStringLiteral("depth %1").arg(depth)), [depth](TBitmapBuilder& b) { b.BitCount = std::uint16_t(depth); });
    for (int compression : {4, 5, 6, 11, 99})
        header(qPrintable(QStringLiteral("compression %1").arg(compression)),
               [compression](TBitmapBuilder& b) { b.Compression = std::uint32_t(compression); });
    header("8-bit run-length at 24 bits", [](TBitmapBuilder& b) { b.Compression = 1; });
    header("bitfields at 24 bits", [](TBitmapBuilder& b) { b.Compression = 3; b.Masks = {0xFF0000, 0xFF00, 0xFF}; });
    for (std::uint32_t size : {0u, 16u, 64u, 0xFFFFFFF0u})
        header(qPrintable(QStringLiteral("header size %1").arg(size)), [size](TBitmapBuilder& b) { b.HeaderSize = size; });
    bytes("124-byte header past the end", goodBytes.left(60));
    header("pixel offset past the end", [&](TBitmapBuilder& b) { b.PixelOffset = std::uint32_t(goodBytes.size() + 100); b.Pixels.clear(); });
    header("pixel offset inside the header", [](TBitmapBuilder& b) { b.PixelOffset = 20; });

    const QImage fiveColour = Picture(3, 2, {Red, Green, Blue, White, Black, Red});
    // Packed with sound masks, then the masks replaced: the pixels stay as they were.
    auto masked = [&](const char* name, std::uint16_t depth, std::array<std::uint32_t, 3> masks) {
        TBitmapBuilder b = TBitmapBuilder::Packed(fiveColour, depth, {}, 3, {0xF800, 0x07E0, 0x001F});
        b.Masks = masks;
        bytes(name, b.Build());
    };
    masked("bitfields with all-zero masks", 16, {0, 0, 0});
    masked("bitfields with overlapping masks", 16, {0xFC00, 0x07E0, 0x001F});
    masked("bitfields with a broken mask", 16, {0xF801, 0x07E0, 0x001E});
    masked("bitfields mask past 16 bits", 16, {0xF8000, 0x07E0, 0x001F});
    bytes("bitfields masks cut", TBitmapBuilder::Packed(fiveColour, 32, {}, 3, {0xFF0000, 0xFF00, 0xFF}).Build().left(60));

    const QImage small = Small();
    TBitmapBuilder manyColours = TBitmapBuilder::Packed(small, 8, Four);
    manyColours.ClrUsed = 300;
    bytes("300 colours at 8 bits", manyColours.Build());
    TBitmapBuilder tooFew = TBitmapBuilder::Packed(small, 8, Four);
    tooFew.Palette = {Black, Red, Green};
    tooFew.ClrUsed = 3;
    bytes("a pixel past the palette", tooFew.Build());
    bytes("palette cut", TBitmapBuilder::Packed(small, 8, Four + QList<QRgb>(252, White)).Build().left(54 + 100));

    runLength("run past the line end", 8, Bytes({6, 1, 0, 1}));
    runLength("literal run past the line end", 8, Bytes({0, 6, 1, 1, 1, 1, 1, 1, 0, 1}));
    runLength("4-bit run past the line end", 4, Bytes({4, 0x11, 2, 0x11, 0, 1}));
    runLength("move past the right edge", 8, Bytes({0, 2, 6, 0, 0, 1}));
    runLength("move past the top", 8, Bytes({0, 2, 0, 4, 0, 1}));
    runLength("pixels above the top", 8, Bytes({0, 0, 0, 0, 0, 0, 1, 1, 0, 1}));
    runLength("no end-of-bitmap escape", 8, SmallRle8().left(SmallRle8().size() - 2));
    runLength("literal run cut by the end", 8, Bytes({0, 5, 1, 2}));
    runLength("escape cut by the end", 8, Bytes({5, 1, 0}));
    runLength("run of a colour past the palette", 8, Bytes({2, 9, 0, 1}));
    TBitmapBuilder longer = RunLength(8, SmallRle8());
    longer.SizeImage = 4096;
    bytes("run-length size past the end", longer.Build());
    TBitmapBuilder upsideDown = RunLength(8, SmallRle8());
    upsideDown.Height = -3;
    bytes("top-down run-length", upsideDown.Build());
    return v;
}

void PlaceBitmapVariant(const TBitmapVariant& variant, const QString& path)
{
    QFile::remove(path);
    QDir(path).removeRecursively();
    const QByteArray native = QFile::encodeName(path);
    switch (variant.Placement) {
    case TPlacement::Missing:
        break;
    case TPlacement::Folder:
        QDir().mkpath(path);
        break;
    case TPlacement::Fifo:
        // Writable by everyone, so that a watchdog with any rights can release a stuck reader.
        ::mkfifo(native.constData(), 0666);
        ::chmod(native.constData(), 0666);
        break;
    case TPlacement::DanglingLink:
        QFile::link(path + QStringLiteral(".nowhere"), path);
        break;
    case TPlacement::Device:
        QFile::link(QStringLiteral("/dev/zero"), path);
        break;
    case TPlacement::Bytes:
    case TPlacement::Unreadable: {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(variant.Bytes);
        file.close();
        if (variant.Placement == TPlacement::Unreadable)
            ::chmod(native.constData(), 0);
        break;
    }
    }
}
