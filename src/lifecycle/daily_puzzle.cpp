#include "lifecycle/daily_puzzle.h"

#include <array>
#include <cstdint>

#include "board/texts.h"
#include "sudoku/sudoku.h"

namespace sudoku {
namespace {

// The share of empty squares each level's day gets, inside its level's range.
double daily_share(Level level) {
    switch (level) {
        case Level::easy:
            return 0.5;
        case Level::medium:
        case Level::hard:
            return 0.6;
        default:
            return 0.7;
    }
}

// The date mixed into a seed (SplitMix64's finaliser), so that neighbouring
// days give unrelated puzzles.
std::uint64_t seed_of(Day day) {
    std::uint64_t z = static_cast<std::uint64_t>(day.year) * 10000 +
                      static_cast<std::uint64_t>(day.month) * 100 +
                      static_cast<std::uint64_t>(day.day);
    z += 0x9e3779b97f4a7c15ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

Level daily_level(Day day) {
    static constexpr std::array<Level, 7> by_weekday = {Level::easy,   Level::easy, Level::medium,
                                                        Level::medium, Level::hard, Level::hard,
                                                        Level::expert};
    return by_weekday[static_cast<std::size_t>(weekday(day))];
}

NewGame make_daily(Day day) {
    const Level level = daily_level(day);
    const double share = daily_share(level);
    const Sudoku puzzle = Sudoku(3, 3).difficulty(share, level, seed_of(day));
    return {Play(Game(puzzle.board, puzzle.board, {3, 3}, share), {}, {}, puzzle.level(),
                 puzzle.solution()),
            texts::daily_said(weekday(day), day.day, day.month, puzzle.level())};
}

}  // namespace sudoku
