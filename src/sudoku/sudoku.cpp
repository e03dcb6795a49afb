#include "sudoku/sudoku.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <utility>

#include "sudoku/full_grid.h"
#include "sudoku/geometry.h"
#include "sudoku/level_bank.h"
#include "sudoku/level_digger.h"
#include "sudoku/rules.h"
#include "sudoku/share_digger.h"

namespace sudoku {
namespace {

// The fewest givens a unique puzzle can have, where that is known: 17 for
// 9x9, 4 for 4x4. Otherwise N - 1: two numbers missing from the givens could
// swap places in any solution.
int fewest_givens(int d1, int d2) {
    if (d1 == 3 && d2 == 3) {
        return 17;
    }
    if (d1 == 2 && d2 == 2) {
        return 4;
    }
    return d1 * d2 - 1;
}

int squares_to_empty(double f, int squares) {
    const double fraction = std::isnan(f) ? 0.0 : std::clamp(f, 0.0, 1.0);
    return static_cast<int>(std::lround(fraction * squares));
}

std::uint64_t random_seed() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) | device();
}

}  // namespace

Sudoku::Sudoku(int d1, int d2) : Sudoku(d1, d2, Board{}) {
    const auto n = static_cast<std::size_t>(d1 * d2);
    board.assign(n, Column(n));
}

Sudoku::Sudoku(int d1, int d2, Board b)
    : board(std::move(b)), d1_(checked_box_side(d1)), d2_(checked_box_side(d2)) {}

Sudoku Sudoku::difficulty(double f) const {
    return difficulty(f, random_seed());
}

Sudoku Sudoku::difficulty(double f, std::uint64_t seed) const {
    return difficulty(f, Level::any, seed);
}

Sudoku Sudoku::difficulty(double f, Level level) const {
    return difficulty(f, level, random_seed());
}

Sudoku Sudoku::difficulty(double f, Level level, std::uint64_t seed) const {
    std::mt19937_64 rng(seed);
    const int n = d1_ * d2_;
    const auto new_grid = [&] { return full_grid({d1_, d2_}, rng); };
    const int holes = squares_to_empty(f, n * n);
    const bool too_many = holes > n * n - fewest_givens(d1_, d2_);
    // The bank's seeds, varied, come first for a level: no search can match
    // them for speed or for meeting the level.
    std::optional<DugPuzzle> banked =
        level == Level::any ? std::nullopt : banked_puzzle({d1_, d2_}, holes, level, rng);
    DugPuzzle made = banked ? std::move(*banked)
                     : level == Level::any
                         ? dig_share({d1_, d2_}, holes, too_many, new_grid, rng)
                         : dig_for_level({d1_, d2_}, holes, level, too_many, new_grid, rng);
    Sudoku puzzle(d1_, d2_, std::move(made.puzzle));
    puzzle.solution_ = std::move(made.solution);
    puzzle.level_ = made.level;
    return puzzle;
}

bool Sudoku::validate() const {
    return keeps_rule(board, {d1_, d2_});
}

}  // namespace sudoku
