// What each reading key costs the GUI thread on the largest board, 81x81: the
// answer and its words, as the key computes them. Prints figures; each should
// stay well under 2 ms.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

#include "board/board_reading.h"
#include "board/play.h"
#include "board/texts.h"
#include "sudoku/sudoku.h"

namespace {

using sudoku::Game;
using sudoku::Square;

constexpr int side = 81;
constexpr Square middle{40, 40};

// A fresh puzzle, 30 percent empty, as "Go!" would make it.
const Game& puzzle() {
    static const Game game = [] {
        const sudoku::Sudoku made = sudoku::Sudoku(9, 9).difficulty(0.3, 1);
        return Game(made.board, made.board, {9, 9}, 0.3);
    }();
    return game;
}

// The worst boards: one empty square, just behind the middle, so "e" walks
// the whole board; and a 1 typed into the first square of every row, so the
// rule is broken all over and "w" finds no repeat near its square.
const Game& full_but_one() {
    static const Game game = [] {
        sudoku::Board board = sudoku::Sudoku(9, 9).difficulty(0.0, 1).board;
        board[static_cast<std::size_t>(middle.x - 1)][static_cast<std::size_t>(middle.y)].reset();
        return Game(board, board, {9, 9}, 0.0);
    }();
    return game;
}

const sudoku::Play& clashing_play() {
    static const sudoku::Play play = [] {
        sudoku::Board board = puzzle().board();
        for (int y = 0; y < side; ++y) {
            board[0][static_cast<std::size_t>(y)] = 1;
        }
        sudoku::Play typed(Game(board, puzzle().original(), {9, 9}, 0.3));
        // A number that fits its own row, column and box, refused only
        // because of the typed ones.
        for (int x = side - 1; x > 0 && !typed.refusal(); --x) {
            const Square square{x, middle.y};
            const std::vector<sudoku::Value> fits =
                sudoku::options_for(typed.game(), square).values;
            if (!typed.game().at(square) && !fits.empty()) {
                typed.moved_to(square);
                typed.handle({sudoku::Verb::place, static_cast<int>(fits.front())});
            }
        }
        return typed;
    }();
    return play;
}

const Game& clashing() {
    static const Game& game = clashing_play().game();
    return game;
}

void run(benchmark::State& state, const std::function<std::string()>& answer) {
    std::size_t length = 0;
    for (auto _ : state) {
        const std::string words = answer();
        length = words.size();
        benchmark::DoNotOptimize(words.data());
    }
    state.counters["chars"] = static_cast<double>(length);
}

std::string read(sudoku::Unit unit) {
    const sudoku::Group group = puzzle().geometry().group_of(unit, middle);
    return sudoku::texts::reading(group, sudoku::read_group(puzzle(), group));
}

std::string next_empty(const Game& game) {
    const auto square = sudoku::next_empty(game, middle, true);
    return sudoku::texts::square_announcement(square->x, square->y, game.at(*square));
}

void BM_Row(benchmark::State& state) {
    run(state, [] { return read(sudoku::Unit::row); });
}
void BM_Column(benchmark::State& state) {
    run(state, [] { return read(sudoku::Unit::column); });
}
void BM_Box(benchmark::State& state) {
    run(state, [] { return read(sudoku::Unit::box); });
}
void BM_Missing(benchmark::State& state) {
    run(state, [] { return sudoku::texts::missing(sudoku::missing_around(puzzle(), middle)); });
}
void BM_Options(benchmark::State& state) {
    // An open square, or the answer would only be "is given".
    const Square open = *sudoku::next_empty(puzzle(), middle, true);
    run(state,
        [open] { return sudoku::texts::options(open, sudoku::options_for(puzzle(), open)); });
}
void BM_NextEmpty(benchmark::State& state) {
    run(state, [] { return next_empty(puzzle()); });
}
void BM_NextEmptyWholeBoard(benchmark::State& state) {
    run(state, [] { return next_empty(full_but_one()); });
}
void BM_Clashes(benchmark::State& state) {
    run(state, [] { return sudoku::texts::clashes(sudoku::rule_breaks(puzzle())); });
}
void BM_ClashesEverywhere(benchmark::State& state) {
    run(state, [] { return sudoku::texts::clashes(sudoku::rule_breaks(clashing())); });
}
void BM_WhyElsewhere(benchmark::State& state) {
    if (!clashing_play().refusal()) {
        state.SkipWithError("the digit was not refused");
    }
    run(state, [] {
        return sudoku::texts::explanation(
            sudoku::explain_refusal(clashing(), clashing_play().refusal()));
    });
}
void BM_GoTo(benchmark::State& state) {
    run(state,
        [] { return sudoku::texts::no_such_square(sudoku::read_square(puzzle(), "90 90").typed); });
}

BENCHMARK(BM_Row)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Column)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Box)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Missing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Options)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextEmpty)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NextEmptyWholeBoard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Clashes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClashesEverywhere)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WhyElsewhere)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GoTo)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // The boards are made before any clock runs.
    puzzle();
    full_but_one();
    clashing();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
