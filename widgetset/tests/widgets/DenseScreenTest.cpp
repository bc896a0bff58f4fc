// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The shine button on a dense screen: this program runs Qt's offscreen platform with two screens
// at device pixel ratios of 2 and 1.5 (set before the test main makes the application object). A glyph made for
// it (Qt's own icons give 32 by 32 pixels at ratio 2 for pixmap(16, 16)) takes 16 by 16 in the
// layout, as a QToolButton lays it out, and every state glyph is drawn at the glyph's ratio.
#include "widgets/ShineSpeedButton.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <QTest>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

// Two screens, at 192 and at 144 dots per inch: ratios of 2 and, for a window to move to, 1.5.
const bool DenseScreen = qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TARVO_TWO_SCREENS);

// A solid red glyph of side pixels at ratio 2, its bottom-left pixel white (the key colour).
QPixmap RedGlyph(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(0, side - 1, qRgb(255, 255, 255));
    image.setDevicePixelRatio(2);
    return QPixmap::fromImage(image);
}

// The smallest rectangle of screen pixels of shot inside area for which keep holds.
template <typename TKeep> QRect Bounds(const QImage& shot, const QRect& area, TKeep keep)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (keep(shot.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

class DenseScreen : public testing::Test {
protected:
    DenseScreen() { Host.resize(200, 60); }

    TShineSpeedButton* Button(QSize size, const QPixmap& glyph, const QString& caption)
    {
        auto* button = new TShineSpeedButton(&Host);
        button->setGeometry(QRect(QPoint(10, 10), size));
        button->SetGlyphPixmap(glyph);
        button->SetCaption(caption);
        Host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Host));
        return button;
    }
    // The button as the screen shows it, at screen pixels.
    static QImage Shot(TShineSpeedButton* button) { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QWidget Host;
};

} // namespace

TEST_F(DenseScreen, QtsOwnIconsGiveAPictureOfTwiceTheSizeAtRatioTwo)
{
    ASSERT_EQ(Host.devicePixelRatioF(), 2.0);
    const QPixmap icon = Host.style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(16, 16);
    EXPECT_GT(icon.height(), 16);
    EXPECT_EQ(icon.devicePixelRatio(), 2.0);
    // The size hint makes room for 16 by 16 of glyph, not 32 by 32: a glyph-only button keeps
    // the toolkit's 25 by 25, as the same glyph at ratio 1 gives.
    auto* button = Button(QSize(25, 25), icon, QString());
    EXPECT_EQ(button->sizeHint(), QSize(25, 25));
}

TEST_F(DenseScreen, TheGlyphTakesItsSizeInLayoutUnitsAndReachesTheScreenPixelForPixel)
{
    auto* button = Button(QSize(25, 25), RedGlyph(32), QString());
    const QImage shot = Shot(button);
    ASSERT_EQ(shot.size(), QSize(50, 50));
    const auto red = [](const QColor& c) { return c == QColor(Qt::red); };
    // Centred as a 16 by 16 glyph: from (4, 4), i.e. screen pixel (8, 8), 32 screen pixels wide.
    EXPECT_EQ(Bounds(shot, shot.rect(), red), QRect(8, 8, 32, 32));
    // Held down it moves one layout unit, two screen pixels.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(Bounds(Shot(button), shot.rect(), red), QRect(10, 10, 32, 32));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(12, 12));
}

TEST_F(DenseScreen, TheCaptionFollowsTheGlyphsLayoutSize)
{
    const QString caption = QStringLiteral("Go");
    auto* button = Button(QSize(100, 30), RedGlyph(32), caption);
    const int captionWidth = QFontMetrics(button->Font()->Face()).size(Qt::TextShowMnemonic, caption).width();
    // blGlyphLeft, Margin -1, Spacing 4: a block of 16 + 4 + the caption, centred.
    const int glyphLeft = (100 - (16 + 4 + captionWidth)) / 2;
    const QImage shot = Shot(button);
    const auto red = [](const QColor& c) { return c == QColor(Qt::red); };
    EXPECT_EQ(Bounds(shot, shot.rect(), red), QRect(2 * glyphLeft, 2 * 7, 32, 32));
    // The caption's ink starts just right of the glyph and its spacing, in the button's middle.
    const QRect inside(2 * (glyphLeft + 16), 4, 200 - 2 * (glyphLeft + 16) - 4, 52);
    const QColor face = shot.pixelColor(5, 5);
    const QRect ink = Bounds(shot, inside, [&](const QColor& c) { return c != face && !red(c); });
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left() / 2.0, glyphLeft + 16 + 4, 2.0);
}

TEST_F(DenseScreen, TheDisabledEmbossIsDrawnAtTheGlyphsRatio)
{
    // A red square inset by 4 pixels on the white key colour: its edges are embossed.
    QImage square(32, 32, QImage::Format_RGB32);
    square.fill(Qt::white);
    for (int y = 4; y < 28; ++y)
        for (int x = 4; x < 28; ++x)
            square.setPixel(x, y, qRgb(255, 0, 0));
    square.setDevicePixelRatio(2);
    auto* button = Button(QSize(25, 25), QPixmap::fromImage(square), QString());
    button->setEnabled(false);
    const QImage shot = Shot(button);
    const QColor face = shot.pixelColor(5, 5);
    // Inside the frame: the glyph's edges, embossed at (4, 4) and (5, 5), within 17 by 17.
    const QRect emboss = Bounds(shot, QRect(4, 4, 42, 42), [&](const QColor& c) { return c != face; });
    ASSERT_FALSE(emboss.isEmpty());
    EXPECT_TRUE(QRect(8, 8, 34, 34).contains(emboss)) << emboss.x() << "," << emboss.y() << " "
                                                      << emboss.width() << "x" << emboss.height();
    EXPECT_GE(emboss.width(), 24);
}

// A window moved to a screen of another density: the button's gradient is drawn anew at the
// new ratio, as that of a button that was only ever on that screen.
TEST_F(DenseScreen, TheGradientIsDrawnAnewOnAScreenOfAnotherRatio)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    ASSERT_NE(screens[0]->devicePixelRatio(), screens[1]->devicePixelRatio());
    // The pointer away from both windows, so that neither button shows the hover's look.
    QCursor::setPos(screens[0]->geometry().bottomRight() - QPoint(10, 10));
    const auto show = [](QWidget& host, QScreen* screen) {
        auto* button = new TShineSpeedButton(&host);
        button->resize(100, 30);
        button->SetUpFrame(false);
        button->Colors()->SetColor(clr::Black);
        button->Colors()->SetGradColor(clr::White);
        button->Colors()->SetGradation(true);
        host.resize(100, 30);
        host.move(screen->geometry().topLeft());
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
        return button;
    };
    QWidget moved, there;
    TShineSpeedButton* button = show(moved, screens[0]);
    Shot(button);
    moved.windowHandle()->setScreen(screens[1]);
    moved.move(screens[1]->geometry().topLeft());
    ASSERT_TRUE(QTest::qWaitFor([&] { return button->devicePixelRatioF() == screens[1]->devicePixelRatio(); }));
    const QImage shot = Shot(button);
    EXPECT_EQ(shot.size(), QSize(100, 30) * screens[1]->devicePixelRatio());
    const QImage fresh = Shot(show(there, screens[1]));
    ASSERT_EQ(shot.size(), fresh.size());
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            ASSERT_EQ(shot.pixel(x, y), fresh.pixel(x, y)) << x << "," << y;
}
