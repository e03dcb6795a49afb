// Puzzles of a chosen level: squares are emptied only while the ladder up to
// that level still fills the board, which keeps the puzzle unique and rated
// at once, with no search for other solutions.
#pragma once

#include <cstdint>
#include <functional>
#include <random>

#include "sudoku/dug_board.h"

namespace sudoku {

// Work the generator may spend on climbs and searches, in their steps. Set with
// bench/puzzle_bench so that the slowest board and level stays well under
// the 150 ms from "Go!" to the first square; counted in work rather than
// time, so a seed gives the same puzzle on any machine.
constexpr std::uint64_t kLevelBudget = 4'000'000;

// A puzzle with exactly `holes` empty squares cut from grids that `new_grid`
// makes, rated `level` when one is found within the work budget; otherwise
// the nearest level found (Level::any when it needed random holes): a lower one when the holes are
// too few for `level`, a higher one when they are too many. `too_many` says the holes are more than
// any puzzle with one solution can have: one grid is dug then, as further grids could only cost
// time. `work` is the budget: the game's own, or a larger one for the bank of
// seed puzzles, made ahead of play.
DugPuzzle dig_for_level(BoxSize size, int holes, Level level, bool too_many,
                        const std::function<Board()>& new_grid, std::mt19937_64& rng,
                        std::uint64_t work = kLevelBudget);

}  // namespace sudoku
