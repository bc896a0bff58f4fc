// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "HostileFiles.h"
#include "platform/BitmapFile.h"
#include "platform/BitmapDecoder.h"
#include "toolkit/base/ToolkitError.h"
#include "platform/testkit/BitmapBuilder.h"
#include "platform/testkit/BitmapSamples.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace TarvoWidgets;

namespace {

// The text of the error that loading path raises, or "" when it loads.
QString LoadError(const QString& path)
{
    try {
        LoadBitmap(path);
        return QString();
    } catch (const EToolkitError& e) {
        return e.Message();
    }
}

QString FirstDifference(const QImage& got, const QImage& want)
{
    if (got.size() != want.size())
        return QStringLiteral("size %1x%2").arg(got.width()).arg(got.height());
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y))
                return QStringLiteral("pixel (%1,%2) is %3, not %4")
                    .arg(x).arg(y).arg(got.pixel(x, y), 8, 16).arg(want.pixel(x, y), 8, 16);
    return QString();
}

} // namespace

// Every kind of bitmap the loader accepts gives exactly its picture, every pixel written.
TEST(LoadBitmap, DecodesEveryAcceptedKind)
{
    QTemporaryDir dir;
    for (const TWellFormedBitmap& sample : WellFormedBitmaps()) {
        const QString path = dir.filePath(QStringLiteral("sample.bmp"));
        PlaceBitmapVariant({sample.Name, TPlacement::Bytes, sample.Bytes}, path);
        QImage read;
        ASSERT_NO_THROW(read = LoadBitmap(path)) << sample.Name.toStdString();
        EXPECT_EQ(FirstDifference(read, sample.Picture), QString()) << sample.Name.toStdString();
    }
}

// Every damaged or hostile file gives its error at once: the file-open error with the full
// path where the path is no file the user can open, the invalid-bitmap error for the rest.
TEST(LoadBitmap, RefusesEveryHostileFileWithItsError)
{
    QTemporaryDir dir;
    OpenToEveryone(dir.path());
    const QString path = dir.filePath(QStringLiteral("face.bmp"));
    for (const TBitmapVariant& variant : HostileBitmaps()) {
        SCOPED_TRACE(variant.Name.toStdString());
        PlaceBitmapVariant(variant, path);
        const QString want = variant.CannotOpen() ? QStringLiteral("ファイル %1 は開けません").arg(path)
                                                  : QStringLiteral("ビットマップイメージが不正です");
        TFifoWatchdog watchdog(path);
        TAsOrdinaryUser user;
        if (!user.Active()) {
            ADD_FAILURE() << "could not drop root's rights to try the file as an ordinary user";
            continue;
        }
        EXPECT_EQ(LoadError(path), want);
        EXPECT_FALSE(watchdog.Fired()) << "the load waited on the file";
    }
}

// Reading into a buffer that held a larger picture just before gives what a fresh read gives:
// each file is judged on its own bytes alone, so a file short of its data is still refused.
TEST(LoadBitmap, AReusedBufferGivesWhatAFreshReadGives)
{
    QTemporaryDir dir;
    const QString large = dir.filePath(QStringLiteral("large.bmp"));
    const QString path = dir.filePath(QStringLiteral("sample.bmp"));
    QImage big(300, 200, QImage::Format_RGB32);
    big.fill(Qt::darkCyan);
    PlaceBitmapVariant({QStringLiteral("large"), TPlacement::Bytes, TBitmapBuilder::Packed(big, 32).Build()}, large);
    std::vector<TBitmapVariant> files;
    for (const TWellFormedBitmap& sample : WellFormedBitmaps())
        files.push_back({sample.Name, TPlacement::Bytes, sample.Bytes});
    for (const TBitmapVariant& variant : HostileBitmaps())
        if (!variant.CannotOpen())
            files.push_back(variant);
    QByteArray buffer;
    for (const TBitmapVariant& file : files) {
        SCOPED_TRACE(file.Name.toStdString());
        PlaceBitmapVariant(file, path);
        ASSERT_NO_THROW(LoadBitmap(large, buffer));
        QImage reused;
        const QString freshError = LoadError(path);
        QString reusedError;
        try {
            reused = LoadBitmap(path, buffer);
        } catch (const EToolkitError& e) {
            reusedError = e.Message();
        }
        EXPECT_EQ(reusedError, freshError);
        if (freshError.isEmpty()) {
            EXPECT_EQ(FirstDifference(reused, LoadBitmap(path)), QString());
        }
    }
}

// The decoder never reads past the bytes it is given, even when every prefix of a file is all
// it gets (the run-length and palette paths included).
TEST(BitmapDecoder, EveryPrefixOfAGoodFileIsRefusedOrDecoded)
{
    for (const TWellFormedBitmap& sample : WellFormedBitmaps()) {
        if (sample.Bytes.size() > 2000)
            continue;
        for (qsizetype n = 0; n < sample.Bytes.size(); ++n) {
            const QByteArray prefix = sample.Bytes.left(n);   // a copy of its own, so ASan sees its end
            EXPECT_THROW(TBitmapDecoder::Decode(prefix), EToolkitError) << sample.Name.toStdString() << " cut at " << n;
        }
    }
}

// A run-length code that would write past the end of its line (or above the top line) is
// refused, whichever kind of run it is, while the same codes one pixel shorter decode. The
// runs sit on the picture's top line, which is not the last in memory, so a missing bound
// shows as a decoded picture here rather than as a write past the buffer.
TEST(BitmapDecoder, ARunPastItsLineOrAboveThePictureIsRefusedAsInvalid)
{
    struct TCase {
        const char* Name;
        std::uint16_t BitCount;
        std::vector<int> Overrun, Fitting;   // codes on the top line of a 5 by 3 picture
    };
    const TCase cases[] = {
        {"a run", 8, {6, 1}, {5, 1}},
        {"a literal run", 8, {0, 6, 1, 2, 3, 1, 2, 3}, {0, 5, 1, 2, 3, 1, 2, 0}},
        {"a run after others", 8, {3, 1, 2, 2, 1, 3}, {3, 1, 2, 2}},
        {"a run after a move along the line", 8, {0, 2, 3, 0, 3, 1}, {0, 2, 3, 0, 2, 1}},
        {"a 4-bit run", 4, {6, 0x12}, {5, 0x12}},
        {"a 4-bit literal run", 4, {0, 6, 0x12, 0x31, 0x23, 0}, {0, 5, 0x12, 0x31, 0x20, 0}},
        {"a run above the top line", 8, {0, 0, 1, 1}, {1, 1}},
    };
    // Two line ends up to the top line, the codes, and the end of the bitmap.
    const auto decode = [](std::uint16_t bitCount, const std::vector<int>& codes) {
        TBitmapBuilder b;
        b.Width = 5;
        b.Height = 3;
        b.BitCount = bitCount;
        b.Compression = bitCount == 8 ? 1 : 2;
        b.Palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
        b.ClrUsed = 4;
        b.Pixels = QByteArray("\0\0\0\0", 4);
        for (int code : codes)
            b.Pixels.append(char(code));
        b.Pixels.append("\0\1", 2);
        b.SizeImage = std::uint32_t(b.Pixels.size());
        try {
            TBitmapDecoder::Decode(b.Build());
            return std::string();
        } catch (const EToolkitError& e) {
            return e.Message().toStdString();   // prints as text when the comparison fails
        }
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(decode(c.BitCount, c.Overrun), EToolkitError::InvalidBitmap().Message().toStdString());
        EXPECT_EQ(decode(c.BitCount, c.Fitting), "") << "the codes that fit their line decode";
    }
}
