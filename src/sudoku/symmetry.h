// The moves that keep any Sudoku a Sudoku with as many solutions and the same
// rating: relabelling the numbers, reordering the bands and the rows within
// each, the stacks and the columns within each, and, for square boxes,
// turning rows into columns. Full grids are disguised by them, and banked
// puzzles varied, so that a few seeds give far more boards than a player meets.
#pragma once

#include <random>
#include <vector>

#include "sudoku/board.h"

namespace sudoku {

// The lines of `groups` groups of `size` lines each, in an order that keeps
// every group together: groups shuffled, and lines shuffled within a group.
std::vector<int> shuffled_lines(int groups, int size, std::mt19937_64& rng);

class Symmetry {
  public:
    // One of the board's symmetries, drawn from `rng`.
    Symmetry(BoxSize size, std::mt19937_64& rng);

    // `board` redrawn: its square (x, y) is the old board's square
    // (columns[x], rows[y]), or (rows[y], columns[x]) when transposed,
    // with each number relabelled. Empty squares stay empty.
    [[nodiscard]] Board apply(const Board& board) const;

  private:
    std::vector<Value> labels_;  // labels_[v - 1] is what number v becomes
    std::vector<int> rows_;
    std::vector<int> columns_;
    bool transpose_ = false;
};

}  // namespace sudoku
