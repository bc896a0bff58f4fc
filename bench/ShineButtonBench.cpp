// One full paint of a shine button of 100 by 30 pixels with a 16 by 16 glyph, a gradient and
// a caption: the off-screen compose (background strip, state glyph, caption, frame) and the
// copy to the target, as a paint event does it.
#include "widgets/ShineSpdBtn.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace TarvoWidgets;

namespace {

void BM_ShineButtonPaint(benchmark::State& state)
{
    QWidget host;
    auto* button = new TShineSpeedButton(&host);
    button->resize(100, 30);
    button->SetCaption(QStringLiteral("&Shine"));
    button->Colors()->SetColor(clr::White);
    button->Colors()->SetGradColor(clr::Navy);
    button->Colors()->SetGradation(true);
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 255));
    QPainter(&picture).fillRect(3, 3, 10, 10, QColor(200, 40, 40));
    TBitmap glyph;
    glyph.SetImage(picture);
    button->SetGlyph(&glyph);

    QImage target(100, 30, QImage::Format_RGB32);
    for (auto _ : state) {
        button->render(&target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ShineButtonPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
