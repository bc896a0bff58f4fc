#include "HostileFiles.h"
#include "platform/BitmapFile.h"
#include "platform/BitmapDecoder.h"
#include "toolkit/ToolkitError.h"
#include "platform/testkit/BitmapBuilder.h"
#include "platform/testkit/BitmapSamples.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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
