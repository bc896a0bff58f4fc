// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The double-size twins of the pictures: chosen above a device pixel ratio of 1, and never an
// error of their own (a twin that is missing, damaged or of the wrong size leaves the normal
// picture).
#include "platform/BitmapFile.h"
#include "platform/DoubleSize.h"
#include "platform/Image.h"
#include "platform/ImageList.h"
#include "platform/testkit/BitmapBuilder.h"

#include "FileKit.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage Filled(QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

QByteArray BitmapOf(const QImage& picture)
{
    return TBitmapBuilder::Packed(picture, 24).Build();
}

} // namespace

TEST(DoubleSize, TheTwinLiesBesideThePicture)
{
    EXPECT_EQ(DoubleSizePath(QStringLiteral("/opt/my.games/data/0_1.bmp")), QStringLiteral("/opt/my.games/data/0_1@2x.bmp"));
    EXPECT_EQ(DoubleSizePath(QStringLiteral(":/layout/disc0.bmp")), QStringLiteral(":/layout/disc0@2x.bmp"));
    EXPECT_EQ(DoubleSizePath(QStringLiteral("/opt/my.games/picture")), QStringLiteral("/opt/my.games/picture@2x"));
}

TEST(DoubleSize, TheTwinIsShownAboveRatioOneAndOnlyWhenItIsSound)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage normal = Filled({21, 13}, Qt::red);
    const QByteArray goodTwin = BitmapOf(Filled({42, 26}, Qt::blue));
    QByteArray truncatedTwin = goodTwin;
    truncatedTwin.chop(100);
    struct TCase {
        const char* Name;
        qreal Ratio;
        std::optional<QByteArray> Twin;   // none: no twin file
        bool TwinShown;
    };
    const TCase cases[] = {
        {"ratio 1: the normal picture, twin or not", 1.0, goodTwin, false},
        {"ratio 2 with a sound twin", 2.0, goodTwin, true},
        {"ratio 1.5 with a sound twin (scaled down when drawn)", 1.5, goodTwin, true},
        {"ratio 2, no twin", 2.0, std::nullopt, false},
        {"ratio 2, a twin cut short", 2.0, truncatedTwin, false},
        {"ratio 2, a twin that is no bitmap", 2.0, QByteArray("not a bitmap at all"), false},
        {"ratio 2, a twin of the normal size", 2.0, BitmapOf(Filled({21, 13}, Qt::blue)), false},
        {"ratio 2, a twin of another size", 2.0, BitmapOf(Filled({40, 26}, Qt::blue)), false},
        {"ratio 2, a twin of the right width and another height", 2.0, BitmapOf(Filled({42, 24}, Qt::blue)), false},
    };
    const QString path = dir.filePath(QStringLiteral("0_1.bmp"));
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(DoubleSizePath(path));
        if (c.Twin)
            WriteBytes(DoubleSizePath(path), *c.Twin);
        QImage shown;
        ASSERT_NO_THROW(shown = WithDoubleSize(normal, path, c.Ratio, LoadBitmap));
        EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(21, 13)) << "the same room either way";
        EXPECT_EQ(shown.pixelColor(0, 0), c.TwinShown ? QColor(Qt::blue) : QColor(Qt::red));
        EXPECT_EQ(shown.devicePixelRatio(), c.TwinShown ? 2.0 : 1.0);
    }
}

// At a device pixel ratio of 1.5 a double-size picture is scaled down, smoothly: stripes one
// pixel wide become even greys, where a plain scaling keeps only black and white, unevenly.
TEST(DoubleSize, AtOneAndAHalfTheTwinIsScaledDownSmoothly)
{
    QImage stripes(40, 20, QImage::Format_RGB32);
    for (int x = 0; x < stripes.width(); ++x)
        for (int y = 0; y < stripes.height(); ++y)
            stripes.setPixelColor(x, y, x % 2 ? Qt::white : Qt::black);
    stripes.setDevicePixelRatio(2);
    const auto greys = [](const QImage& shown) {
        int count = 0;
        for (int x = 0; x < shown.width(); ++x) {
            const int level = qGray(shown.pixel(x, 5));
            count += level > 40 && level < 215;
        }
        return count;
    };

    TImageList list(20, 10, TarvoWidgets::clr::Purple);
    list.Add(stripes);
    QImage cell(30, 15, QImage::Format_RGB32);
    cell.setDevicePixelRatio(1.5);
    list.Draw(cell, 0, 0, 0);
    EXPECT_GT(greys(cell), 20) << "a cell of the list";

    TImage image;
    image.resize(20, 10);
    image.SetPicture(stripes);
    QImage control(30, 15, QImage::Format_RGB32);
    control.setDevicePixelRatio(1.5);
    control.fill(Qt::red);
    image.render(&control);
    EXPECT_GT(greys(control), 20) << "a picture control";
}
