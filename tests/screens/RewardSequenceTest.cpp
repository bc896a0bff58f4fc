// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "screens/RewardSequence.h"

#include "FakeServices.h"
#include "platform/Image.h"
#include "toolkit/base/ToolkitError.h"
#include "widgets/ZRKFadeButton.h"

#include <QDir>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace TarvoWidgets;

// Colours, texts and sizes print as what they are when a comparison fails.
void PrintTo(const QColor& colour, std::ostream* out)
{
    *out << "rgb(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}
void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << " by " << size.height();
}

namespace {

using TPage = TRewardSequence::TPage;

// Image2 as the test sees it: every paint of a picture is logged in the services' log, in order
// with the sounds and messages, and the colour of its top-left pixel kept. Nothing runs the
// event loop during a step, so such a paint there is a frame forced by the fade. (Button1
// draws at once too, which also flushes the pending repaint of an emptied Image2; a paint of
// no picture shows the black panel and is no frame.)
class TFrameRecorder : public TImage {
public:
    TFrameRecorder(QWidget* parent, TFakeServices& services)
        : TImage(parent)
        , FServices(services)
    {
    }
    QList<QColor> Frames;
    QList<std::int64_t> Times;   // the services' clock at each frame

protected:
    void paintEvent(QPaintEvent* event) override
    {
        if (!Picture().isNull()) {
            FServices.Log << QStringLiteral("frame");
            Frames << Picture().pixelColor(0, 0);
            Times << FServices.Clock;
        }
        TImage::paintEvent(event);
    }

private:
    TFakeServices& FServices;
};

// A colour after the fade's amount is subtracted from each channel, with nothing below 0.
QColor Faded(QColor colour, int amount)
{
    const auto channel = [amount](int value) { return std::max(value - amount, 0); };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()));
}

const QColor ColourA(3, 100, 255);
const QColor ColourB(255, 6, 60);
const QColor ColourC(120, 251, 5);
const QColor Other(40, 40, 200);

// The picture page of the main window: a black panel holding Image2 (600 by 400), the
// invisible Image3 and Button1, over an application folder whose data folder the test fills.
// The test runs in an empty current folder, so the sounds come from the application folder.
class RewardSequenceTest : public testing::Test {
protected:
    RewardSequenceTest()
        : Panel1()
        , Image2(&Panel1, Services)
        , Image3(&Panel1)
        , Button1(&Panel1)
        , Sequence(Services, Image2, Image3, Button1, [this](TPage page) { Pages << page; }, [this] { return Game; })
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(AppDir.isValid() && Current.isValid());
        ASSERT_TRUE(QDir(AppDir.path()).mkdir(QStringLiteral("data")));
        FPreviousCurrent = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(Current.path()));
        Game.AppDir = AppDir.path();

        Panel1.setAutoFillBackground(true);
        QPalette black = Panel1.palette();
        black.setColor(QPalette::Window, Qt::black);
        Panel1.setPalette(black);
        Panel1.resize(624, 464);
        Image2.setGeometry(12, 12, 600, 400);
        Image3.setGeometry(548, 4, 85, 85);
        Image3.hide();
        Button1.setGeometry(212, 428, 200, 20);
        Panel1.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Panel1));
        Services.Log.clear();
        Image2.Frames.clear();
    }
    void TearDown() override { QDir::setCurrent(FPreviousCurrent); }

    void WritePicture(const QString& name, QColor colour, QSize size = QSize(600, 400))
    {
        QImage picture(size, QImage::Format_RGB888);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(DataFile(name), "BMP")) << qPrintable(name);
    }
    QString DataFile(const QString& name) const { return AppDir.filePath(QStringLiteral("data/") + name); }
    QString AppFile(const QString& name) const { return QDir(AppDir.path()).filePath(name); }

    // Runs one step and returns what it logged: "frame" per frame, then sounds and messages.
    // The pauses that pace the frames are left out here; FadesTakeOneRefreshPerFrame checks them.
    QStringList Step(const std::function<void()>& step)
    {
        Services.Log.clear();
        Image2.Frames.clear();
        Image2.Times.clear();
        step();
        QStringList log = Services.Log;
        log.removeIf([](const QString& entry) { return entry.startsWith(QStringLiteral("sleep ")); });
        return log;
    }
    QColor Shown() const { return Image2.Picture().pixelColor(0, 0); }
    QColor Held() const { return Image3.Picture().pixelColor(0, 0); }

    static QStringList Frames(int count) { return QStringList(count, QStringLiteral("frame")); }

    QTemporaryDir AppDir;
    QTemporaryDir Current;
    TFakeServices Services;
    TRewardSequence::TGame Game{QString(), 4, 40, 24};
    QList<TPage> Pages;
    QWidget Panel1;
    TFrameRecorder Image2;
    TImage Image3;
    TZRKFadeButton Button1;
    TRewardSequence Sequence;

private:
    QString FPreviousCurrent;
};

// After a win the opponent's pictures, after a loss the game-over pictures; all else alike.
struct TOutcome {
    const char* name;
    int playerDiscs;
    int computerDiscs;
    const char* owner;        // the pictures' prefix
    const char* otherOwner;   // the prefix of the pictures that must not show
    QString closing;
};

void PrintTo(const TOutcome& outcome, std::ostream* out)
{
    *out << outcome.name;
}

class RewardSequenceWalk : public RewardSequenceTest, public testing::WithParamInterface<TOutcome> {};

} // namespace

TEST_P(RewardSequenceWalk, ShowsThreePicturesThenTheClosingMessageAndTheTitlePage)
{
    const TOutcome outcome = GetParam();
    Game.PlayerDiscs = outcome.playerDiscs;
    Game.ComputerDiscs = outcome.computerDiscs;
    const QString owner = QLatin1String(outcome.owner);
    WritePicture(owner + QStringLiteral("_A.bmp"), ColourA);
    WritePicture(owner + QStringLiteral("_B.bmp"), ColourB);
    WritePicture(owner + QStringLiteral("_C.bmp"), ColourC);
    for (const char* suffix : {"_A.bmp", "_B.bmp", "_C.bmp"})
        WritePicture(QLatin1String(outcome.otherOwner) + QLatin1String(suffix), Other);
    const QString sound1 = QStringLiteral("sound ") + AppFile(QStringLiteral("01.wav"));
    const QString sound2 = QStringLiteral("sound ") + AppFile(QStringLiteral("02.wav"));

    // The first picture fades in from black with no fade-out before it.
    Button1.SetTag(2);
    Button1.SetCaption(QStringLiteral("old"));
    EXPECT_EQ(Step([&] { Sequence.Enter(); }), Frames(51) << sound1);
    EXPECT_EQ(Pages, QList<TPage>{TPage::Pictures});
    EXPECT_EQ(Button1.Tag(), 1);
    EXPECT_EQ(Button1.Caption(), QStringLiteral("もっと!"));
    EXPECT_EQ(Held(), ColourA);
    EXPECT_EQ(Image2.Frames.first(), QColor(Qt::black)) << "fade-in frame 0 is black";
    EXPECT_EQ(Image2.Frames[1], Faded(ColourA, 250));
    EXPECT_EQ(Image2.Frames.last(), Faded(ColourA, 5));
    EXPECT_EQ(Shown(), QColor(0, 95, 250)) << "rests 5 darker than the file; 5 or less is 0";
    EXPECT_EQ(Image2.Picture().pixelColor(599, 399), QColor(0, 95, 250)) << "every row and byte";

    // The second: the first fades out from full brightness, the next fades in.
    EXPECT_EQ(Step([&] { Sequence.Button1Click(); }), Frames(102) << sound1);
    EXPECT_EQ(Button1.Tag(), 2);
    EXPECT_EQ(Button1.Caption(), QStringLiteral("もっと!もっと!!"));
    EXPECT_EQ(Held(), ColourB);
    EXPECT_EQ(Image2.Frames[0], ColourA) << "fade-out frame 0 is the file's brightness";
    EXPECT_EQ(Image2.Frames[50], Faded(ColourA, 250));
    EXPECT_EQ(Image2.Frames[51], QColor(Qt::black));
    EXPECT_EQ(Shown(), Faded(ColourB, 5));

    EXPECT_EQ(Step([&] { Sequence.Button1Click(); }), Frames(102) << sound2);
    EXPECT_EQ(Button1.Tag(), 3);
    EXPECT_EQ(Button1.Caption(), QStringLiteral("もっと!もっと!!もっと!!!"));
    EXPECT_EQ(Shown(), Faded(ColourC, 5));

    // The click on the third picture fades it out and says goodbye: no fade-in, no sound.
    EXPECT_EQ(Step([&] { Sequence.Button1Click(); }), Frames(51) << QStringLiteral("message ") + outcome.closing);
    EXPECT_EQ(Pages, (QList<TPage>{TPage::Pictures, TPage::Title}));
    EXPECT_EQ(Button1.Tag(), 3);
    EXPECT_EQ(Button1.Caption(), QStringLiteral("もっと!もっと!!もっと!!!"));
    EXPECT_EQ(Held(), ColourC);
    EXPECT_EQ(Shown(), Faded(ColourC, 250));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, RewardSequenceWalk,
    testing::Values(
        TOutcome{"Win", 40, 24, "4", "0", QString(11, QLatin1Char(' ')) + QStringLiteral("おしまい...") + QString(11, QLatin1Char(' '))},
        TOutcome{"Loss", 20, 44, "0", "4",
                 QString(8, QLatin1Char(' ')) + QStringLiteral("げーむおーばー...") + QString(8, QLatin1Char(' '))}),
    [](const testing::TestParamInfo<TOutcome>& info) { return std::string(info.param.name); });

TEST_F(RewardSequenceTest, AMissingPictureLeavesTheStageAndTheNextClickRetries)
{
    WritePicture(QStringLiteral("4_A.bmp"), ColourA);
    Sequence.Enter();
    ASSERT_EQ(Button1.Tag(), 1);

    QString error;
    const QStringList failed = Step([&] {
        try {
            Sequence.Button1Click();
        } catch (const EToolkitError& e) {
            error = e.Message();
        }
    });
    EXPECT_EQ(error, EToolkitError::FileOpen(DataFile(QStringLiteral("4_B.bmp"))).Message());
    EXPECT_EQ(failed, Frames(51)) << "faded out, then stopped: no fade-in, no sound";
    EXPECT_EQ(Button1.Caption(), QStringLiteral("もっと!もっと!!"));
    EXPECT_EQ(Button1.Tag(), 1);
    EXPECT_EQ(Held(), ColourA);

    WritePicture(QStringLiteral("4_B.bmp"), ColourB);
    EXPECT_EQ(Step([&] { Sequence.Button1Click(); }).count(QStringLiteral("frame")), 102);
    EXPECT_EQ(Image2.Frames[0], ColourA) << "the tables still held the first picture";
    EXPECT_EQ(Button1.Tag(), 2);
    EXPECT_EQ(Shown(), Faded(ColourB, 5));
}

TEST_F(RewardSequenceTest, AMissingFirstPictureIsRetriedWithoutAFadeOut)
{
    EXPECT_EQ(Step([&] { EXPECT_THROW(Sequence.Enter(), EToolkitError); }), QStringList());
    EXPECT_EQ(Button1.Tag(), 0);
    EXPECT_EQ(Pages, QList<TPage>{TPage::Pictures});

    WritePicture(QStringLiteral("4_A.bmp"), ColourA);
    EXPECT_EQ(Step([&] { Sequence.Button1Click(); }).count(QStringLiteral("frame")), 51);
    EXPECT_EQ(Image2.Frames[0], QColor(Qt::black));
    EXPECT_EQ(Button1.Tag(), 1);
}

TEST_F(RewardSequenceTest, Image2TakesEachPicturesSizeUpToTheRowsOfTheTables)
{
    WritePicture(QStringLiteral("4_A.bmp"), ColourA, QSize(300, 200));
    WritePicture(QStringLiteral("4_B.bmp"), ColourB, QSize(700, 500));
    Sequence.Enter();
    EXPECT_EQ(Image2.Picture().size(), QSize(300, 200));
    const QImage page = Panel1.grab().toImage();
    EXPECT_EQ(page.pixelColor(12 + 299, 12 + 199), Faded(ColourA, 5));
    EXPECT_EQ(page.pixelColor(12 + 300, 12 + 100), QColor(Qt::black)) << "the panel shows around a small picture";
    EXPECT_EQ(page.pixelColor(12 + 100, 12 + 200), QColor(Qt::black));

    Sequence.Button1Click();
    EXPECT_EQ(Image2.Picture().size(), QSize(700, TRewardSequence::MaxRows));
    EXPECT_EQ(Image2.Picture().pixelColor(699, TRewardSequence::MaxRows - 1), Faded(ColourB, 5));
    EXPECT_EQ(Image3.Picture().size(), QSize(700, 500)) << "the full picture is kept";
    EXPECT_EQ(Panel1.grab().toImage().pixelColor(12 + 599, 12 + 399), Faded(ColourB, 5)) << "clipped to 600 by 400";

    // Back to a small picture: the fade-out still covers the large one, the fade-in the small.
    WritePicture(QStringLiteral("4_C.bmp"), ColourC, QSize(16, 8));
    Step([&] { Sequence.Button1Click(); });
    EXPECT_EQ(Image2.Frames[0], ColourB);
    EXPECT_EQ(Image2.Picture().size(), QSize(16, 8));
    EXPECT_EQ(Shown(), Faded(ColourC, 5));
}

// The fade covers the picture's rows up to the tables' last one and no further: every row the
// tables hold shows its own source row, the last one included, and Image2 ends there. The
// short picture comes first, so that tables sized past the picture fail here by the check
// rather than later by writing past their end.
TEST_F(RewardSequenceTest, TheFadeCoversEveryRowUpToTheTablesLastOne)
{
    const auto rowColour = [](int row) { return QColor(100, 10 + row % 200, 20 + row / 200 * 90); };
    for (const int height : {8, TRewardSequence::MaxRows, TRewardSequence::MaxRows + 1}) {
        SCOPED_TRACE(testing::Message() << "a picture " << height << " rows high");
        QImage picture(4, height, QImage::Format_RGB888);
        for (int row = 0; row < height; ++row)
            for (int x = 0; x < 4; ++x)
                picture.setPixelColor(x, row, rowColour(row));
        ASSERT_TRUE(picture.save(DataFile(QStringLiteral("4_A.bmp")), "BMP"));
        Sequence.Enter();

        const int shownRows = std::min(height, TRewardSequence::MaxRows);
        ASSERT_EQ(Image2.Picture().size(), QSize(4, shownRows));
        for (int row = 0; row < shownRows; ++row)
            for (int x : {0, 3})
                ASSERT_EQ(Image2.Picture().pixelColor(x, row), Faded(rowColour(row), 5))
                    << "row " << row << ", column " << x;
    }
}

TEST_F(RewardSequenceTest, SoundsPlayFromTheCurrentFolderFirstAndTheirErrorsAreIgnored)
{
    struct TFailingSound : TFakeServices {
        void PlaySound(const QString& fileName) override
        {
            TFakeServices::PlaySound(fileName);
            throw EToolkitError(QStringLiteral("no sound"));
        }
    };
    TFailingSound failing;
    TRewardSequence sequence(failing, Image2, Image3, Button1, [](TPage) {}, [this] { return Game; });
    WritePicture(QStringLiteral("4_A.bmp"), ColourA);
    QFile(Current.filePath(QStringLiteral("01.wav"))).open(QIODevice::WriteOnly);

    EXPECT_NO_THROW(sequence.Enter());
    EXPECT_EQ(failing.Sounds, QStringList{QStringLiteral("01.wav")});
    EXPECT_EQ(Button1.Tag(), 1);
}

// Frames back to back would all land within a refresh or two and the fade would not be seen:
// frame k of a fade is shown k refreshes after its first, through pauses that take no input.
TEST_F(RewardSequenceTest, FadesTakeOneRefreshPerFrame)
{
    WritePicture(QStringLiteral("4_A.bmp"), ColourA);
    WritePicture(QStringLiteral("4_B.bmp"), ColourB);
    Sequence.Enter();
    Step([&] { Sequence.Button1Click(); });   // a fade-out, then a fade-in
    ASSERT_EQ(Image2.Times.size(), 102);
    const double interval = 1000.0 / Image2.screen()->refreshRate();
    for (int fade : {0, 51}) {
        const std::int64_t start = Image2.Times[fade];
        for (int k = 1; k < 51; ++k) {
            const std::int64_t elapsed = Image2.Times[fade + k] - start;
            EXPECT_GE(elapsed, std::floor(k * interval)) << "fade " << fade / 51 << ", frame " << k;
            EXPECT_LE(elapsed, std::ceil(k * interval)) << "fade " << fade / 51 << ", frame " << k;
        }
    }
    for (const QString& entry : Services.Log)
        EXPECT_TRUE(entry == QLatin1String("frame") || entry.startsWith(QLatin1String("sleep "))
                    || entry.startsWith(QLatin1String("sound ")))
            << "only the input-free pause between frames: " << entry.toStdString();
}
