// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "FakeServices.h"
#include "platform/GameApplication.h"
#include "toolkit/application/Application.h"
#include "platform/BitmapFile.h"
#include "platform/Services.h"
#include "toolkit/base/ToolkitError.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

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
        TGameApplication::ShowCurrentException(services);
    }
    try {
        throw std::runtime_error("not the toolkit's");
    } catch (...) {
        TGameApplication::ShowCurrentException(services);
    }
    EXPECT_EQ(services.Errors, QStringList({QStringLiteral("ビットマップイメージが不正です"), QString()}));
}

// The game's own 24-bit files are decoded by our own reader rather than Qt's; the result must be
// the picture Qt's reader gives, for any row padding and for rows stored either way up, and a
// file short of its rows is refused where Qt's reader would fill the gap from memory.
TEST(LoadBitmap, ReadsPlain24BitFilesAsQtsReaderDoes)
{
    QTemporaryDir dir;
    const auto qtReads = [](const QByteArray& bytes) {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        return QImageReader(&buffer, "bmp").read();
    };
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    for (int width : {1, 2, 3, 4, 5, 110}) {
        QImage picture(width, 3, QImage::Format_RGB888);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                picture.setPixelColor(x, y, QColor((x * 37 + y) % 256, (x * 11 + 90 * y) % 256, (200 - x) % 256));
        QBuffer saved;
        saved.open(QIODevice::WriteOnly);
        ASSERT_TRUE(picture.save(&saved, "BMP"));
        QByteArray bottomUp = saved.data();
        ASSERT_EQ(bottomUp.at(28), 24) << "a 24-bit file";

        // The same rows stored top row first, with a negative height.
        QByteArray topDown = bottomUp;
        const int offset = qFromLittleEndian<quint32>(bottomUp.constData() + 10);
        const int stride = (width * 3 + 3) / 4 * 4;
        qToLittleEndian<qint32>(-3, topDown.data() + 22);
        for (int r = 0; r < 3; ++r)
            topDown.replace(offset + r * stride, stride, bottomUp.mid(offset + (2 - r) * stride, stride));

        for (const QByteArray& bytes : {bottomUp, topDown}) {
            const QImage expected = qtReads(bytes);
            ASSERT_FALSE(expected.isNull());
            const QImage read = LoadBitmap(write(QStringLiteral("p.bmp"), bytes));
            EXPECT_EQ(read.format(), expected.format()) << "width " << width;
            EXPECT_TRUE(read == expected) << "width " << width << (&bytes == &topDown ? ", top down" : "");
        }
        EXPECT_TRUE(LoadBitmap(write(QStringLiteral("p.bmp"), bottomUp)) == picture.convertToFormat(QImage::Format_RGB32));

        // A file short of its top row is refused: the missing row would be drawn from memory
        // that nothing wrote.
        const QByteArray shortOfARow = bottomUp.left(bottomUp.size() - stride);
        EXPECT_THROW(LoadBitmap(write(QStringLiteral("short.bmp"), shortOfARow)), EToolkitError) << "width " << width;
    }
}
