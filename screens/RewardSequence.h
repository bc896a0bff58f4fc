// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <functional>

class TImage;
class TServices;
namespace TarvoWidgets {
class TZRKFadeButton;
}

// The picture page after a won or lost match: three pictures, each fading in from black, and
// the fade button Button1 under them. Each click fades the shown picture out and the next one
// in, and the button's caption grows with them; the click on the third picture shows the
// closing message and hands back to the title page. The stage (0 before the first picture,
// then 1 to 3 for the picture shown) is Button1's Tag.
//
// The fades work straight on the pictures' row memory: Image3 holds the picture at full
// brightness, Image2 the faded copy that the user sees, and the two row tables point at their
// rows. They are filled after each load and serve the fade-in of that step and the fade-out of
// the next.
class TRewardSequence {
public:
    // What the sequence reads from the main window, afresh at every step.
    struct TGame {
        QString AppDir;
        int Opponent = 0;
        int PlayerDiscs = 0;
        int ComputerDiscs = 0;
    };
    // The pages of the main window that the sequence shows.
    enum class TPage { Title, Pictures };

    // The rows that the tables hold. A taller picture fades (and shows) its first MaxRows rows.
    static constexpr int MaxRows = 480;
    // A double-size picture (on a scaled screen) has twice the rows in the same room.
    static constexpr int MaxPictureRows = 2 * MaxRows;

    TRewardSequence(TServices& services, TImage& image2, TImage& image3, TarvoWidgets::TZRKFadeButton& button1,
                    std::function<void(TPage)> showPage, std::function<TGame()> game);

    // The end of a won or lost match: empties both pictures, shows the picture page and runs
    // the first step. Raises the load error of the first picture, like Button1Click.
    void Enter();

    // One step of the sequence. A picture that cannot be loaded raises its load error after
    // the caption has changed; the stage stays, Image3 keeps its picture and the tables stay
    // valid, so the next click repeats the step.
    void Button1Click();

private:
    void RunFade(int firstAmount, int change);
    double FrameIntervalMs() const;   // one refresh of the display that shows Image2
    void FillRowTables();
    void PlayStageSound(int stage, const QString& appDir);

    TServices& FServices;
    TImage& FImage2;
    TImage& FImage3;
    TarvoWidgets::TZRKFadeButton& FButton1;
    std::function<void(TPage)> FShowPage;
    std::function<TGame()> FGame;

    // Image3's rows are only read, so their table holds read-only addresses.
    std::array<const uchar*, MaxPictureRows> SrcLines{};
    std::array<uchar*, MaxPictureRows> DstLines{};
    int FFadeWidth = 0;   // pixels per row of the pictures in the tables
    int FFadeRows = 0;    // rows in the tables, at most MaxRows of the window's units
};
