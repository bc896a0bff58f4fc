// The history combo box at the bound of the stored count it trusts (65536 entries): loading and
// saving that many from and to an INI file and the registry, on the offscreen platform. Shows
// what the bound costs at most; a person's history is a few dozen entries.
#include "widgets/HistoryComboBox.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace TarvoWidgets;

namespace {

QStringList Entries(int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries.append(QStringLiteral("entry number %1, as a person might have typed it").arg(i));
    return entries;
}

struct TStores {
    QTemporaryDir Dir;
    QString Ini = Dir.filePath(QStringLiteral("history.ini"));

    TStores()
    {
        qputenv("XDG_CONFIG_HOME", Dir.path().toUtf8());
        THistoryComboBox box;
        box.setObjectName(QStringLiteral("Box"));
        box.addItems(Entries(THistoryComboBox::MaxLoadCount));
        box.SaveToFile(Ini);
        box.SaveToRegistry(QStringLiteral("Software\\Bench"));
    }
};

void BM_LoadFromFile(benchmark::State& state)
{
    TStores stores;
    for (auto _ : state) {
        THistoryComboBox box;
        box.setObjectName(QStringLiteral("Box"));
        box.LoadFromFile(stores.Ini);
        benchmark::DoNotOptimize(box.count());
    }
}

void BM_LoadFromRegistry(benchmark::State& state)
{
    TStores stores;
    for (auto _ : state) {
        THistoryComboBox box;
        box.setObjectName(QStringLiteral("Box"));
        box.LoadFromRegistry(QStringLiteral("Software\\Bench"));
        benchmark::DoNotOptimize(box.count());
    }
}

void BM_SaveToFile(benchmark::State& state)
{
    TStores stores;
    THistoryComboBox box;
    box.setObjectName(QStringLiteral("Box"));
    box.addItems(Entries(THistoryComboBox::MaxLoadCount));
    for (auto _ : state)
        box.SaveToFile(stores.Ini);
}

void BM_SaveToRegistry(benchmark::State& state)
{
    TStores stores;
    THistoryComboBox box;
    box.setObjectName(QStringLiteral("Box"));
    box.addItems(Entries(THistoryComboBox::MaxLoadCount));
    for (auto _ : state)
        box.SaveToRegistry(QStringLiteral("Software\\Bench"));
}

} // namespace

BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromRegistry)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToRegistry)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
