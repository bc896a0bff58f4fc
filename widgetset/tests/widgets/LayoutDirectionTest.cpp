// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The buttons in Qt layouts: size hints from the content, right-to-left mirroring, and the
// application's palette and font reaching the buttons that kept the toolkit's defaults.
#include "WidgetInput.h"
#include "toolkit/controls/SpeedButton.h"
#include "widgets/ShineSpeedButton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

namespace {

using B = TShineSpeedButton;

// Where an up button shows its red glyph and its caption, read from its pixels: the glyph is
// the bounds of its red; the caption's rectangle is the one whose ink, drawn alone in the
// button's font into a rectangle of the caption's size, lies exactly on the ink shown (an empty
// rectangle when any of that ink is missing, cut by the edge, say).
std::pair<QRect, QRect> Placed(B& button)
{
    const QImage shot = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb face = ToQColor(button.Colors()->Color()).rgb();
    const QRgb red = qRgb(255, 0, 0);
    QRect glyph;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == red)
                glyph |= QRect(x, y, 1, 1);
    if (button.Caption().isEmpty())
        return {glyph, {}};

    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic;
    const QSize extent = QFontMetrics(button.Font()->Face()).size(Qt::TextShowMnemonic, button.Caption());
    const QPoint origin(20, 20);
    QImage reference(extent + QSize(40, 40), QImage::Format_RGB32);
    reference.fill(face);
    {
        QPainter painter(&reference);
        painter.setFont(button.Font()->Face());
        painter.setPen(ToQColor(button.Font()->Color()));
        painter.drawText(QRect(origin, extent), flags, button.Caption());
    }
    // Ink: neither the face nor the glyph; inside the frame's two pixels on the button.
    const auto inkOf = [&](const QImage& image, const QRect& area) {
        QRect bounds;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixel(x, y) != face && image.pixel(x, y) != red)
                    bounds |= QRect(x, y, 1, 1);
        return bounds;
    };
    const QRect inside = shot.rect().adjusted(2, 2, -2, -2);
    const QRect shown = inkOf(shot, inside);
    const QRect drawn = inkOf(reference, reference.rect());
    if (shown.size() != drawn.size())
        return {glyph, {}};
    const QPoint shift = shown.topLeft() - drawn.topLeft();
    for (int y = drawn.top(); y <= drawn.bottom(); ++y)
        for (int x = drawn.left(); x <= drawn.right(); ++x) {
            const bool ink = reference.pixel(x, y) != face;
            const QRgb at = shot.pixel(QPoint(x, y) + shift);
            if (ink != (at != face && at != red))
                return {glyph, {}};
        }
    return {glyph, QRect(origin + shift, extent)};
}

// A solid red square glyph of the given side (its lower left pixel, the toolkit's transparent
// colour, is white).
QPixmap RedGlyph(int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(0, side - 1, qRgb(255, 255, 255));
    return QPixmap::fromImage(image);
}

struct THintCase {
    const char* Name;
    QString Caption;
    int GlyphSide;
    B::TButtonLayout Layout;
    int Margin;
};

class ShineSizeHint : public testing::TestWithParam<THintCase> {};

// In a row that gives every button its size hint, the glyph and the whole caption fit inside
// the frame, and a glyph-only button keeps the toolkit's 25 by 25.
TEST_P(ShineSizeHint, ARowLayoutGivesRoomForTheGlyphAndTheWholeCaption)
{
    const THintCase& c = GetParam();
    QWidget row;
    auto* layout = new QHBoxLayout(&row);
    auto* button = new B;
    button->SetCaption(c.Caption);
    if (c.GlyphSide)
        button->SetGlyphPixmap(RedGlyph(c.GlyphSide));
    button->SetLayout(c.Layout);
    button->SetMargin(c.Margin);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addWidget(button);
    layout->addStretch();
    ShowAwayFromThePointer(row);
    ASSERT_EQ(button->State(), B::sbUp);
    const QRect inside = button->rect().adjusted(2, 2, -2, -2);
    const auto [glyph, text] = Placed(*button);
    if (c.GlyphSide) {
        EXPECT_EQ(glyph.size(), QSize(c.GlyphSide, c.GlyphSide));
        EXPECT_TRUE(inside.contains(glyph)) << glyph.x() << "," << glyph.y() << " in " << button->width() << "x" << button->height();
    }
    if (!c.Caption.isEmpty()) {
        EXPECT_FALSE(text.isEmpty()) << "the whole caption shows";
        EXPECT_TRUE(inside.contains(text)) << text.x() << "," << text.y() << " " << text.width() << "x" << text.height()
                                           << " in " << button->width() << "x" << button->height();
    }
    EXPECT_GE(button->width(), 25);
    EXPECT_GE(button->height(), 25);
    if (c.Caption.isEmpty() && c.GlyphSide <= 16 && c.Margin < 0) {
        EXPECT_EQ(button->size(), QSize(25, 25));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ShineSizeHint,
    testing::Values(THintCase{"GlyphOnly", {}, 16, B::blGlyphLeft, -1},
                    THintCase{"CaptionOnly", QStringLiteral("A rather long caption"), 0, B::blGlyphLeft, -1},
                    THintCase{"GlyphLeftOfCaption", QStringLiteral("&Open the file"), 16, B::blGlyphLeft, -1},
                    THintCase{"GlyphAboveTwoLines", QStringLiteral("Two\nlines"), 32, B::blGlyphTop, -1},
                    THintCase{"GlyphRightWithMargin", QStringLiteral("Save"), 16, B::blGlyphRight, 6},
                    THintCase{"BigGlyphBelow", QStringLiteral("x"), 40, B::blGlyphBottom, 2}),
    [](const testing::TestParamInfo<THintCase>& info) { return std::string(info.param.Name); });

// The columns of the button's picture that hold the glyph's red.
std::pair<int, int> RedColumns(QWidget& button)
{
    const QImage picture = button.grab().toImage();
    int first = -1, last = -1;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = 0; y < picture.height(); ++y)
            if (picture.pixel(x, y) == qRgb(255, 0, 0)) {
                if (first < 0)
                    first = x;
                last = x;
            }
    return {first, last};
}

TEST(ShineRightToLeft, TheGlyphsSideAndItsMarginAreMirrored)
{
    struct {
        B::TButtonLayout Layout;
        Qt::LayoutDirection Direction;
        bool GlyphOnTheRight;
    } const cases[] = {
        {B::blGlyphLeft, Qt::LeftToRight, false},
        {B::blGlyphLeft, Qt::RightToLeft, true},
        {B::blGlyphRight, Qt::LeftToRight, true},
        {B::blGlyphRight, Qt::RightToLeft, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.Layout) << " " << int(c.Direction));
        TShineSpeedButton button;
        button.resize(60, 25);
        button.SetGlyphPixmap(RedGlyph(8));
        button.SetCaption(QStringLiteral("ab"));
        button.SetMargin(3);
        button.SetLayout(c.Layout);
        button.setLayoutDirection(c.Direction);
        const auto [first, last] = RedColumns(button);
        if (c.GlyphOnTheRight)
            EXPECT_EQ(last, 60 - 3 - 1);
        else
            EXPECT_EQ(first, 3);
    }
}

TEST(ToolkitDefaults, TheApplicationPaletteReachesTheButtonsThatKeptTheSystemColours)
{
    const QPalette original = QApplication::palette();
    TShineSpeedButton shine;
    shine.resize(25, 25);
    TSpeedButton speed;
    speed.resize(25, 25);
    TShineSpeedButton painted;
    painted.resize(25, 25);
    painted.Colors()->SetColor(clr::Navy);
    QPalette palette = original;
    palette.setColor(QPalette::Button, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(palette);
    EXPECT_EQ(shine.grab().toImage().pixel(12, 12), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(speed.grab().toImage().pixel(12, 12), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(painted.grab().toImage().pixel(12, 12), qRgb(0, 0, 0x80));
    QApplication::setPalette(original);
}

TEST(ToolkitDefaults, TheApplicationFontReachesTheCaptionFontsThatKeptTheirFace)
{
    const QFont original = QApplication::font();
    QWidget host;
    auto* kept = new TShineSpeedButton(&host);
    kept->SetCaption(QStringLiteral("Caption"));
    auto* chosen = new TShineSpeedButton(&host);
    chosen->Font()->SetSize(14);
    const QString chosenFamily = chosen->Font()->Name();
    const QSize hintBefore = kept->sizeHint();

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSize(20);
    QApplication::setFont(font);
    // Qt posts the font change to the widgets.
    EXPECT_TRUE(QTest::qWaitFor([&] { return kept->Font()->Size() == 20; }));
    EXPECT_EQ(kept->ActiveFont()->Size(), 20);
    EXPECT_EQ(kept->Font()->Name(), QStringLiteral("DejaVu Serif"));
    EXPECT_GT(kept->sizeHint().width(), hintBefore.width());
    EXPECT_EQ(kept->Font()->Color(), clr::BtnText) << "the colour is the font's own";
    EXPECT_EQ(chosen->Font()->Size(), 14);
    EXPECT_EQ(chosen->Font()->Name(), chosenFamily);
    QApplication::setFont(original);
    QCoreApplication::processEvents();
}

} // namespace
