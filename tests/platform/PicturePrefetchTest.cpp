// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/BitmapFile.h"
#include "platform/PicturePrefetch.h"
#include "toolkit/base/ToolkitError.h"
#include "platform/testkit/BitmapBuilder.h"

#include <QFile>
#include <functional>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

// A folder of small pictures, each one colour, and a file that is no picture.
struct PictureFolder {
    QTemporaryDir dir;

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void Write(const char* name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void WritePicture(const char* name, QColor colour) const
    {
        QImage picture(7, 5, QImage::Format_RGB32);
        picture.fill(colour);
        Write(name, TBitmapBuilder::Packed(picture, 24).Build());
    }
};

// What asking for a picture gave: its colour, or the text of its error.
QString Outcome(const std::function<QImage()>& load)
{
    try {
        return load().pixelColor(0, 0).name();
    } catch (const EToolkitError& e) {
        return e.Message();
    }
}

} // namespace

// Pictures read ahead come out as LoadBitmap reads them, errors included, whichever order
// they are asked for in; an error of one file leaves the files after it to load.
TEST(PicturePrefetch, HandsOverWhatLoadBitmapGives)
{
    PictureFolder folder;
    folder.WritePicture("red.bmp", Qt::red);
    folder.Write("spoiled.bmp", "not a picture");
    folder.WritePicture("blue.bmp", Qt::blue);
    const QStringList paths = {folder.Path("red.bmp"), folder.Path("spoiled.bmp"), folder.Path("missing.bmp"),
                               folder.Path("blue.bmp")};
    for (const bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "asked last first" : "asked in order");
        TPicturePrefetch prefetch(paths);
        QStringList asked = paths;
        if (reversed)
            std::reverse(asked.begin(), asked.end());
        for (const QString& path : asked)
            EXPECT_EQ(Outcome([&] { return prefetch.Load(path); }), Outcome([&] { return LoadBitmap(path); }))
                << path.toStdString();
    }
}

// A result is handed over once: asked again, or for a path the list does not hold, the file is
// read as it is now.
TEST(PicturePrefetch, ReadsOnTheSpotWhatItDidNotReadAhead)
{
    PictureFolder folder;
    folder.WritePicture("face.bmp", Qt::red);
    folder.WritePicture("other.bmp", Qt::green);
    TPicturePrefetch prefetch({folder.Path("face.bmp")});
    EXPECT_EQ(Outcome([&] { return prefetch.Load(folder.Path("face.bmp")); }), QStringLiteral("#ff0000"));
    folder.WritePicture("face.bmp", Qt::blue);
    EXPECT_EQ(Outcome([&] { return prefetch.Load(folder.Path("face.bmp")); }), QStringLiteral("#0000ff"));
    EXPECT_EQ(Outcome([&] { return prefetch.Load(folder.Path("other.bmp")); }), QStringLiteral("#00ff00"));
}
