#include "Bitmap.h"

#include "ToolkitError.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>

namespace {

// The layout of the files the game ships: an uncompressed 24-bit bitmap with the plain
// 40-byte header. Qt's reader turns every pixel through a general per-channel scaling, which
// made reading the start-up pictures a large part of the start-up; this reads them row by row.
// Anything else, or a file that does not hold the rows its header promises, goes to Qt's
// reader, which has the last word on what is valid.
constexpr qsizetype FileHeaderSize = 14;
constexpr quint32 InfoHeaderSize = 40;
constexpr int MaxSide = 32767;

template <typename T>
T At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

QImage ReadPlain24Bit(const QByteArray& bytes)
{
    if (bytes.size() < FileHeaderSize + qsizetype(InfoHeaderSize) || !bytes.startsWith("BM"))
        return QImage();
    const quint32 dataOffset = At<quint32>(bytes, 10);
    const qint32 width = At<qint32>(bytes, 18);
    const qint32 height = At<qint32>(bytes, 22);
    if (At<quint32>(bytes, 14) != InfoHeaderSize || At<quint16>(bytes, 26) != 1 || At<quint16>(bytes, 28) != 24
        || At<quint32>(bytes, 30) != 0)
        return QImage();
    if (width <= 0 || width > MaxSide || height == 0 || std::abs(height) > MaxSide)
        return QImage();
    const int rows = std::abs(height);
    const qsizetype stride = (qsizetype(width) * 3 + 3) / 4 * 4;
    if (dataOffset < FileHeaderSize + InfoHeaderSize || qsizetype(dataOffset) + stride * rows > bytes.size())
        return QImage();

    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    const uchar* data = reinterpret_cast<const uchar*>(bytes.constData()) + dataOffset;
    for (int r = 0; r < rows; ++r) {
        // A positive height stores the bottom row first.
        const uchar* source = data + stride * (height > 0 ? rows - 1 - r : r);
        QRgb* target = reinterpret_cast<QRgb*>(image.scanLine(r));
        for (int x = 0; x < width; ++x, source += 3)
            target[x] = qRgb(source[2], source[1], source[0]);
    }
    return image;
}

} // namespace

QImage LoadBitmap(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EToolkitError::FileOpen(path);
    QByteArray bytes = file.readAll();
    QImage image = ReadPlain24Bit(bytes);
    if (!image.isNull())
        return image;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    image = reader.read();
    if (image.isNull())
        throw EToolkitError::InvalidBitmap();
    return image;
}
