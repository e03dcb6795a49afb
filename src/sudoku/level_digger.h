// Puzzles of a chosen level: squares are emptied only while the ladder up to
// that level still fills the board, which keeps the puzzle unique and rated
// at once, with no search for other solutions.
#pragma once

#include <functional>
#include <random>

#include "sudoku/dug_board.h"

namespace sudoku {

// A puzzle with exactly `holes` empty squares cut from grids that `new_grid`
// makes, rated `level` when one is found within the work budget; otherwise
// the nearest level found (Level::any when it needed random holes): a lower one when the holes are
// too few for `level`, a higher one when they are too many. `too_many` says the holes are more than
// any puzzle with one solution can have: one grid is dug then, as further grids could only cost
// time.
DugPuzzle dig_for_level(BoxSize size, int holes, Level level, bool too_many,
                        const std::function<Board()>& new_grid, std::mt19937_64& rng);

}  // namespace sudoku
