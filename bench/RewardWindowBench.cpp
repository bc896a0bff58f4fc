// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// One step of the reward pictures in a real window: the 51-frame fade-out of a 600 by 400
// picture and the 51-frame fade-in of the next, each frame repainted on the screen at once and
// paced to one frame per refresh of the display (so a step takes about 1.7 s at 60 Hz; the CPU
// time shows the work).
// Run it against a real display (for example under Xvfb: xvfb-run -a build/bench/bench_reward_window);
// without one it falls back to the offscreen platform, which measures the fade without the
// window system.
#include "platform/Image.h"
#include "platform/QtServices.h"
#include "screens/RewardSequence.h"
#include "widgets/ZRKFadeButton.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace TarvoWidgets;

namespace {

// The picture page as the main window lays it out, over a data folder of three pictures.
struct TPicturePage {
    QTemporaryDir Folder;
    TQtServices Services;
    QWidget Window;
    TImage* Image2 = new TImage(&Window);
    TImage* Image3 = new TImage(&Window);
    TZRKFadeButton* Button1 = new TZRKFadeButton(&Window);
    TRewardSequence Sequence{Services, *Image2, *Image3, *Button1, [](TRewardSequence::TPage) {},
                             [this] { return TRewardSequence::TGame{Folder.path(), 1, 40, 24}; }};

    TPicturePage()
    {
        QDir(Folder.path()).mkdir(QStringLiteral("data"));
        int shade = 0;
        for (const char* name : {"1_A.bmp", "1_B.bmp", "1_C.bmp"}) {
            QImage picture(600, 400, QImage::Format_RGB888);
            picture.fill(QColor(200 - shade, 120 + shade, 60 + shade));
            picture.save(Folder.filePath(QStringLiteral("data/") + QLatin1String(name)), "BMP");
            shade += 30;
        }
        Window.resize(624, 464);
        Image2->setGeometry(12, 12, 600, 400);
        Image3->hide();
        Button1->setGeometry(212, 428, 200, 20);
        Window.show();
        // Frames painted before the window is on the screen would cost nothing.
        QElapsedTimer waited;
        waited.start();
        while (!(Window.windowHandle() && Window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        Sequence.Enter();   // the first picture fades in
    }
};

void BM_RewardStepInWindow(benchmark::State& state)
{
    TPicturePage page;
    for (auto _ : state) {
        page.Button1->SetTag(1);   // always the step from the first picture to the second
        page.Sequence.Button1Click();
    }
    // Two fades a step: items per second are whole 51-frame fades per second.
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_RewardStepInWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
