// The puzzle engine: makes puzzles and judges boards against the Sudoku rule.
//
// A board of Sudoku(d1, d2) has N = d1 * d2 columns and rows. A box is d1
// columns wide (d1 runs across) and d2 rows tall (d2 runs down); there are d2
// boxes side by side and d1 boxes one above the other.
#pragma once

#include <cstdint>

#include "sudoku/board.h"
#include "sudoku/rating.h"

namespace sudoku {

class Sudoku {
  public:
    // An empty board of (d1 * d2) x (d1 * d2) squares. Both constructors throw
    // std::invalid_argument unless d1 and d2 are from 1 to 9.
    Sudoku(int d1, int d2);
    // A puzzle object holding the numbers of `b` (copied).
    Sudoku(int d1, int d2, Board b);

    // A new puzzle: a full solution with std::lround(f * N * N) squares emptied.
    // f is clamped to [0, 1] first (NaN counts as 0). The puzzle has exactly
    // one solution whenever the search finds one with that many empty squares
    // within its work budget; otherwise (too many empty squares for any unique
    // puzzle, or a large board) the closest it found, with further squares
    // emptied at random. Seeded from std::random_device, or from `seed` for
    // repeatable tests; the work budget is counted in steps, not time, so a
    // seed always gives the same puzzle.
    [[nodiscard]] Sudoku difficulty(double f) const;
    [[nodiscard]] Sudoku difficulty(double f, std::uint64_t seed) const;

    // As difficulty(f), with a puzzle whose rating is `level`: always where
    // the share is in level_range() (level_bank.h), drawn from the bank of
    // seeds; elsewhere when one is found within the work budget, otherwise
    // the nearest level found, which level() tells. Level::any gives
    // difficulty(f)'s puzzle.
    [[nodiscard]] Sudoku difficulty(double f, Level level) const;
    [[nodiscard]] Sudoku difficulty(double f, Level level, std::uint64_t seed) const;

    // False when a number stands twice in a row, column or box, when a number
    // lies outside 1..N, or when `board` is not N lists of N cells.
    [[nodiscard]] bool validate() const;

    // The full grid a generated puzzle was cut from; empty for other objects.
    [[nodiscard]] const Board& solution() const { return solution_; }
    // The rating of a puzzle made for a level; Level::any for other objects.
    [[nodiscard]] Level level() const { return level_; }

    int d1() const { return d1_; }
    int d2() const { return d2_; }

    Board board;

  private:
    int d1_;
    int d2_;
    Board solution_;
    Level level_ = Level::any;
};

}  // namespace sudoku
