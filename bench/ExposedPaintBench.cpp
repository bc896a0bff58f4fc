// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// A paint of a fade or shine button far larger than what is shown of it (10,000 by 10,000, and
// 16,777,215 wide), as a 300 by 200 window shows it, beside the paint of a button of the size
// that is shown, alternately in one run; QT_SCALE_FACTOR=2 runs it at scale 2. The ratio is the figure to read: a
// paint costs what is shown, so it stays near 1 however large the button; peak_bytes is the most
// the heap held during the large button's paints beyond what it held before.
#include "CountingMalloc.h"
#include "SideBySide.h"
#include "widgets/ShineSpeedButton.h"
#include "widgets/ZRKFadeButton.h"

#include <QImage>
#include <QPainter>
#include <memory>

using namespace TarvoWidgets;

namespace {

constexpr QSize Shown(300, 200);

// A window of the shown size holding one button of the given size at its origin, painted as the
// window system asks for it: the window's visible area, at the screen's ratio.
template <typename TButton> struct TWindow {
    explicit TWindow(QSize buttonSize)
    {
        Host.resize(Shown);
        Button->SetCaption(QStringLiteral("大きなボタン"));
        Button->resize(buttonSize);
        const qreal ratio = Host.devicePixelRatioF();
        Target = QImage((QSizeF(Shown) * ratio).toSize(), QImage::Format_RGB32);
        Target.setDevicePixelRatio(ratio);
    }
    void Paint()
    {
        // A change between paints, so that no kept picture stands in for the paint.
        Button->setProperty("Tag", ++Tag);
        Button->SetCaption(Tag % 2 ? QStringLiteral("大きなボタン") : QStringLiteral("大きなボタン!"));
        Host.render(&Target);
    }
    QWidget Host;
    TButton* Button = new TButton(&Host);
    QImage Target;
    int Tag = 0;
};

template <typename TButton> void BM_PaintOfAHugeButton(benchmark::State& state)
{
    TWindow<TButton> large(QSize(int(state.range(0)), int(state.range(1))));
    TWindow<TButton> visible(Shown);
    const std::size_t before = CountingMalloc::InUse();
    CountingMalloc::ResetPeak();
    SideBySide::Run(state, [&] { large.Paint(); }, [&] { visible.Paint(); });
    state.counters["peak_bytes"] = double(CountingMalloc::Peak() - before);
}

// Width and height of the large button.
void Sizes(benchmark::internal::Benchmark* b)
{
    b->Args({10000, 10000})->Args({QWIDGETSIZE_MAX, 200})->UseManualTime();
}

BENCHMARK_TEMPLATE(BM_PaintOfAHugeButton, TZRKFadeButton)->Apply(Sizes);
BENCHMARK_TEMPLATE(BM_PaintOfAHugeButton, TShineSpeedButton)->Apply(Sizes);

} // namespace

int main(int argc, char** argv) { return SideBySide::Main(argc, argv); }
