// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "WidgetInput.h"
#include "toolkit/graphics/GothicFaces.h"
#include "widgets/ZRKFadeButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace TarvoWidgets;

namespace {

// Runs a shown fade button's own fade timer one tick at a time. Between ticks the button's
// Speed is 0, which holds a running fade where it is. A tick is let through by a Speed of 1 ms
// and caught at the paint that the tick makes at once; the paint sets Speed back to 0 before
// the timer can fire again. A fade that is not running makes no tick before a sentinel timer
// with a later timeout (RunUntil).
class TFadeClock : public QObject {
public:
    explicit TFadeClock(TZRKFadeButton* button)
        : FButton(button)
    {
        button->installEventFilter(this);
    }

    // One tick of the fade; false when the fade was not running.
    bool Step()
    {
        FButton->SetSpeed(0);
        ShowAwayFromThePointer(*FButton);
        // Paints that earlier changes asked for are not ticks.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        FCaught = false;
        FArmed = true;
        FButton->SetSpeed(1);
        RunUntil([this] { return FCaught; }, 50);
        FArmed = false;
        FButton->SetSpeed(0);
        return FCaught;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (FArmed && event->type() == QEvent::Paint) {
            FArmed = false;
            FCaught = true;
            FButton->SetSpeed(0);
        }
        return false;
    }

private:
    TZRKFadeButton* FButton;
    bool FArmed = false;
    bool FCaught = false;
};

struct TShown {
    TColor Fill;
    TColor Outline;
    bool operator==(const TShown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TShown& shown)
{
    return out << QStringLiteral("{fill %1, outline %2}")
                      .arg(shown.Fill, 6, 16, QLatin1Char('0'))
                      .arg(shown.Outline, 6, 16, QLatin1Char('0'))
                      .toStdString();
}

TColor Grey(int level) { return RGBColor(level, level, level); }

class FadeButton : public testing::Test {
protected:
    FadeButton()
    {
        Host.resize(400, 120);
        Button->setObjectName(QStringLiteral("Button1"));
        Button->move(10, 10);
    }

    // The reward page's settings.
    void UseRewardSettings()
    {
        Button->SetWidth(200);
        Button->SetHeight(20);
        Button->setFont(ProportionalGothic(12, true));
        Button->SetFontColor(clr::White);
        Button->SetColor(clr::Maroon);
        Button->SetDestColor(clr::Red);
        Button->SetBorderColor(clr::Silver);
        Button->SetBorderDestColor(clr::White);
        Button->SetCaptionOverColor(clr::Yellow);
        Button->SetStep(2);
        Button->SetSpeed(20);
    }

    // Puts the button at its hover colours at once, as a hover without a fade-in does.
    void HoverWithoutFade()
    {
        const bool fade = Button->FadeOnOver();
        Button->SetFadeOnOver(false);
        Move();
        Button->SetFadeOnOver(fade);
    }

    // A mouse move with no button held, as the window system delivers it.
    void Move(QPoint at = QPoint(5, 5))
    {
        QMouseEvent move(QEvent::MouseMove, at, Button->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Button, &move);
    }

    void Leave()
    {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(Button, &leave);
    }

    // Runs the fade a tick at a time on the button's own timer until the timer stops; returns
    // what each tick left shown.
    std::vector<TShown> Ticks(int limit = 1000)
    {
        std::vector<TShown> shown;
        while (int(shown.size()) < limit && Clock.Step())
            shown.push_back(Shown());
        return shown;
    }

    void Tick(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(Clock.Step()) << "tick " << i + 1 << " of " << count;
    }

    // The fill inside the outline and the outline at the middle of the top edge.
    TShown Shown() const
    {
        const QImage image = Pixels();
        return {At(image, 2, 2), At(image, image.width() / 2, 0)};
    }

    QImage Pixels() const { return Button->grab().toImage(); }

    static TColor At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

    // The bounds of everything that is not the maroon fill.
    static QRect InkOf(const QImage& image)
    {
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (At(image, x, y) != clr::Maroon)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    }

    QWidget Host;
    TZRKFadeButton* Button = new TZRKFadeButton(&Host);
    TFadeClock Clock{Button};
};

TEST_F(FadeButton, PublishesItsPropertiesWithTheConstructorsValues)
{
    const std::pair<const char*, QVariant> expected[] = {
        {"Name", QStringLiteral("Button1")},
        {"Tag", 0},
        {"Width", 150},
        {"Height", 30},
        {"Align", QVariant::fromValue(TControlPlacement::alNone)},
        {"Anchors", QVariant::fromValue(TControlPlacement::TAnchors(TControlPlacement::akLeft | TControlPlacement::akTop))},
        {"FontColor", QVariant::fromValue(clr::White)},
        {"Enabled", true},
        {"Color", QVariant::fromValue(clr::Green)},
        {"FadeOnLeave", true},
        {"Caption", QString()},
        {"Step", 2},
        {"BorderColor", QVariant::fromValue(clr::Silver)},
        {"BorderDestColor", QVariant::fromValue(clr::White)},
        {"DestColor", QVariant::fromValue(clr::Lime)},
        {"ShowBorder", true},
        {"CaptionOverColor", QVariant::fromValue(clr::Lime)},
        {"FadeOnOver", true},
        {"BorderHeight", 1},
        {"Speed", 10},
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(Button->property(name), value) << name;

    EXPECT_EQ(Shown(), (TShown{clr::Green, clr::Silver}));

    // A stored window layout writes through the same names.
    ASSERT_TRUE(Button->setProperty("Color", QVariant::fromValue(clr::Maroon)));
    ASSERT_TRUE(Button->setProperty("Left", 212));
    EXPECT_EQ(Shown().Fill, clr::Maroon);
    EXPECT_EQ(Button->x(), 212);

    EXPECT_FALSE(Clock.Step()) << "no fade runs at rest";
}

TEST_F(FadeButton, PaintsFillOutlineAndCentredCaption)
{
    UseRewardSettings();
    Button->SetCaption(QStringLiteral("もっと!"));
    const QImage image = Pixels();
    ASSERT_EQ(image.size(), QSize(200, 20));

    EXPECT_EQ(At(image, 2, 2), clr::Maroon);
    for (const QPoint edge : {QPoint(0, 0), QPoint(100, 0), QPoint(199, 10), QPoint(100, 19), QPoint(0, 19)})
        EXPECT_EQ(At(image, edge.x(), edge.y()), clr::Silver) << edge.x() << "," << edge.y();
    EXPECT_EQ(At(image, 1, 1), clr::Maroon);

    // The caption's ink sits where its advance box, centred by halves, puts it. The ink's
    // place inside that box comes from drawing the caption at a known origin.
    const QFontMetrics metrics(Button->font());
    const QString caption = Button->Caption();
    QImage reference(300, 100, QImage::Format_RGB32);
    reference.fill(ToQColor(clr::Maroon));
    {
        QPainter painter(&reference);
        painter.setFont(Button->font());
        painter.setPen(Qt::white);
        painter.drawText(50, 50, caption);
    }
    const QPoint origin(200 / 2 - metrics.horizontalAdvance(caption) / 2, 20 / 2 - metrics.height() / 2 + metrics.ascent());
    const QRect ink = InkOf(image.copy(1, 1, 198, 18)).translated(1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(ink, InkOf(reference).translated(origin - QPoint(50, 50)));
    // The caption is drawn in the font colour.
    int white = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            white += At(image, x, y) == clr::White;
    EXPECT_GT(white, 10);
}

TEST_F(FadeButton, OutlineFollowsShowBorderAndBorderHeight)
{
    UseRewardSettings();
    Button->SetShowBorder(false);
    QImage image = Pixels();
    for (const QPoint p : {QPoint(0, 0), QPoint(199, 19), QPoint(100, 19), QPoint(199, 10)})
        EXPECT_EQ(At(image, p.x(), p.y()), clr::Maroon) << "no outline, filled to the edge at " << p.x() << "," << p.y();

    // A wider pen is centred on the outermost pixels, so half of it falls outside.
    Button->SetShowBorder(true);
    Button->SetBorderHeight(3);
    image = Pixels();
    for (int inset : {0, 1})
        EXPECT_EQ(At(image, 100, inset), clr::Silver) << inset;
    EXPECT_EQ(At(image, 100, 2), clr::Maroon);
    EXPECT_EQ(At(image, 198, 10), clr::Silver);
    EXPECT_EQ(At(image, 197, 10), clr::Maroon);
}

TEST_F(FadeButton, CaptionLargerThanTheButtonIsCentredAndCut)
{
    // The same caption in a large and a small button: the small one shows exactly the middle
    // of the large one, so the negative offsets follow the same rule and the edges cut it.
    const QString caption = QStringLiteral("ずっと長い見出しの文字列");
    const auto render = [&](QSize size) {
        TZRKFadeButton button(&Host);
        button.resize(size);
        button.setFont(ProportionalGothic(16));
        button.SetShowBorder(false);
        button.SetCaption(caption);
        return button.grab().toImage();
    };
    const QImage large = render(QSize(400, 60));
    const QImage small = render(QSize(40, 10));
    EXPECT_EQ(small, large.copy(400 / 2 - 40 / 2, 60 / 2 - 10 / 2, 40, 10));
    EXPECT_NE(small.pixelColor(0, 5), small.pixelColor(39, 0)) << "caption is missing from the small button";
}

TEST_F(FadeButton, RewardPageFadesInAndOutIn64Ticks)
{
    UseRewardSettings();
    Move();

    std::vector<TShown> fadeIn;
    for (int tick = 1; tick <= 64; ++tick)
        fadeIn.push_back({RGBColor(std::min(128 + 2 * tick, 255), 0, 0), Grey(std::min(192 + 2 * tick, 255))});
    EXPECT_EQ(Ticks(), fadeIn);
    EXPECT_EQ(At(Pixels(), 2, 2), clr::Red);
    EXPECT_EQ(At(Pixels(), 100, 0), clr::White);

    Leave();
    std::vector<TShown> fadeOut;
    for (int tick = 1; tick <= 64; ++tick)
        fadeOut.push_back({RGBColor(std::max(255 - 2 * tick, 128), 0, 0), Grey(std::max(255 - 2 * tick, 192))});
    EXPECT_EQ(Ticks(), fadeOut);
    EXPECT_EQ(At(Pixels(), 2, 2), clr::Maroon);
}

// Fades that end at their first tick without a change of colour.
TEST_F(FadeButton, FadesWithNothingToDoEndAtTheirFirstTick)
{
    struct Case {
        const char* name;
        TColor color, dest;
        int step;
        bool fromHover;
    };
    const Case cases[] = {
        {"Color equal to DestColor, fade-in", clr::Maroon, clr::Maroon, 2, false},
        {"Color equal to DestColor, fade-out", clr::Maroon, clr::Maroon, 2, true},
        {"Step 0 at rest", clr::Maroon, clr::Red, 0, false},
        {"Step 0 at the hover colours", clr::Maroon, clr::Red, 0, true},
    };
    for (const Case& c : cases) {
        Button->SetColor(c.color);
        Button->SetDestColor(c.dest);
        Button->SetStep(c.step);
        // SetColor has put the fill at rest.
        if (c.fromHover)
            HoverWithoutFade();
        ASSERT_FALSE(Clock.Step()) << c.name << ": no fade before";
        const TShown before = Shown();
        if (c.fromHover)
            Leave();
        else
            Move();
        const std::vector<TShown> ticks = Ticks();
        ASSERT_EQ(ticks.size(), 1u) << c.name;
        EXPECT_EQ(ticks[0].Fill, before.Fill) << c.name;
    }
}

// Any pair of colours fades soundly: each channel moves by Step a tick towards its own target
// inside its own range, the fade-out ends exactly at the rest colours (a system colour too, as
// the stored reference), and the timer stops at each end.
TEST_F(FadeButton, EveryPairOfColoursFadesChannelByChannelAndEndsAtTheRestColours)
{
    struct Case {
        const char* name;
        TColor color, dest;
        size_t ticks; // of the fade-in, the longest channel's range over Step
    };
    const Case cases[] = {
        {"red to lime", clr::Red, clr::Lime, 128},
        {"maroon to the default lime", clr::Maroon, clr::Lime, 128},
        {"the button face to lime", clr::BtnFace, clr::Lime, 0},
    };
    for (const Case& c : cases) {
        Button->SetColor(c.color);
        Button->SetDestColor(c.dest);
        Button->SetBorderColor(clr::White);
        Button->SetBorderDestColor(clr::Gray);
        Move();
        std::vector<TShown> ticks = Ticks();
        ASSERT_LT(ticks.size(), 1000u) << c.name << ": the fade-in ends";
        if (c.ticks) {
            EXPECT_EQ(ticks.size(), c.ticks) << c.name;
        }
        TColor previous = ColorToRGB(c.color);
        for (const TShown& shown : ticks) {
            for (TColor (*channel)(TColor) : {+[](TColor v) { return TColor(RedOf(v)); },
                                               +[](TColor v) { return TColor(GreenOf(v)); },
                                               +[](TColor v) { return TColor(BlueOf(v)); }})
                EXPECT_LE(std::abs(channel(ColorToRGB(shown.Fill)) - channel(previous)), 2) << c.name;
            previous = ColorToRGB(shown.Fill);
        }
        EXPECT_EQ(ticks.back().Fill, c.dest) << c.name;
        EXPECT_EQ(ticks.back().Outline, clr::Gray) << c.name << ": the outline falls from white to grey";

        Leave();
        ticks = Ticks();
        ASSERT_LT(ticks.size(), 1000u) << c.name << ": the fade-out ends";
        EXPECT_EQ(ticks.back(), (TShown{ColorToRGB(c.color), clr::White})) << c.name << ": back exactly at rest";
        // The rest colour shown is the stored colour itself: a system colour follows the palette.
        const QPalette saved = QApplication::palette();
        QPalette changed = saved;
        changed.setColor(QPalette::Button, QColor(12, 200, 34));
        QApplication::setPalette(changed);
        const TColor expected = c.color == clr::BtnFace ? RGBColor(12, 200, 34) : c.color;
        EXPECT_EQ(Shown().Fill, expected) << c.name << ": the palette's colour at rest";
        QApplication::setPalette(saved);
    }
}

// The toolkit's arithmetic, where it is sound (every channel of the hover colour at least the
// rest colour's): all three channels + delta, each held inside its range; the fill ends the
// fade at either end.
struct TReferenceFade {
    TColor Fill, Outline;
    bool Running = true;

    static int Held(int value, int from, int to) { return std::min(std::max(value, from), to); }
    static TColor Step(TColor shown, TColor from, TColor to, int delta)
    {
        return RGBColor(Held(RedOf(shown) + delta, RedOf(from), RedOf(to)),
                        Held(GreenOf(shown) + delta, GreenOf(from), GreenOf(to)),
                        Held(BlueOf(shown) + delta, BlueOf(from), BlueOf(to)));
    }
    void Tick(TColor color, TColor dest, TColor border, TColor borderDest, int delta)
    {
        Fill = Step(Fill, color, dest, delta);
        Outline = Step(Outline, border, borderDest, delta);
        Running = !(Fill <= color || Fill >= dest);
    }
};

TEST_F(FadeButton, WhereTheToolkitsArithmeticIsSoundEveryFrameIsAsItWas)
{
    struct Case {
        const char* name;
        TColor color, dest, border, borderDest;
        int step;
        int leaveAfter; // ticks of fade-in before the leave; 0 for a whole fade-in
    };
    const Case cases[] = {
        {"the reward page's button", clr::Maroon, clr::Red, clr::Silver, clr::White, 2, 0},
        {"the defaults", clr::Green, clr::Lime, clr::Silver, clr::White, 2, 0},
        {"a grey ramp, Step 3, outline longer than the fill", Grey(40), Grey(100), Grey(0), Grey(255), 3, 0},
        {"three channels of different ranges, Step 5", 0x102030, 0x405060 + 0x0F, 0x000000, 0x0A0B0C, 5, 0},
        {"a fade-in left half way", clr::Maroon, clr::Red, clr::Silver, clr::White, 2, 7},
    };
    for (const Case& c : cases) {
        Button->SetColor(c.color);
        Button->SetDestColor(c.dest);
        Button->SetBorderColor(c.border);
        Button->SetBorderDestColor(c.borderDest);
        Button->SetStep(c.step);
        TReferenceFade model{c.color, c.border};
        int frame = 0;
        for (int delta : {c.step, -c.step}) {
            if (delta > 0)
                Move();
            else
                Leave();
            model.Running = true;
            while (model.Running && frame < 2000) {
                if (delta > 0 && c.leaveAfter && frame == c.leaveAfter)
                    break;
                ASSERT_TRUE(Clock.Step()) << c.name << ", frame " << frame + 1 << ": the fade still runs";
                model.Tick(c.color, c.dest, c.border, c.borderDest, delta);
                ++frame;
                ASSERT_EQ(Shown(), (TShown{model.Fill, model.Outline})) << c.name << ", frame " << frame;
            }
        }
        EXPECT_FALSE(Clock.Step()) << c.name << ": the fade stopped where the toolkit's stops";
    }
}

TEST_F(FadeButton, HoverFadesInAndGivesTheCaptionItsHoverColour)
{
    UseRewardSettings();
    QSignalSpy moves(Button, &TZRKFadeButton::onMouseMove);
    Move(QPoint(7, 3));
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves[0][0].value<QObject*>(), Button);
    EXPECT_EQ(moves[0][3].toInt(), 7);
    EXPECT_EQ(moves[0][4].toInt(), 3);
    EXPECT_EQ(Button->FontColor(), clr::Yellow);

    Tick(10);
    const QImage image = Pixels();
    EXPECT_EQ(At(image, 2, 2), RGBColor(148, 0, 0));
    EXPECT_EQ(At(image, 100, 0), Grey(212));

    // The leave gives the caption back the colour that the hover saved.
    Leave();
    EXPECT_EQ(Button->FontColor(), clr::White);
}

TEST_F(FadeButton, LeaveDuringAFadeInReversesItFromTheColourReached)
{
    UseRewardSettings();
    Move();
    Tick(10);
    Leave();
    EXPECT_EQ(Button->FontColor(), clr::White);
    const std::vector<TShown> ticks = Ticks();
    ASSERT_EQ(ticks.size(), 10u);
    EXPECT_EQ(ticks.front(), (TShown{RGBColor(146, 0, 0), Grey(210)}));
    EXPECT_EQ(ticks.back(), (TShown{clr::Maroon, clr::Silver}));
}

TEST_F(FadeButton, MoveDuringAFadeOutDoesNotReverseIt)
{
    UseRewardSettings();
    Move();
    Ticks();
    Leave();
    Tick(5);
    Move();
    EXPECT_EQ(Button->FontColor(), clr::Yellow) << "the caption takes its hover colour again";
    const std::vector<TShown> fadeOut = Ticks();
    ASSERT_EQ(fadeOut.size(), 59u) << "the fade-out runs on from 5 ticks down";
    EXPECT_EQ(fadeOut.front().Fill, RGBColor(243, 0, 0));
    EXPECT_EQ(fadeOut.back().Fill, clr::Maroon);

    // Only a move after the fade-out has ended starts a new fade-in.
    Move();
    ASSERT_TRUE(Clock.Step());
    EXPECT_EQ(Shown(), (TShown{RGBColor(130, 0, 0), Grey(194)}));
}

TEST_F(FadeButton, MoveWhileHoveredPaintsOnceAndStops)
{
    UseRewardSettings();
    Move();
    Ticks();
    Move();
    EXPECT_EQ(Ticks(), std::vector<TShown>({{clr::Red, clr::White}}));
}

TEST_F(FadeButton, WithoutFadesTheColoursSwitchAtOnce)
{
    UseRewardSettings();
    Button->SetFadeOnOver(false);
    Button->SetFadeOnLeave(false);
    Move();
    EXPECT_FALSE(Clock.Step()) << "no fade-in";
    QImage image = Pixels();
    EXPECT_EQ(At(image, 2, 2), clr::Red);
    EXPECT_EQ(At(image, 100, 0), clr::White);
    EXPECT_EQ(Button->FontColor(), clr::Yellow);

    // Every move sets the hover colours again, and keeps the caption colour saved by the first.
    // (SetColor puts the fill shown back at rest.)
    Button->SetColor(clr::Maroon);
    ASSERT_EQ(Shown().Fill, clr::Maroon);
    Move();
    EXPECT_EQ(Shown().Fill, clr::Red);

    Leave();
    EXPECT_FALSE(Clock.Step()) << "no fade-out";
    image = Pixels();
    EXPECT_EQ(At(image, 2, 2), clr::Maroon);
    EXPECT_EQ(At(image, 100, 0), clr::Silver);
    EXPECT_EQ(Button->FontColor(), clr::White);
}

TEST_F(FadeButton, LeaveWithoutFadeStopsARunningFadeIn)
{
    UseRewardSettings();
    Button->SetFadeOnLeave(false);
    Move();
    Tick(10);
    Leave();
    EXPECT_FALSE(Clock.Step()) << "the fade-in was stopped";
    EXPECT_EQ(Shown(), (TShown{clr::Maroon, clr::Silver}));
}

TEST_F(FadeButton, MoveWithoutFadeDuringAFadeOutRestartsItFromTheHoverColours)
{
    UseRewardSettings();
    Button->SetFadeOnOver(false);
    Move();
    Leave();
    Tick(3);
    Move();
    EXPECT_EQ(Shown(), (TShown{clr::Red, clr::White}));
    Tick(1);
    EXPECT_EQ(Shown(), (TShown{RGBColor(253, 0, 0), Grey(253)}));
}

TEST_F(FadeButton, LeaveBeforeAnyHoverKeepsTheCaptionColour)
{
    UseRewardSettings();
    Button->SetFontColor(clr::Silver);
    QSignalSpy leaves(Button, &TZRKFadeButton::onMouseLeave);
    Leave();
    EXPECT_EQ(Button->FontColor(), clr::Silver);
    ASSERT_EQ(leaves.count(), 1);
    EXPECT_EQ(leaves[0][0].value<QObject*>(), Button);

    Button->SetFadeOnLeave(false);
    Leave();
    EXPECT_EQ(Button->FontColor(), clr::Silver);
}

TEST_F(FadeButton, SpeedZeroNeverStepsButTheCaptionStillChanges)
{
    UseRewardSettings();
    Button->SetSpeed(0);
    Host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
    Move();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(Shown(), (TShown{clr::Maroon, clr::Silver}));
    EXPECT_EQ(Button->FontColor(), clr::Yellow);
    Leave();
    EXPECT_EQ(Button->FontColor(), clr::White);

    // The fade counts as running: giving it an interval lets the waiting fade (now a fade-out
    // at the rest colours) take its one step and finish.
    EXPECT_TRUE(Clock.Step());
    EXPECT_FALSE(Clock.Step());
    EXPECT_EQ(Shown(), (TShown{clr::Maroon, clr::Silver}));
}

TEST_F(FadeButton, ItsOwnTimerRunsTheFade)
{
    UseRewardSettings();
    Button->SetSpeed(1);
    Host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
    Move();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Shown() == (TShown{clr::Red, clr::White}); }, 5000));
    EXPECT_FALSE(Clock.Step()) << "the timer stopped at the end of the fade";
}

// The setters that paint and every fade step ask Qt for a paint, as Qt's own widgets do: none
// is made before the event loop runs, all asked for until then make one, and the screen then
// shows the button as the stored values draw it. A widget of the same window painted at once
// takes the asked-for paint along (the reward page's picture is, on every frame of its fade).
TEST_F(FadeButton, SettersThatPaintAskQtForOnePaint)
{
    UseRewardSettings();
    auto* other = new TZRKFadeButton(&Host);
    other->move(250, 10);
    Host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
    Move();
    Tick(5);
    TPaintCounter counter(Button);
    other->repaint();
    int paints = counter.Paints;

    // SetColor with the value it has resets the fill shown.
    Button->SetColor(Button->Color());
    Button->SetCaption(QStringLiteral("次へ"));
    Button->SetShowBorder(false);
    Button->SetBorderHeight(3);
    EXPECT_EQ(counter.Paints, paints) << "painted before the event loop ran";
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.Paints > paints; }, 5000));
    EXPECT_EQ(counter.Paints, paints + 1) << "the paints asked for were not merged into one";
    const QImage screen = Host.screen()->grabWindow(Host.winId(), 10, 10, Button->width(), Button->height()).toImage();
    const QImage drawn = Pixels();
    EXPECT_EQ(screen.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(At(drawn, 5, 5), clr::Maroon);

    // SetBorderColor with the value it has does nothing, not even reset the outline.
    Button->SetShowBorder(true);
    QCoreApplication::processEvents();
    paints = counter.Paints;
    Button->SetBorderColor(Button->BorderColor());
    other->repaint();
    EXPECT_EQ(counter.Paints, paints);
    EXPECT_EQ(Shown().Outline, Grey(202));

    // A fade step asks for a paint too; the clock catches the tick at that paint.
    paints = counter.Paints;
    EXPECT_TRUE(Clock.Step());
    EXPECT_EQ(counter.Paints, paints + 1);
}

TEST_F(FadeButton, AButtonWithoutAParentStoresItsValuesAndShowsThemOnceItHasOne)
{
    // Every widget is made without a parent before it goes into a layout.
    auto* lonely = new TZRKFadeButton;
    EXPECT_NO_THROW({
        lonely->SetColor(clr::Maroon);
        lonely->SetBorderHeight(3);
        lonely->SetBorderColor(clr::White);
        lonely->SetCaption(QStringLiteral("もっと!"));
        lonely->SetShowBorder(false);
    });
    EXPECT_EQ(lonely->Color(), clr::Maroon);
    EXPECT_EQ(lonely->BorderColor(), clr::White);
    EXPECT_EQ(lonely->Caption(), QStringLiteral("もっと!"));
    EXPECT_FALSE(lonely->ShowBorder());

    lonely->setParent(&Host);
    lonely->move(10, 10);
    const QImage shown = lonely->grab().toImage();
    EXPECT_EQ(At(shown, 0, 0), clr::Maroon) << "the fill, no outline";
}

TEST_F(FadeButton, ClickIsRaisedOnAReleaseOverTheButton)
{
    Host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
    const QPoint inside(20, 15), outside(400, 15);
    struct Case {
        const char* name;
        std::function<void()> input;
        int clicks;
        int downs = 1; // and as many ups
    };
    const Case cases[] = {
        {"left click", [&] { QTest::mouseClick(Button, Qt::LeftButton, {}, inside); }, 1},
        {"released outside",
         [&] {
             QTest::mousePress(Button, Qt::LeftButton, {}, inside);
             QTest::mouseRelease(Button, Qt::LeftButton, {}, outside);
         },
         0},
        {"right click", [&] { QTest::mouseClick(Button, Qt::RightButton, {}, inside); }, 0},
        // The second press of a double click is the toolkit's double click, not a click. Qt
        // delivers a double click as press, release, double click, release.
        {"double click",
         [&] {
             QTest::mouseClick(Button, Qt::LeftButton, {}, inside);
             QMouseEvent twice(QEvent::MouseButtonDblClick, inside, Button->mapToGlobal(inside), Qt::LeftButton,
                               Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(Button, &twice);
             QTest::mouseRelease(Button, Qt::LeftButton, {}, inside);
         },
         1, 2},
    };
    for (const Case& c : cases) {
        QSignalSpy clicks(Button, &TZRKFadeButton::OnClick);
        QSignalSpy downs(Button, &TZRKFadeButton::onMouseDown);
        QSignalSpy ups(Button, &TZRKFadeButton::onMouseUp);
        c.input();
        EXPECT_EQ(clicks.count(), c.clicks) << c.name;
        if (!clicks.isEmpty()) {
            EXPECT_EQ(clicks[0][0].value<QObject*>(), Button) << c.name;
        }
        EXPECT_EQ(downs.count(), c.downs) << c.name;
        EXPECT_EQ(ups.count(), c.downs) << c.name;
    }
}

TEST_F(FadeButton, TakesASizeInALayoutFromItsCaption)
{
    EXPECT_EQ(Button->sizeHint(), QSize(150, 30)) << "no caption: the toolkit's size";
    const QSize empty = Button->minimumSizeHint();
    EXPECT_GT(empty.width(), 0);
    EXPECT_GT(empty.height(), 0);

    Button->setFont(ProportionalGothic(16));
    Button->SetCaption(QStringLiteral("とても長い見出しの付いたボタンです"));
    const int text = QFontMetrics(Button->font()).horizontalAdvance(Button->Caption());
    EXPECT_GT(Button->minimumSizeHint().width(), text);
    EXPECT_GT(Button->sizeHint().width(), Button->minimumSizeHint().width());
    EXPECT_GE(Button->sizeHint().height(), 30);

    // A wider outline needs more room.
    const QSize thin = Button->minimumSizeHint();
    Button->SetBorderHeight(5);
    EXPECT_EQ(Button->minimumSizeHint() - thin, QSize(4, 4));
}

// Needs a screen of device pixel ratio 2: run on its own with QT_SCALE_FACTOR=2 (the test
// fade_button_dense_screen); skipped on a screen of ratio 1.
TEST_F(FadeButton, ComposesAtDevicePixelsOnADenseScreen)
{
    if (Button->devicePixelRatioF() != 2.0)
        GTEST_SKIP() << "the screen's device pixel ratio is " << Button->devicePixelRatioF() << ", not 2";
    UseRewardSettings();
    Button->SetCaption(QStringLiteral("もっと!"));
    const QImage frame = Pixels();
    ASSERT_EQ(frame.size(), QSize(400, 40)) << "shown at device pixels";
    EXPECT_EQ(frame.devicePixelRatio(), 2.0);
    // A one-pixel outline is two whole device pixels: no blend with the fill at its edge.
    for (int y : {0, 1, 38, 39})
        EXPECT_EQ(At(frame, 100, y), clr::Silver) << y;
    for (int y : {2, 37})
        EXPECT_EQ(At(frame, 100, y), clr::Maroon) << y;
    EXPECT_EQ(At(frame, 398, 20), clr::Silver);
    EXPECT_EQ(At(frame, 397, 20), clr::Maroon);

    // Composed at device pixels, not scaled up: a frame made at half the pixels and scaled up
    // would show the caption as blocks of two by two device pixels of one colour.
    int finer = 0;
    for (int y = 2; y + 1 < 38; y += 2)
        for (int x = 2; x + 1 < 398; x += 2) {
            const QRgb corner = frame.pixel(x, y);
            finer += frame.pixel(x + 1, y) != corner || frame.pixel(x, y + 1) != corner
                     || frame.pixel(x + 1, y + 1) != corner;
        }
    EXPECT_GT(finer, 10) << "the caption was scaled up";
}

TEST_F(FadeButton, PaintsSystemColoursAsThePaletteHasThemAndFollowsAPaletteChange)
{
    Host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Host));
    const QPalette saved = QApplication::palette();
    Button->SetShowBorder(false);
    Button->SetColor(clr::BtnFace);
    EXPECT_EQ(Button->Color(), clr::BtnFace) << "stored as the reference";
    EXPECT_EQ(Pixels().pixelColor(3, 3), saved.color(QPalette::Active, QPalette::Button));

    // A button shown as a window of its own, with a palette of its own: only the notification
    // itself (the application palette change) can tell it that the desktop's colours changed.
    TZRKFadeButton window;
    TPaintCounter counter(&window);
    window.setPalette(QPalette(Qt::darkCyan));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.SetShowBorder(false);
    window.SetColor(clr::BtnFace);
    QCoreApplication::processEvents();
    const int paints = counter.Paints;
    QPalette changed = saved;
    changed.setColor(QPalette::Button, QColor(12, 200, 34));
    QApplication::setPalette(changed);
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter.Paints > paints; }, 2000));
    EXPECT_EQ(window.grab().toImage().pixelColor(3, 3), QColor(12, 200, 34));
    QApplication::setPalette(saved);

    // The fade steps from the colour shown, the palette's, not from the reference's own bytes
    // (0x0F, 0, 0): each channel by Step towards lime's.
    Button->SetDestColor(clr::Lime);
    Move();
    Tick(1);
    const QColor face = saved.color(QPalette::Active, QPalette::Button);
    EXPECT_EQ(Shown().Fill, RGBColor(face.red() - 2, face.green() + 2, face.blue() - 2));
}

} // namespace
