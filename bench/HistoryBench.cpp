// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// The history combo box's stores beside QSettings in INI format, doing the same job on the same
// entries alternately in one run: saving a box's entries (1,000, and 65,536, the most a load
// trusts) and loading them into a new box. Ours are the box's INI store and its registry store;
// Qt's is what a Qt programmer would write: the box's items read one by one and set under the
// box's group, then read back and added to a QComboBox. Every job starts from the file on the
// disk (its time stamp is moved before each, so that QSettings' cache of parsed files does not
// spare it the reading).
//
// bench_history_memory is the same program with its own malloc (CountingMalloc.h), which counts
// what the save holds: the extra memory of a save is the most the process held during it less
// what it held before, given against the size of the file written (ours_mem_per_byte,
// qt_mem_per_byte). Counting slows every allocation, so its times are not the ones to read;
// bench_history's are.
#include "CountingMalloc.h"
#include "SideBySide.h"
#include "toolkit/stores/Registry.h"
#include "widgets/HistoryComboBox.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>

using namespace TarvoWidgets;

namespace {

const QString Section = QStringLiteral("Box");
const QString RegistryKey = QStringLiteral("Software\\Bench");

QStringList Entries(int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries.append(QStringLiteral("entry number %1, as a person might have typed it").arg(i));
    return entries;
}

// A new time stamp, so that a reader that caches parsed files reads this one again.
void Touch(const QString& path)
{
    static long tick = 0;
    const timespec times[2] = {{1000000 + ++tick, 0}, {1000000 + tick, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

enum TStore { IniStore = 0, RegistryStore = 1 };

struct TFiles {
    QTemporaryDir Dir;
    QString Ours;
    QString Qt = Dir.filePath(QStringLiteral("qsettings.ini"));
    TStore Store;

    explicit TFiles(TStore store)
        : Ours(Dir.filePath(store == IniStore ? QStringLiteral("history.ini") : QStringLiteral("registry.conf"))),
          Store(store)
    {
        TRegistry::SetStoreFile(Dir.filePath(QStringLiteral("registry.conf")));
    }

    void Save(THistoryComboBox& box)
    {
        Touch(Ours);
        if (Store == IniStore)
            box.SaveToFile(Ours);
        else
            box.SaveToRegistry(RegistryKey);
    }

    void Load(THistoryComboBox& box)
    {
        Touch(Ours);
        if (Store == IniStore)
            box.LoadFromFile(Ours);
        else
            box.LoadFromRegistry(RegistryKey);
    }

    void SaveQt(const QComboBox& box)
    {
        Touch(Qt);
        QSettings settings(Qt, QSettings::IniFormat);
        settings.beginGroup(Section);
        settings.remove(QString());
        settings.setValue(QStringLiteral("HistoryCount"), box.count());
        for (int i = 0; i < box.count(); ++i)
            settings.setValue(QStringLiteral("History") + QString::number(i), box.itemText(i));
        settings.endGroup();
        settings.sync();
    }

    void LoadQt(QComboBox& box)
    {
        Touch(Qt);
        QSettings settings(Qt, QSettings::IniFormat);
        settings.beginGroup(Section);
        const int count = settings.value(QStringLiteral("HistoryCount")).toInt();
        QStringList entries;
        entries.reserve(count);
        for (int i = 0; i < count; ++i)
            entries.append(settings.value(QStringLiteral("History") + QString::number(i)).toString());
        box.addItems(entries);
    }
};

THistoryComboBox* NewBox()
{
    auto* box = new THistoryComboBox;
    box->setObjectName(Section);
    return box;
}

// The most the process held during work, less what it held before; nothing without counting.
template <typename TWork> std::size_t ExtraMemory(TWork& work)
{
#ifdef TARVO_COUNTING_MALLOC
    const std::size_t before = CountingMalloc::InUse();
    CountingMalloc::ResetPeak();
    work();
    return CountingMalloc::Peak() - before;
#else
    work();
    return 0;
#endif
}

void BM_SaveVsQSettings(benchmark::State& state)
{
    TFiles files(TStore(state.range(1)));
    std::unique_ptr<THistoryComboBox> box(NewBox());
    box->addItems(Entries(int(state.range(0))));
    QComboBox qtBox;
    qtBox.addItems(Entries(int(state.range(0))));
    std::size_t oursExtra = 0, qtExtra = 0;
    const auto ours = [&] { files.Save(*box); };
    const auto qt = [&] { files.SaveQt(qtBox); };
    SideBySide::Run(state, [&] { oursExtra = std::max(oursExtra, ExtraMemory(ours)); },
                    [&] { qtExtra = std::max(qtExtra, ExtraMemory(qt)); });
#ifdef TARVO_COUNTING_MALLOC
    state.counters["ours_mem_per_byte"] = double(oursExtra) / double(QFileInfo(files.Ours).size());
    state.counters["qt_mem_per_byte"] = double(qtExtra) / double(QFileInfo(files.Qt).size());
    state.counters["file_bytes"] = double(QFileInfo(files.Ours).size());
#endif
}

void BM_LoadVsQSettings(benchmark::State& state)
{
    TFiles files(TStore(state.range(1)));
    {
        std::unique_ptr<THistoryComboBox> box(NewBox());
        box->addItems(Entries(int(state.range(0))));
        files.Save(*box);
        files.SaveQt(*box);
    }
    int oursLoaded = 0, qtLoaded = 0;
    SideBySide::Run(
        state,
        [&] {
            std::unique_ptr<THistoryComboBox> box(NewBox());
            files.Load(*box);
            oursLoaded = box->count();
        },
        [&] {
            // Editable and adding nothing of its own, as the history box is.
            QComboBox box;
            box.setEditable(true);
            box.setInsertPolicy(QComboBox::NoInsert);
            files.LoadQt(box);
            qtLoaded = box.count();
        });
    if (oursLoaded != state.range(0) || qtLoaded != state.range(0))
        state.SkipWithError("a load did not give every entry back");
}

void Sizes(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"entries", "registry"});
    for (const int store : {IniStore, RegistryStore})
        for (const int count : {1000, THistoryComboBox::MaxLoadCount})
            bench->Args({count, store});
}

} // namespace

BENCHMARK(BM_SaveVsQSettings)->Apply(Sizes)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadVsQSettings)->Apply(Sizes)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return SideBySide::Main(argc, argv); }
