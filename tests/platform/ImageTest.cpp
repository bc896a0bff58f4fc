// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "platform/Image.h"
#include "platform/ImageList.h"
#include "platform/ImageMemory.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

TEST(Image, TransparentPictureLetsTheParentShowThroughItsBottomLeftColour)
{
    QWidget parent;
    parent.resize(20, 20);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(128, 0, 128));
    parent.setPalette(pal);
    TImage image(&parent);
    image.resize(20, 20);
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(QColor(0, 255, 0));            // the key colour, from the bottom-left pixel
    picture.setPixelColor(2, 2, QColor(Qt::blue));
    image.SetPicture(picture);
    image.SetTransparent(true);
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(128, 0, 128));
    image.SetTransparent(false);
    EXPECT_EQ(parent.grab().toImage().pixelColor(5, 5), QColor(0, 255, 0));
}

// Every pixel in the transparent colour lets the parent show, every other pixel is drawn, at
// natural size and stretched: rows with the same runs, rows without any, a row all opaque.
TEST(Image, TransparencyFollowsEveryPixel)
{
    const char* art[] = {
        "GGGGGGGG",
        "GRRGGBBG",
        "GRRGGBBG",
        "GGGGGGGG",
        "RRRRRRRR",
        "GRRGGBBG",
        "GRGRGRGG",   // the bottom-left pixel gives the transparent colour: G
    };
    const int w = 8, h = 7;
    const auto colour = [](char c) { return c == 'R' ? QColor(Qt::red) : c == 'B' ? QColor(Qt::blue) : QColor(Qt::green); };
    QImage picture(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.setPixelColor(x, y, colour(art[y][x]));
    const QColor purple(128, 0, 128);
    for (const int scale : {1, 2}) {
        SCOPED_TRACE(scale == 1 ? "natural size" : "stretched");
        QWidget parent;
        parent.resize(w * scale, h * scale);
        parent.setAutoFillBackground(true);
        QPalette pal = parent.palette();
        pal.setColor(QPalette::Window, purple);
        parent.setPalette(pal);
        TImage image(&parent);
        image.resize(w * scale, h * scale);
        image.SetStretch(scale != 1);
        image.SetTransparent(true);
        image.SetPicture(picture);
        const QImage shot = parent.grab().toImage();
        for (int y = 0; y < h * scale; ++y)
            for (int x = 0; x < w * scale; ++x) {
                const char c = art[y / scale][x / scale];
                EXPECT_EQ(shot.pixelColor(x, y), c == 'G' ? purple : colour(c)) << "at " << x << "," << y;
            }
    }
}

TEST(Image, NaturalSizeIsClippedAndStretchFillsTheControl)
{
    TImage image;
    image.resize(50, 50);
    QImage picture(110, 110, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (int y = 0; y < 110; ++y)
        for (int x = 55; x < 110; ++x)
            picture.setPixelColor(x, y, Qt::blue);
    image.SetPicture(picture);
    EXPECT_EQ(image.grab().toImage().pixelColor(45, 10), QColor(Qt::red)) << "natural size shows the left half";
    image.SetStretch(true);
    EXPECT_EQ(image.grab().toImage().pixelColor(45, 10), QColor(Qt::blue)) << "stretched shows all of it";
}

TEST(Image, ClickIsARelease)
{
    TImage image;
    image.resize(50, 50);
    int clicks = 0;
    QObject::connect(&image, &TImage::Clicked, [&] { ++clicks; });
    QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
}

TEST(ImageList, DrawsOverItsBackgroundColour)
{
    TImageList list(4, 4, 0x800080);
    QImage half(4, 4, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    half.setPixelColor(0, 0, Qt::white);
    list.Add(half);
    QImage canvas(8, 8, QImage::Format_RGB32);
    canvas.fill(Qt::green);
    list.Draw(canvas, 2, 2, 0);
    EXPECT_EQ(canvas.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(5, 5), QColor(128, 0, 128)) << "the masked part shows the background colour";
    EXPECT_EQ(canvas.pixelColor(6, 6), QColor(Qt::green)) << "nothing outside the picture's cell";
    list.Draw(canvas, 0, 0, 1);   // an index it does not hold draws nothing
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::green));
}

// Whether its memory is a mapping of its own (large) or Qt's (small), a new picture is laid
// out as QImage lays out its own and behaves as a value: a copy keeps its pixels when the
// original is drawn on.
TEST(AllocateImage, LaysOutAndSharesAsQImageDoes)
{
    struct Case { QSize size; QImage::Format format; };
    const Case cases[] = {
        {{632, 472}, QImage::Format_RGB32},
        {{633, 471}, QImage::Format_RGB888},   // lines padded to whole 32-bit words
        {{1001, 300}, QImage::Format_Grayscale8},
        {{640, 480}, QImage::Format_ARGB32_Premultiplied},
        {{50, 50}, QImage::Format_RGB32},      // small: Qt's own memory
        {{0, 0}, QImage::Format_RGB32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height() << " format " << c.format);
        QImage image = AllocateImage(c.size, c.format);
        const QImage own(c.size, c.format);
        EXPECT_EQ(image.size(), own.size());
        EXPECT_EQ(image.bytesPerLine(), own.bytesPerLine());
        if (own.isNull()) {
            EXPECT_TRUE(image.isNull());
            continue;
        }
        EXPECT_EQ(image.format(), c.format);
        image.fill(Qt::white);
        const QImage copy = image;
        QPainter(&image).fillRect(image.rect(), Qt::black);
        const QPoint last(c.size.width() - 1, c.size.height() - 1);
        EXPECT_EQ(copy.pixelColor(last), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(last), QColor(Qt::black));
    }
}

// The list holds the picture as it was added, whatever happens to the caller's picture after.
TEST(ImageList, KeepsThePictureAsAdded)
{
    TImageList list(4, 4, 0x800080);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    list.Add(picture);
    picture.fill(Qt::blue);
    EXPECT_EQ(list.At(0).pixelColor(3, 3), QColor(Qt::red));
}
