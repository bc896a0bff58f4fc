// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Loading every damaged and hostile bitmap of the test kit's table, and the largest picture a
// small run-length file may claim: the time per table, and the peak memory of the process
// (getrusage's maximum resident set) before and after, in counters. A hostile header must not
// raise the peak beyond the decoder's size limit (16 MB of pixels).
#include "platform/BitmapFile.h"
#include "platform/BitmapDecoder.h"
#include "toolkit/base/ToolkitError.h"
#include "platform/testkit/BitmapBuilder.h"
#include "platform/testkit/BitmapSamples.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace TarvoWidgets;

namespace {

double PeakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Places every variant in a folder of its own (the FIFO and the folder variants need a path
// each) and returns the paths.
QStringList PlaceTable(const QTemporaryDir& dir, const std::vector<TBitmapVariant>& table)
{
    QStringList paths;
    for (std::size_t i = 0; i < table.size(); ++i) {
        paths << dir.filePath(QStringLiteral("%1.bmp").arg(i));
        PlaceBitmapVariant(table[i], paths.last());
    }
    return paths;
}

void LoadAll(const QStringList& paths, benchmark::State& state)
{
    int refused = 0;
    for (const QString& path : paths) {
        try {
            benchmark::DoNotOptimize(LoadBitmap(path));
        } catch (const EToolkitError&) {
            ++refused;
        }
    }
    if (refused != paths.size())
        state.SkipWithError("a hostile file loaded");
}

void BM_HostileTable(benchmark::State& state)
{
    QTemporaryDir dir;
    std::vector<TBitmapVariant> table = HostileBitmaps();
    // Root reads the file that its user may not: that case belongs to the tests, which drop
    // root's rights for it.
    if (::geteuid() == 0)
        std::erase_if(table, [](const TBitmapVariant& v) { return v.Placement == TPlacement::Unreadable; });
    const QStringList paths = PlaceTable(dir, table);
    const double before = PeakMegabytes();
    for (auto _ : state)
        LoadAll(paths, state);
    state.counters["files"] = double(paths.size());
    state.counters["peak_MB_before"] = before;
    state.counters["peak_MB_after"] = PeakMegabytes();
}
BENCHMARK(BM_HostileTable)->Unit(benchmark::kMillisecond);

// A 60-byte 8-bit run-length file that claims the largest picture the decoder accepts: the
// picture is allocated whole and filled before the first code is read.
void BM_LargestClaimedPicture(benchmark::State& state)
{
    TBitmapBuilder b;
    b.Width = 2048;
    b.Height = 2048;
    b.BitCount = 8;
    b.Compression = 1;
    b.ClrUsed = 1;
    b.Palette = {qRgb(0, 0, 0)};
    b.Pixels = QByteArray("\x00\x01", 2);
    const QByteArray file = b.Build();
    const double before = PeakMegabytes();
    for (auto _ : state)
        benchmark::DoNotOptimize(TBitmapDecoder::Decode(file));
    state.counters["file_bytes"] = double(file.size());
    state.counters["peak_MB_before"] = before;
    state.counters["peak_MB_after"] = PeakMegabytes();
}
BENCHMARK(BM_LargestClaimedPicture)->Unit(benchmark::kMillisecond);

// The decoding speed of the game's largest kind of picture: 632 by 472 pixels at 24 bits,
// decoded from bytes already in memory, in nanoseconds per pixel.
void BM_DecodeLargestGamePicture(benchmark::State& state)
{
    QImage picture(632, 472, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x ^ y) % 256));
    const QByteArray file = TBitmapBuilder::Packed(picture, 24).Build();
    for (auto _ : state)
        benchmark::DoNotOptimize(TBitmapDecoder::Decode(file));
    state.counters["ns_per_pixel"] = benchmark::Counter(
        double(state.iterations()) * picture.width() * picture.height(),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DecodeLargestGamePicture)->Unit(benchmark::kMicrosecond);

} // namespace
