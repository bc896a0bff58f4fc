// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#include "RewardSequence.h"

#include "RewardFade.h"
#include "SoundFile.h"
#include "platform/DataPath.h"
#include "platform/Image.h"
#include "platform/Services.h"
#include "widgets/ZRKFadeButton.h"

#include <QImage>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <exception>

using namespace TarvoWidgets;

namespace {

constexpr int FadeFrames = 51;
constexpr int FadeStep = 5;
constexpr int LastStage = 3;
// The refresh rate assumed where the display reports none.
constexpr double DefaultRefreshHz = 60.0;

// Per stage before the step: the caption that names the picture about to show, and the
// picture's file name after the opponent's number (or "0" for the game-over pictures).
const QString Captions[LastStage] = {
    QStringLiteral("もっと!"),
    QStringLiteral("もっと!もっと!!"),
    QStringLiteral("もっと!もっと!!もっと!!!"),
};
const QString PictureSuffixes[LastStage] = {
    QStringLiteral("_A.bmp"),
    QStringLiteral("_B.bmp"),
    QStringLiteral("_C.bmp"),
};

// The closing messages keep their blanks: eleven on each side after a win, eight after a loss.
const QString WonMessage = QStringLiteral("           おしまい...           ");
const QString LostMessage = QStringLiteral("        げーむおーばー...        ");

} // namespace

TRewardSequence::TRewardSequence(TServices& services, TImage& image2, TImage& image3, TZRKFadeButton& button1,
                                 std::function<void(TPage)> showPage, std::function<TGame()> game)
    : FServices(services)
    , FImage2(image2)
    , FImage3(image3)
    , FButton1(button1)
    , FShowPage(std::move(showPage))
    , FGame(std::move(game))
{
}

void TRewardSequence::Enter()
{
    FImage2.Clear();
    FImage3.Clear();
    // The tables pointed into the pictures just emptied.
    FFadeWidth = 0;
    FFadeRows = 0;
    FShowPage(TPage::Pictures);
    FButton1.SetTag(0);
    Button1Click();
}

void TRewardSequence::Button1Click()
{
    const int stage = std::clamp(FButton1.Tag(), 0, LastStage);
    if (stage != 0)
        RunFade(0, FadeStep);

    const TGame game = FGame();
    const bool won = game.PlayerDiscs > game.ComputerDiscs;
    if (stage == LastStage) {
        FServices.ShowMessage(won ? WonMessage : LostMessage);
        FShowPage(TPage::Title);
        return;
    }

    FButton1.SetCaption(Captions[stage]);
    const QString owner = won ? QString::number(game.Opponent) : QStringLiteral("0");
    FImage3.LoadFromFile(DataPath(game.AppDir, owner + PictureSuffixes[stage]));
    FButton1.SetTag(stage + 1);

    FillRowTables();
    RunFade(255, -FadeStep);
    PlayStageSound(stage + 1, game.AppDir);
}

// 51 frames with the amounts firstAmount, firstAmount + change, ..., each on the screen before
// the next is computed, and at most one per refresh of the display: frames back to back all
// land within a refresh or two on today's machines, and the picture would simply appear.
// Frame k is due k refresh intervals after frame 0, so the pace does not drift with the time a
// frame takes. The pauses take no input, as the frames back to back took none.
void TRewardSequence::RunFade(int firstAmount, int change)
{
    const double interval = FrameIntervalMs();
    const std::int64_t start = FServices.TickCount();
    for (int frame = 0; frame < FadeFrames; ++frame) {
        const std::int64_t due = start + std::llround(frame * interval);
        if (const std::int64_t wait = due - FServices.TickCount(); wait > 0)
            FServices.Sleep(int(wait));
        FadeFrame(SrcLines.data(), DstLines.data(), FFadeWidth, FFadeRows, firstAmount + change * frame);
        FImage2.RepaintNow();
    }
}

double TRewardSequence::FrameIntervalMs() const
{
    const QScreen* screen = FImage2.screen();
    const double hz = screen && screen->refreshRate() >= 1 ? screen->refreshRate() : DefaultRefreshHz;
    return 1000.0 / hz;
}

// Makes both pictures 24-bit rows of the same size and points the tables at them. Image2 gets
// the picture's size, so a smaller picture leaves the black panel around it; a picture taller
// than the tables keeps only the rows they hold (Image2 shows 400 of them anyway).
void TRewardSequence::FillRowTables()
{
    FImage3.SetPicture(FImage3.Picture().convertToFormat(QImage::Format_RGB888));
    const QImage& source = FImage3.Picture();
    // A double-size picture fades pixel for pixel too, and shows in the room of the normal one.
    const qreal ratio = std::clamp(source.devicePixelRatio(), 1.0, 2.0);
    FFadeWidth = source.width();
    FFadeRows = std::min(source.height(), int(MaxRows * ratio));

    QImage faded(FFadeWidth, FFadeRows, QImage::Format_RGB888);
    faded.setDevicePixelRatio(ratio);
    faded.fill(Qt::black);
    FImage2.SetPicture(std::move(faded));
    QImage& shown = FImage2.Canvas();

    for (int r = 0; r < FFadeRows; ++r) {
        SrcLines[r] = source.constScanLine(r);
        DstLines[r] = shown.scanLine(r);
    }
}

void TRewardSequence::PlayStageSound(int stage, const QString& appDir)
{
    const QString name = stage == LastStage ? QStringLiteral("02.wav") : QStringLiteral("01.wav");
    try {
        FServices.PlaySound(SoundFile(name, appDir));
    } catch (const std::exception&) {
        // A sound that cannot play leaves the pictures to speak for themselves.
    }
}
