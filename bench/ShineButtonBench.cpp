// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// One full paint of a shine button of 100 by 30 pixels with a 16 by 16 glyph and a caption,
// beside a QToolButton of the same size with the same picture as its icon and the same text
// beside it, both rendered into a picture under the Fusion style, alternately in one run. Each
// state the button shows is set on both: up, hovered (the glyph lit), down and disabled, with
// the shine button's background solid and as a gradient. The QToolButton is the widget a Qt
// programmer would use instead, so it stays the same in both background cases. A repaint of a
// button that shows the same as before copies the picture it kept; the first paint after a
// change composes it, and is measured on its own.
#include "SideBySide.h"
#include "widgets/ShineSpeedButton.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QToolButton>

using namespace TarvoWidgets;

namespace {

// Reaches the state the button shows, as the pointer and the group would leave it.
class TShownButton : public TShineSpeedButton {
public:
    using TShineSpeedButton::TShineSpeedButton;
    void Show(TShineButtonState shown) { SetState(shown); }
};

QImage GlyphPicture()
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 255)); // the key colour, taken from the bottom-left pixel
    QPainter(&picture).fillRect(3, 3, 10, 10, QColor(200, 40, 40));
    return picture;
}

struct TPair {
    QWidget Host;
    TShownButton* Shine = new TShownButton(&Host);
    QToolButton* Tool = new QToolButton(&Host);
    QImage Target{100, 30, QImage::Format_RGB32};

    TPair(TShineSpeedButton::TShineButtonState shown, bool gradient)
    {
        const QString caption = QStringLiteral("&Shine");
        Shine->resize(100, 30);
        Shine->SetCaption(caption);
        Shine->Colors()->SetColor(clr::White);
        Shine->Colors()->SetGradColor(clr::Navy);
        Shine->Colors()->SetGradation(gradient);
        Shine->PressedColors()->SetGradColor(clr::Teal);
        Shine->PressedColors()->SetGradation(gradient);
        TBitmap glyph;
        glyph.SetImage(GlyphPicture());
        Shine->SetGlyph(&glyph);

        Tool->resize(100, 30);
        Tool->setText(caption);
        Tool->setIcon(QIcon(QPixmap::fromImage(GlyphPicture())));
        Tool->setIconSize(QSize(16, 16));
        Tool->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        Tool->setCheckable(true);

        switch (shown) {
        case TShineSpeedButton::sbUpActive:
            Tool->setAttribute(Qt::WA_UnderMouse, true);
            break;
        case TShineSpeedButton::sbDown:
            Tool->setChecked(true);
            break;
        case TShineSpeedButton::sbDisabled:
            Shine->setEnabled(false);
            Tool->setEnabled(false);
            break;
        default:
            break;
        }
        Shine->Show(shown);
    }
};

void BM_ShineVsToolButton(benchmark::State& state)
{
    TPair pair(TShineSpeedButton::TShineButtonState(state.range(0)), state.range(1) != 0);
    SideBySide::Run(state, [&] { pair.Shine->render(&pair.Target); }, [&] { pair.Tool->render(&pair.Target); });
}

void States(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"state", "gradient"});
    for (const auto shown : {TShineSpeedButton::sbUp, TShineSpeedButton::sbUpActive, TShineSpeedButton::sbDown,
                             TShineSpeedButton::sbDisabled})
        for (const int gradient : {0, 1})
            bench->Args({shown, gradient});
}
// state: 3 up, 2 hovered (glyph lit), 1 down, 4 disabled.
BENCHMARK(BM_ShineVsToolButton)->Apply(States)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The first paint after a change: both buttons go between up and the state before each paint
// (the pointer coming and going, a press, a disable), so that the shine button composes its
// picture every time instead of copying the one it kept. The change itself is not timed.
void BM_ShineVsToolButtonAfterAChange(benchmark::State& state)
{
    const auto shown = TShineSpeedButton::TShineButtonState(state.range(0));
    TPair pair(TShineSpeedButton::sbUp, state.range(1) != 0);
    bool changed = false;
    const auto show = [&](bool other) {
        const TShineSpeedButton::TShineButtonState now = other ? shown : TShineSpeedButton::sbUp;
        pair.Tool->setAttribute(Qt::WA_UnderMouse, other && shown == TShineSpeedButton::sbUpActive);
        pair.Tool->setChecked(other && shown == TShineSpeedButton::sbDown);
        pair.Tool->setEnabled(!(other && shown == TShineSpeedButton::sbDisabled));
        pair.Shine->setEnabled(now != TShineSpeedButton::sbDisabled);
        pair.Shine->Show(now);
    };
    SideBySide::Run(
        state, [&] { pair.Shine->render(&pair.Target); }, [&] { pair.Tool->render(&pair.Target); },
        [&] {
            changed = !changed;
            show(changed);
        });
}
BENCHMARK(BM_ShineVsToolButtonAfterAChange)
    ->ArgNames({"state", "gradient"})
    ->ArgsProduct({{TShineSpeedButton::sbUpActive, TShineSpeedButton::sbDown, TShineSpeedButton::sbDisabled}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) { return SideBySide::Main(argc, argv); }
