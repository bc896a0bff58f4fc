#include "FakeServices.h"
#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Services.h"
#include "platform/ToolkitError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

TEST(ErrorBox, AppendsAFullStopAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(ErrorBoxText(QStringLiteral("ファイル /x は開けません")), QStringLiteral("ファイル /x は開けません."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("abc")), QStringLiteral("abc."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("done.")), QStringLiteral("done."));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("ends in a blank ")), QStringLiteral("ends in a blank "));
    EXPECT_EQ(ErrorBoxText(QStringLiteral("ends in a comma,")), QStringLiteral("ends in a comma,"));
    EXPECT_EQ(ErrorBoxText(QString()), QString());
}

TEST(LoadBitmap, MissingFileNamesItsFullPath)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data/0_17.bmp"));
    try {
        LoadBitmap(path);
        FAIL() << "no error raised";
    } catch (const EToolkitError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("ファイル %1 は開けません").arg(path));
    }
}

TEST(LoadBitmap, FileThatIsNoBitmapIsInvalid)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.bmp"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM this is not a bitmap");
    f.close();
    try {
        LoadBitmap(path);
        FAIL() << "no error raised";
    } catch (const EToolkitError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("ビットマップイメージが不正です"));
    }
}

TEST(LoadBitmap, ReadsAValidBitmap)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ok.bmp"));
    QImage img(7, 3, QImage::Format_RGB888);
    img.fill(QColor(10, 20, 30));
    ASSERT_TRUE(img.save(path, "BMP"));
    const QImage read = LoadBitmap(path);
    EXPECT_EQ(read.size(), QSize(7, 3));
    EXPECT_EQ(read.pixelColor(6, 2), QColor(10, 20, 30));
}

// The default handler: an error raised in an event handler shows the error box and the
// program goes on handling events.
TEST(DefaultHandler, ShowsTheErrorAndGoesOn)
{
    TFakeServices services;
    try {
        throw EToolkitError::InvalidBitmap();
    } catch (...) {
        TApplication::ShowCurrentException(services);
    }
    try {
        throw std::runtime_error("not the toolkit's");
    } catch (...) {
        TApplication::ShowCurrentException(services);
    }
    EXPECT_EQ(services.Errors, QStringList({QStringLiteral("ビットマップイメージが不正です"), QString()}));
}
