// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// Two pieces of work that do the same job, timed alternately in every iteration of one
// benchmark, so that the load of a shared machine falls on both alike. The benchmark's own time
// is ours; the counters give both means and their ratio (ours / Qt's), which is the figure to
// read: below 1 the widget set is faster.
#pragma once

#include <QApplication>
#include <QStyleFactory>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>

namespace SideBySide {

using Clock = std::chrono::steady_clock;

template <typename TWork> Clock::duration Timed(TWork& work)
{
    const auto start = Clock::now();
    work();
    benchmark::ClobberMemory();
    return Clock::now() - start;
}

/// Register the benchmark with ->UseManualTime(). Before each pair, prepare runs untimed.
template <typename TOurs, typename TQt, typename TPrepare = void (*)()>
void Run(benchmark::State& state, TOurs ours, TQt qt, TPrepare prepare = [] {})
{
    Clock::duration oursTotal{}, qtTotal{};
    bool oursFirst = true;
    for (auto _ : state) {
        prepare();
        Clock::duration oursTime{}, qtTime{};
        // Each goes first every other time, so neither always finds the other's caches warm.
        if (oursFirst) {
            oursTime = Timed(ours);
            qtTime = Timed(qt);
        } else {
            qtTime = Timed(qt);
            oursTime = Timed(ours);
        }
        oursFirst = !oursFirst;
        oursTotal += oursTime;
        qtTotal += qtTime;
        state.SetIterationTime(std::chrono::duration<double>(oursTime).count());
    }
    const double n = double(state.iterations());
    const auto micro = [n](Clock::duration total) { return std::chrono::duration<double, std::micro>(total).count() / n; };
    state.counters["ours_us"] = micro(oursTotal);
    state.counters["qt_us"] = micro(qtTotal);
    state.counters["ratio"] = qtTotal.count() > 0 ? double(oursTotal.count()) / double(qtTotal.count()) : 0.0;
}

/// The benchmarks' main: widgets on the offscreen platform (unless another is asked for) under
/// the Fusion style, set up by setUp, then every benchmark the command line picks.
inline int Main(int argc, char** argv, const std::function<void()>& setUp = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace SideBySide
