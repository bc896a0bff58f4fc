// SPDX-FileCopyrightText: 2026 The タルヴォ!! developers
// SPDX-License-Identifier: MIT
// How fast the rules evaluate a board: the computer's one-ply search is a FillMoveTable per turn,
// and perft exercises FillMoveTable and ApplyMove together over every line of play.
#include "match/BoardPicture.h"
#include "match/Perft.h"

#include <benchmark/benchmark.h>

namespace {

TBoard Opening()
{
    TBoard board;
    board.ResetBoard();
    return board;
}

// A middle game with discs of both sides spread over the board and many lines to walk.
TBoard Midgame()
{
    return BoardFromPicture({
        "..o.x...",
        "..oox.x.",
        "xxxoxxo.",
        ".xoxooo.",
        "oxxoxxo.",
        "..xooxo.",
        "..oxo...",
        ".....x..",
    });
}

void FillMoveTable(benchmark::State& state, TBoard board)
{
    int moves = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.Board);
        moves = board.FillMoveTable(BlackDisc);
        benchmark::DoNotOptimize(moves);
        benchmark::ClobberMemory();
    }
    state.counters["moves"] = moves;
}

void BM_FillMoveTableOpening(benchmark::State& state)
{
    FillMoveTable(state, Opening());
}
BENCHMARK(BM_FillMoveTableOpening);

void BM_FillMoveTableMidgame(benchmark::State& state)
{
    FillMoveTable(state, Midgame());
}
BENCHMARK(BM_FillMoveTableMidgame);

void BM_PerftFromStart(benchmark::State& state)
{
    const TBoard start = Opening();
    const int depth = int(state.range(0));
    std::uint64_t leaves = 0;
    for (auto _ : state) {
        leaves = Perft(start, BlackDisc, depth);
        benchmark::DoNotOptimize(leaves);
    }
    state.counters["leaves"] = double(leaves);
    state.counters["leaves/s"] =
        benchmark::Counter(double(leaves) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PerftFromStart)->Arg(6)->Arg(8)->Unit(benchmark::kMillisecond);

} // namespace
