// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "AssetFolder.h"

#include <QDir>
#include <QImageReader>
#include <gtest/gtest.h>

#include <cstdlib>

namespace assetfolder {

QString BinDir()
{
    return qEnvironmentVariable("TARVO_BIN_DIR");
}

QString DataDir()
{
    return QDir(BinDir()).filePath(QStringLiteral("data"));
}

QString DataPath(const QString& name)
{
    return QDir(DataDir()).filePath(name);
}

QList<DataFile> DataFiles()
{
    const QSize background(632, 472), face(110, 110), scene(600, 400);
    QList<DataFile> files{{"0001.bmp", background}, {"0002.bmp", background}};
    for (int k = 1; k <= 17; ++k)
        files.append({QStringLiteral("0_%1.bmp").arg(k), face});
    for (const char* part : {"A", "B", "C"})
        files.append({QStringLiteral("0_%1.bmp").arg(QLatin1String(part)), scene});
    for (int n = 1; n <= 12; ++n) {
        for (int k = 0; k <= 2; ++k)
            files.append({QStringLiteral("%1_%2.bmp").arg(n).arg(k), face});
        for (const char* part : {"A", "B", "C"})
            files.append({QStringLiteral("%1_%2.bmp").arg(n).arg(QLatin1String(part)), scene});
    }
    return files;
}

QString TwinName(const QString& name)
{
    return QString(name).replace(QStringLiteral(".bmp"), QStringLiteral("@2x.bmp"));
}

QList<DataFile> DataFilesWithTwins()
{
    QList<DataFile> files = DataFiles();
    for (const DataFile& f : DataFiles())
        files.append({TwinName(f.name), f.size * 2});
    return files;
}

QImage Read(const QString& path)
{
    QImageReader reader(path);
    QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << path.toStdString() << ": " << reader.errorString().toStdString();
    return image.convertToFormat(QImage::Format_RGB32);
}

double MeanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

} // namespace assetfolder
