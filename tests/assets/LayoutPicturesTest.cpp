// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The pictures compiled into the program: reachable as resources from a program that links
// layout_pictures, and the disc pictures exactly as the board expects them.
#include "AssetFolder.h"
#include "platform/BitmapFile.h"
#include "toolkit/base/ToolkitError.h"

#include <gtest/gtest.h>

using namespace TarvoWidgets;

using namespace assetfolder;

namespace {
const QRgb kPurple = qRgb(128, 0, 128);

QImage Disc(int index)
{
    return Read(QStringLiteral(":/layout/disc%1.bmp").arg(index));
}

// The rows and columns that hold anything but the purple ground: {first, last} each, or
// {-1, -1} for a bare cell.
struct Extent {
    int top = -1, bottom = -1, left = -1, right = -1;
};

Extent Covered(const QImage& image)
{
    Extent e;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == kPurple)
                continue;
            if (e.top < 0)
                e.top = y;
            e.bottom = y;
            e.left = e.left < 0 ? x : std::min(e.left, x);
            e.right = std::max(e.right, x);
        }
    return e;
}

// Share of the disc's pixels that are dark (all channels below 90) or light (all above 170).
double Share(const QImage& image, bool dark)
{
    int count = 0, total = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (c == kPurple)
                continue;
            ++total;
            const int lo = std::min({qRed(c), qGreen(c), qBlue(c)}), hi = std::max({qRed(c), qGreen(c), qBlue(c)});
            count += dark ? hi < 90 : lo > 170;
        }
    return total ? static_cast<double>(count) / total : 0;
}
} // namespace

TEST(LayoutPictures, ResourcesAreLinkedIn)
{
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(Disc(i).size(), QSize(40, 50)) << i;
    EXPECT_EQ(Read(":/layout/portrait.bmp").size(), QSize(110, 110));
    EXPECT_EQ(Read(":/layout/icon.png").size(), QSize(32, 32));
}

// The discs and the portrait have double-size twins in the resources too, each its picture
// at twice the size.
TEST(LayoutPictures, TheTwinsAreThePicturesAtTwiceTheSize)
{
    QStringList names{QStringLiteral(":/layout/portrait")};
    for (int i = 0; i < 8; ++i)
        names << QStringLiteral(":/layout/disc%1").arg(i);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QImage normal = Read(name + QStringLiteral(".bmp"));
        const QImage twin = Read(name + QStringLiteral("@2x.bmp"));
        ASSERT_EQ(twin.size(), normal.size() * 2);
        EXPECT_LT(MeanDifference(twin.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), normal), 6.0);
    }
}

// The program reads its compiled-in bitmaps with its own decoder: the same pictures as Qt's
// reader gives, and a path that names no resource is the file-open error.
TEST(LayoutPictures, TheProgramsOwnReaderReadsThemAsQtDoes)
{
    QStringList paths = {QStringLiteral(":/layout/portrait.bmp")};
    for (int i = 0; i < 8; ++i)
        paths << QStringLiteral(":/layout/disc%1.bmp").arg(i);
    for (const QString& path : paths)
        EXPECT_TRUE(LoadBitmapResource(path) == Read(path).convertToFormat(QImage::Format_RGB32)) << path.toStdString();
    for (const char* missing : {":/layout/none.bmp", ":/layout"}) {
        try {
            LoadBitmapResource(QString::fromLatin1(missing));
            ADD_FAILURE() << missing << " read";
        } catch (const EToolkitError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("ファイル %1 は開けません").arg(QString::fromLatin1(missing)));
        }
    }
}

TEST(LayoutPictures, DiscsCoverTheirRowsWithinTheirColumns)
{
    const struct {
        int index, top, bottom;
    } table[] = {{1, 13, 47}, {2, 3, 36}, {3, 3, 26}, {4, 15, 20}, {5, 15, 20}, {6, 11, 35}, {7, 15, 47}};
    for (const auto& row : table) {
        SCOPED_TRACE(row.index);
        const Extent e = Covered(Disc(row.index));
        EXPECT_EQ(e.top, row.top);
        EXPECT_EQ(e.bottom, row.bottom);
        EXPECT_GE(e.left, 3);
        EXPECT_LE(e.right, 36);
    }
}

TEST(LayoutPictures, BareCellIsAllPurpleAndEdgeOnFramesAreEqual)
{
    const QImage bare = Disc(0);
    EXPECT_EQ(Covered(bare).top, -1);
    EXPECT_EQ(bare.pixel(0, 0), kPurple);
    EXPECT_EQ(Disc(4), Disc(5));
}

TEST(LayoutPictures, BlackDiscsReadBlackAndWhiteDiscsWhite)
{
    for (int index : {1, 2, 3}) {
        EXPECT_GT(Share(Disc(index), true), 0.5) << index;
    }
    for (int index : {6, 7}) {
        EXPECT_GT(Share(Disc(index), false), 0.5) << index;
    }
}
