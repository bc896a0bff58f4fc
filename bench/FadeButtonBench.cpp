// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// One paint of a fade button of 100 by 30 pixels with a caption, beside a QPushButton of the
// same size and text, both rendered into a picture under the Fusion style, alternately in one
// run: at rest, and during a fade, where each frame is one step of the fade and its paint (the
// QPushButton then shows its hovered look, the nearest it has). Then property changes in a
// shown window followed by the paint Qt makes for them before the next frame.
#include "SideBySide.h"
#include "widgets/ZRKFadeButton.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPushButton>

using namespace TarvoWidgets;

namespace {

// Steps the fade by hand, as the timer would; the pointer comes and goes so that the fade
// turns round at either end: from Navy to Aqua at Step 2 the green channel takes 128 steps.
class TSteppedButton : public TZRKFadeButton {
public:
    using TZRKFadeButton::TZRKFadeButton;
    void FadeFrame()
    {
        if (FFrames++ % 128 == 0) {
            FOver = !FOver;
            if (FOver)
                MouseMove(Qt::NoButton, Qt::NoModifier, 1, 1);
            else
                MouseLeave();
        }
        Animate(this);
    }

private:
    int FFrames = 0;
    bool FOver = false;
};

struct TPair {
    QWidget Host;
    TSteppedButton* Fade = new TSteppedButton(&Host);
    QPushButton* Push = new QPushButton(QStringLiteral("Fade"), &Host);
    QImage Target{100, 30, QImage::Format_RGB32};

    TPair()
    {
        Fade->resize(100, 30);
        Fade->SetCaption(QStringLiteral("Fade"));
        Fade->SetColor(clr::Navy);
        Fade->SetDestColor(clr::Aqua);
        Fade->SetShowBorder(true);
        Push->resize(100, 30);
    }
};

void BM_FadeVsPushButtonAtRest(benchmark::State& state)
{
    TPair pair;
    SideBySide::Run(state, [&] { pair.Fade->render(&pair.Target); }, [&] { pair.Push->render(&pair.Target); });
}
BENCHMARK(BM_FadeVsPushButtonAtRest)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_FadeVsPushButtonFadeFrame(benchmark::State& state)
{
    TPair pair;
    pair.Push->setAttribute(Qt::WA_UnderMouse, true);
    SideBySide::Run(
        state,
        [&] {
            pair.Fade->FadeFrame();
            pair.Fade->render(&pair.Target);
        },
        [&] { pair.Push->render(&pair.Target); });
}
BENCHMARK(BM_FadeVsPushButtonFadeFrame)->UseManualTime()->Unit(benchmark::kMicrosecond);

// For comparison, the button as it painted before it asked Qt for its paints: every setter
// that paints draws the whole button there and then.
class TPaintingAtOnce : public TZRKFadeButton {
public:
    using TZRKFadeButton::TZRKFadeButton;

protected:
    void Paint() override { repaint(); }
};

// Property changes, and what Qt then does before the next frame: the window's update request
// paints every widget that asked for a paint into the window's backing store. Each button has
// a shown window of its own, so that neither paints what the other asked for. The argument is
// the number of properties set: the caption alone, or five (caption and four looks of each).
template <typename TButton> void BM_FadeVsPushButtonPropertyChange(benchmark::State& state)
{
    QWidget fadeWindow, pushWindow;
    auto* fade = new TButton(&fadeWindow);
    fade->resize(100, 30);
    auto* push = new QPushButton(&pushWindow);
    push->resize(100, 30);
    for (QWidget* window : {&fadeWindow, &pushWindow}) {
        window->resize(120, 50);
        window->show();
    }
    QCoreApplication::processEvents();
    const auto paintNow = [](QWidget& window) {
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(&window, &request);
    };
    const bool all = state.range(0) > 1;
    const QString captions[] = {QStringLiteral("Fade"), QStringLiteral("Faded")};
    const TColor fills[] = {clr::Navy, clr::Maroon};
    QPalette palettes[2];
    palettes[0].setColor(QPalette::Button, Qt::darkBlue);
    palettes[1].setColor(QPalette::Button, Qt::darkRed);
    int next = 0;
    SideBySide::Run(
        state,
        [&] {
            fade->SetCaption(captions[next]);
            if (all) {
                fade->SetColor(fills[next]);
                fade->SetBorderColor(fills[1 - next]);
                fade->SetBorderHeight(1 + next);
                fade->SetShowBorder(next == 0);
            }
            paintNow(fadeWindow);
        },
        [&] {
            push->setText(captions[next]);
            if (all) {
                push->setPalette(palettes[next]);
                push->setFlat(next == 1);
                push->setDefault(next == 0);
                push->setCheckable(next == 1);
            }
            paintNow(pushWindow);
        },
        [&] { next = 1 - next; });
}
BENCHMARK_TEMPLATE(BM_FadeVsPushButtonPropertyChange, TZRKFadeButton)
    ->Arg(1)->Arg(5)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FadeVsPushButtonPropertyChange, TPaintingAtOnce)
    ->Arg(1)->Arg(5)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return SideBySide::Main(argc, argv); }
