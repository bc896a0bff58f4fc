#include "HostileFiles.h"
#include "platform/Bitmap.h"
#include "platform/BitmapDecoder.h"
#include "platform/ToolkitError.h"
#include "platform/testkit/BitmapSamples.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

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
