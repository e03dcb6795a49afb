// Puzzle generation and the rule check, timed. The Time column is the mean of
// a run; max_us is its slowest single puzzle, since a randomised generator is
// judged by its worst case as much as by its average.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>

#include "sudoku/sudoku.h"

namespace {

void BM_Generate(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    const double fraction = static_cast<double>(state.range(1)) / 10.0;
    const sudoku::Sudoku empty(side, side);
    std::uint64_t seed = 0;
    double slowest_us = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(empty.difficulty(fraction, seed++));
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        slowest_us = std::max(slowest_us, took.count());
    }
    state.counters["max_us"] = slowest_us;
    state.SetLabel(std::to_string(side * side) + "x" + std::to_string(side * side) + " f=0." +
                   std::to_string(state.range(1)));
}
BENCHMARK(BM_Generate)
    ->ArgNames({"box", "tenths"})
    ->ArgsProduct({{2, 3, 4, 5, 9}, {5, 9}})
    ->MinTime(1.0)
    ->Unit(benchmark::kMicrosecond);

void BM_Validate81(benchmark::State& state) {
    const sudoku::Sudoku full = sudoku::Sudoku(9, 9).difficulty(0.0, 1);
    bool valid = true;
    for (auto _ : state) {
        valid = full.validate();
        benchmark::DoNotOptimize(valid);
    }
    if (!valid) {
        state.SkipWithError("a generated grid failed the rule check");
    }
}
BENCHMARK(BM_Validate81)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
