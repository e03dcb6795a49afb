// Undo, redo, notes and the hint, timed on the boards they must stay quick on:
// undo, redo and notes at 81x81, the hint from 9x9 to 81x81.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "board/game.h"
#include "board/play.h"
#include "sudoku/sudoku.h"

namespace {

sudoku::Game puzzle_game(int box, double fraction, std::uint64_t seed) {
    const sudoku::Sudoku puzzle = sudoku::Sudoku(box, box).difficulty(fraction, seed);
    return sudoku::Game(puzzle.board, puzzle.board, {box, box}, fraction);
}

// The first empty square in board order.
sudoku::Square first_open(const sudoku::Game& game) {
    for (int x = 0;; ++x) {
        for (int y = 0; y < static_cast<int>(game.board().size()); ++y) {
            if (!game.at({x, y})) {
                return {x, y};
            }
        }
    }
}

const sudoku::Game& big_game() {
    static const sudoku::Game game = puzzle_game(9, 0.5, 1);
    return game;
}

// A number placed where every neighbour has notes, so placing it and undoing
// it touch the most squares.
void BM_UndoRedoPlacement81(benchmark::State& state) {
    sudoku::Game game = big_game();
    const sudoku::Square square = first_open(game);
    game.fill_notes(square);
    game.place_typed(square, "1");
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.undo());
        benchmark::DoNotOptimize(game.redo());
    }
    state.SetLabel("one undo and one redo");
}
BENCHMARK(BM_UndoRedoPlacement81)->Unit(benchmark::kMicrosecond);

void BM_PlaceWithNotes81(benchmark::State& state) {
    sudoku::Game game = big_game();
    const sudoku::Square square = first_open(game);
    game.fill_notes(square);
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.place_typed(square, "1"));
        game.undo();
    }
    state.SetLabel("a typed number and its undo");
}
BENCHMARK(BM_PlaceWithNotes81)->Unit(benchmark::kMicrosecond);

void BM_ToggleNote81(benchmark::State& state) {
    sudoku::Game game = big_game();
    const sudoku::Square square = first_open(game);
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.toggle_note(square, 5));
    }
}
BENCHMARK(BM_ToggleNote81)->Unit(benchmark::kMicrosecond);

void BM_FillNotes81(benchmark::State& state) {
    sudoku::Game game = big_game();
    const sudoku::Square square = first_open(game);
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.fill_notes(square));
        game.undo();
    }
    state.SetLabel("Ctrl+N and its undo");
}
BENCHMARK(BM_FillNotes81)->Unit(benchmark::kMicrosecond);

// Several fresh puzzles per size, one h each per round, from the key to the
// words, with the solution a new game keeps.
void BM_Hint(benchmark::State& state) {
    const int box = static_cast<int>(state.range(0));
    const double fraction = static_cast<double>(state.range(1)) / 10.0;
    std::vector<sudoku::Sudoku> puzzles;
    for (std::uint64_t seed = 1; seed <= (box > 5 ? 3 : 10); ++seed) {
        puzzles.push_back(sudoku::Sudoku(box, box).difficulty(fraction, seed));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const sudoku::Sudoku& puzzle = puzzles[next++ % puzzles.size()];
        sudoku::Play play(sudoku::Game(puzzle.board, puzzle.board, {box, box}, fraction), {}, {},
                          sudoku::Level::any, puzzle.solution());
        state.ResumeTiming();
        benchmark::DoNotOptimize(play.handle({sudoku::Verb::hint}));
    }
    state.SetLabel(std::to_string(box * box) + "x" + std::to_string(box * box) + " " +
                   std::to_string(state.range(1) * 10) + " percent empty");
}
BENCHMARK(BM_Hint)
    ->ArgNames({"box", "tenths"})
    ->ArgsProduct({{3}, {5, 7}})
    ->ArgsProduct({{6, 7}, {7, 9}})
    ->Args({8, 6})
    ->ArgsProduct({{9}, {5, 7}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
