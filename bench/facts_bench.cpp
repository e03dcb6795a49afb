// What the whole-board keys cost the GUI thread: f and a number, d, Shift+N,
// Ctrl+arrows, Ctrl+M and Ctrl+Shift+M on the largest board, 81x81 (each
// should stay under 2 ms); x and Ctrl+Backspace, which look for a solution,
// on 9x9 to 25x25 (under 50 ms). Each is timed through Play::handle, words
// included. Prints figures, never pass or fail.
#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "board/board_reading.h"
#include "board/play.h"
#include "sudoku/sudoku.h"

namespace {

using sudoku::Command;
using sudoku::Play;
using sudoku::Square;
using sudoku::Verb;

// A game as "Go!" makes it, `percent` empty, with the solution it was made from when `known`
// (as a file without one gives it, else), and the player's first number wrong
// (it keeps the rule), then `right` right ones: the worst case for x, and for
// Ctrl+Backspace the longest way back.
Play wrong_early(int box, int percent, bool known, int right) {
    const double empty = percent / 100.0;
    const sudoku::Sudoku made = sudoku::Sudoku(box, box).difficulty(empty, 1);
    Play play(sudoku::Game(made.board, made.board, {box, box}, empty), {}, {}, sudoku::Level::any,
              known ? std::optional<sudoku::Board>(made.solution()) : std::nullopt);
    const int n = box * box;
    const auto solved = [&](Square square) {
        return *made.solution()[static_cast<std::size_t>(square.x)]
                               [static_cast<std::size_t>(square.y)];
    };
    bool wrong_placed = false;
    for (int y = 0; y < n && right > 0; ++y) {
        for (int x = 0; x < n && right > 0; ++x) {
            const Square square{x, y};
            if (play.game().at(square)) {
                continue;
            }
            play.moved_to(square);
            if (wrong_placed) {
                play.handle({Verb::type_number}, std::to_string(solved(square)));
                --right;
                continue;
            }
            for (const sudoku::Value fits : sudoku::options_for(play.game(), square).values) {
                if (fits != solved(square)) {
                    play.handle({Verb::type_number}, std::to_string(fits));
                    wrong_placed = true;
                    break;
                }
            }
        }
    }
    return play;
}

// Cost of one command on a copy of `play`, the copy made off the clock.
void timed(benchmark::State& state, const Play& play, std::vector<Command> commands) {
    for (auto _ : state) {
        state.PauseTiming();
        Play copy = play;
        state.ResumeTiming();
        for (const Command& command : commands) {
            benchmark::DoNotOptimize(copy.handle(command));
        }
    }
}

const Play& largest() {
    static const Play play = [] {
        Play made = wrong_early(9, 30, true, 60);
        made.handle({Verb::set_mark});
        // Sixty changes after the mark: Ctrl+Shift+M walks them all back.
        for (int note = 1; note <= 60; ++note) {
            made.moved_to(*sudoku::next_empty(made.game(), made.game().done().back().at, true));
            made.handle({Verb::note, 1 + note % 9});
        }
        made.moved_to({40, 40});
        return made;
    }();
    return play;
}

void BM_FindNumber81(benchmark::State& state) {
    timed(state, largest(), {{Verb::find_number}, {Verb::place, 7}, {Verb::place, 7}});
}
void BM_LeftToPlace81(benchmark::State& state) {
    timed(state, largest(), {{Verb::left_to_place}});
}
void BM_FullestUnits81(benchmark::State& state) {
    timed(state, largest(), {{Verb::fullest_units}});
}
void BM_BoxRight81(benchmark::State& state) {
    timed(state, largest(), {{Verb::box_right}});
}
void BM_SetMark81(benchmark::State& state) {
    timed(state, largest(), {{Verb::set_mark}});
}
void BM_BackToMark60Changes81(benchmark::State& state) {
    timed(state, largest(), {{Verb::back_to_mark}});
}

// x and Ctrl+Backspace by box side, percent empty and whether the solution
// is known; the answer's words are the label.
const Play& early_mistake(const benchmark::State& state) {
    static std::map<std::tuple<int, int, bool>, Play> made;
    const auto key = std::tuple{static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                                state.range(2) != 0};
    auto found = made.find(key);
    if (found == made.end()) {
        const auto [box, percent, known] = key;
        found = made.emplace(key, wrong_early(box, percent, known, 30)).first;
    }
    return found->second;
}

void solving(benchmark::State& state, Verb verb) {
    const Play& play = early_mistake(state);
    Play once = play;
    state.SetLabel(once.handle({verb}).said.front().text);
    timed(state, play, {{verb}});
}
void BM_CheckNumbers(benchmark::State& state) {
    solving(state, Verb::check_numbers);
}
void BM_RewindPast30Changes(benchmark::State& state) {
    solving(state, Verb::rewind);
}

BENCHMARK(BM_FindNumber81)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LeftToPlace81)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullestUnits81)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoxRight81)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetMark81)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BackToMark60Changes81)->Unit(benchmark::kMicrosecond);
// 9x9, 16x16 and 25x25, half or 70 percent empty, the solution known or not.
BENCHMARK(BM_CheckNumbers)
    ->ArgsProduct({{3, 4, 5}, {50, 70}, {1, 0}})
    ->ArgNames({"box", "empty", "known"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RewindPast30Changes)
    ->ArgsProduct({{3, 4, 5}, {50, 70}, {1, 0}})
    ->ArgNames({"box", "empty", "known"})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The largest board is made before any clock runs; the others off the clock.
    largest();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
