// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The pictures on a scaled screen: this program runs Qt's offscreen platform at a device pixel
// ratio of 2 (the scale factor is set before the test main makes the application object). A
// double-size picture of stripes one screen pixel wide must reach the screen pixel for pixel:
// drawn through a normal-size step anywhere, it shows stripes two pixels wide.
#include "platform/DrawGrid.h"
#include "platform/Image.h"
#include "platform/ImageList.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

const bool ScaledScreen = qputenv("QT_SCALE_FACTOR", "2");

constexpr int CellW = 12, CellH = 8;
const QColor Key(0, 255, 0);

// A double-size picture for a CellW by CellH room: black and white columns one pixel wide, its
// bottom-left pixel in the key colour (for the transparent drawing).
QImage Stripes()
{
    QImage picture(2 * CellW, 2 * CellH, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixelColor(x, y, x % 2 ? Qt::white : Qt::black);
    picture.setPixelColor(0, picture.height() - 1, Key);
    picture.setDevicePixelRatio(2);
    return picture;
}

// How many neighbouring pairs of screen pixels on row y of shot, from x0 over 2 * CellW - 1
// pairs, differ: all of them when the stripes arrived pixel for pixel, none when doubled.
int Alternations(const QImage& shot, int x0, int y)
{
    int changes = 0;
    for (int x = x0; x < x0 + 2 * CellW - 1; ++x)
        changes += shot.pixelColor(x, y) != shot.pixelColor(x + 1, y);
    return changes;
}

QImage Shot(QWidget& widget)
{
    widget.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&widget));
    return widget.grab().toImage();
}

} // namespace

TEST(ScaledScreen, TheScreenIsScaled)
{
    ASSERT_TRUE(ScaledScreen);
    QWidget window;
    window.resize(10, 10);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.devicePixelRatioF(), 2.0);
}

TEST(ScaledScreen, TheGridKeepsItsCellsPicturesAtScreenPixels)
{
    TImageList list(CellW, CellH, clr::Purple);
    list.Add(Stripes());
    TDrawGrid grid;
    grid.SetLayout(2, 1, CellW, CellH, 1);
    grid.resize(2 * (CellW + 1), CellH + 1);
    grid.OnDrawCell = [&](int, int, QPainter& painter, const QRect& rect) { list.Draw(painter, rect.left(), rect.top(), 0); };
    const QImage shot = Shot(grid);
    ASSERT_EQ(shot.size(), 2 * grid.size());
    EXPECT_EQ(Alternations(shot, 0, 4), 2 * CellW - 1) << "the first cell";
    EXPECT_EQ(Alternations(shot, 2 * (CellW + 1), 4), 2 * CellW - 1) << "the second cell";
}

TEST(ScaledScreen, APictureControlShowsADoubleSizePicturePixelForPixel)
{
    for (bool transparent : {false, true}) {
        SCOPED_TRACE(transparent ? "transparent" : "opaque");
        QWidget parent;
        parent.resize(2 * CellW, 2 * CellH);
        TImage image(&parent);
        image.resize(2 * CellW, 2 * CellH);
        image.SetPicture(Stripes());
        image.SetTransparent(transparent);
        const QImage shot = Shot(parent);
        EXPECT_EQ(Alternations(shot, 0, 4), 2 * CellW - 1);
        EXPECT_EQ(shot.pixelColor(2 * CellW + 2, 4), parent.palette().color(QPalette::Window))
            << "the picture takes the room of a normal one";
    }
}

TEST(ScaledScreen, ADrawingOnAnEmptyPictureControlKeepsScreenPixels)
{
    TImageList faces(CellW, CellH, clr::Purple);
    faces.Add(Stripes());
    TImage image;
    image.resize(CellW, CellH);
    faces.Draw(image.Canvas(), 0, 0, 0);
    EXPECT_EQ(Alternations(Shot(image), 0, 4), 2 * CellW - 1);
}
