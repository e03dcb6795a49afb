// New full grids for the generator to dig puzzles out of.
#pragma once

#include <random>

#include "sudoku/board.h"

namespace sudoku {

// A full grid drawn from `rng`: by a search where that is quick enough, else a
// known-valid pattern disguised by shuffling.
Board full_grid(BoxSize size, std::mt19937_64& rng);

}  // namespace sudoku
