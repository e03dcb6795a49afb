// Puzzles with a share of their squares empty and one solution, whatever
// their level.
#pragma once

#include <functional>
#include <random>

#include "sudoku/dug_board.h"

namespace sudoku {

// A puzzle with exactly `holes` empty squares cut from grids that `new_grid`
// makes, with one solution when one is found within the work budget;
// otherwise the one with the most holes found, with further squares emptied
// at random. `too_many` says the holes are more than any puzzle with one
// solution can have: one grid is dug then, as further grids could only cost
// time.
DugPuzzle dig_share(BoxSize size, int holes, bool too_many, const std::function<Board()>& new_grid,
                    std::mt19937_64& rng);

}  // namespace sudoku
