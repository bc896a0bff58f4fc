// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The data folder as the game reads it: every file of its table, each a 24-bit Windows bitmap
// of the size its picture control or list expects.
#include "AssetFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace assetfolder;

namespace {
// Bits per pixel from the bitmap's info header (offset 28), after checking the "BM" magic.
int BitsPerPixel(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(30);
    if (head.size() < 30 || !head.startsWith("BM"))
        return -1;
    return static_cast<unsigned char>(head[28]) | (static_cast<unsigned char>(head[29]) << 8);
}
} // namespace

TEST(DataFiles, EveryFileIsA24BitBitmapOfItsSize)
{
    const QList<DataFile> files = DataFilesWithTwins();
    ASSERT_EQ(files.size(), 2 * (2 + 17 + 3 + 12 * 6));
    for (const DataFile& f : files) {
        SCOPED_TRACE(f.name.toStdString());
        const QString path = DataPath(f.name);
        ASSERT_TRUE(QFile::exists(path));
        EXPECT_EQ(BitsPerPixel(path), 24);
        EXPECT_EQ(Read(path).size(), f.size);
    }
}

TEST(DataFiles, FolderHoldsNothingElse)
{
    QStringList expected;
    for (const DataFile& f : DataFilesWithTwins())
        expected << f.name;
    QStringList present = QDir(DataDir()).entryList(QDir::Files);
    expected.sort();
    present.sort();
    EXPECT_EQ(present, expected);
}

TEST(DataFiles, TitleBackgroundIsKeyedOnPurpleAroundItsEdge)
{
    // The title page draws the bottom-left pixel's colour as transparent; that colour is the
    // page's own purple, used for the band round the edge and nowhere that matters inside.
    const QImage title = Read(DataPath("0001.bmp"));
    const QRgb purple = qRgb(128, 0, 128);
    EXPECT_EQ(title.pixel(0, title.height() - 1), purple);
    for (const QPoint& edge : {QPoint(0, 0), QPoint(631, 0), QPoint(631, 471), QPoint(316, 2), QPoint(2, 236)})
        EXPECT_EQ(title.pixel(edge), purple) << edge.x() << "," << edge.y();
    // The centre of the picture (the game's name) and the panel behind the thumbnails are drawn.
    EXPECT_NE(title.pixel(316, 95), purple);
    EXPECT_NE(title.pixel(500, 380), purple);
}

// The twin is the same picture painted at twice the size: scaled down, it is the picture (up to
// the edges that antialiasing draws differently at each size).
TEST(DataFiles, EachTwinIsItsPictureAtTwiceTheSize)
{
    for (const DataFile& f : DataFiles()) {
        SCOPED_TRACE(f.name.toStdString());
        const QImage normal = Read(DataPath(f.name));
        const QImage twin = Read(DataPath(TwinName(f.name)));
        const QImage halved = twin.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(MeanDifference(halved, normal), 4.0);
    }
}

TEST(DataFiles, PicturesAreNotBlank)
{
    // A picture of a single colour would be a failed drawing; every picture has detail.
    for (const DataFile& f : DataFilesWithTwins()) {
        const QImage image = Read(DataPath(f.name));
        QSet<QRgb> colours;
        for (int y = 0; y < image.height() && colours.size() < 50; y += 3)
            for (int x = 0; x < image.width() && colours.size() < 50; x += 3)
                colours.insert(image.pixel(x, y));
        EXPECT_GE(colours.size(), 50) << f.name.toStdString();
    }
}
