#include "sudoku/sudoku.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

#include "sudoku/level_digger.h"
#include "sudoku/rules.h"
#include "sudoku/solver.h"

namespace sudoku {
namespace {

// Up to this size a search draws the grid, which gives the most varied grids;
// beyond it the search gets slow, so a shuffled pattern is used instead.
constexpr int kMaxSearchedN = 16;
// Work one try at a full grid may take, in solver steps, before it starts afresh.
constexpr std::uint64_t kGridSearchBudget = 200'000;

// A grid as digits 1..N, 0 for an empty square, cell x * N + y.
using Grid = std::vector<int>;
using Rng = std::mt19937_64;

int checked_side(int d) {
    if (d < 1 || d > largest_box_side) {
        throw std::invalid_argument("a box side must be from 1 to 9");
    }
    return d;
}

// A full grid drawn at random by the solver. A search that goes astray can
// take very long to recover; starting afresh after a bounded amount of work
// keeps every run short.
Grid searched_grid(int d1, int d2, Rng& rng) {
    Solver solver(d1, d2);
    solver.set_budget(kGridSearchBudget);
    const Grid empty(static_cast<std::size_t>(d1 * d2 * d1 * d2), 0);
    for (;;) {
        if (std::optional<Grid> grid = solver.random_solution(empty, rng)) {
            return *grid;
        }
    }
}

// The lines of `groups` groups of `size` lines each, in an order that keeps
// every group together: groups shuffled, and lines shuffled within a group.
std::vector<int> shuffled_lines(int groups, int size, Rng& rng) {
    std::vector<int> group_order(static_cast<std::size_t>(groups));
    std::iota(group_order.begin(), group_order.end(), 0);
    std::shuffle(group_order.begin(), group_order.end(), rng);
    std::vector<int> lines;
    lines.reserve(static_cast<std::size_t>(groups * size));
    for (const int group : group_order) {
        const auto first = lines.end() - lines.begin();
        for (int i = 0; i < size; ++i) {
            lines.push_back(group * size + i);
        }
        std::shuffle(lines.begin() + first, lines.end(), rng);
    }
    return lines;
}

// A known-valid grid disguised by the moves that keep any grid valid: relabel
// the digits, reorder bands and the rows in each, stacks and the columns in each.
Grid shuffled_pattern(int d1, int d2, Rng& rng) {
    const int n = d1 * d2;
    std::vector<int> labels(static_cast<std::size_t>(n));
    std::iota(labels.begin(), labels.end(), 1);
    std::shuffle(labels.begin(), labels.end(), rng);
    const std::vector<int> rows = shuffled_lines(d1, d2, rng);
    const std::vector<int> cols = shuffled_lines(d2, d1, rng);
    Grid grid(static_cast<std::size_t>(n * n));
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            // Each row is the one above shifted by a box width, and each band
            // by one more, so rows, columns and boxes all come out complete.
            const int r = rows[y];
            grid[x * n + y] = labels[(d1 * (r % d2) + r / d2 + cols[x]) % n];
        }
    }
    return grid;
}

Board to_board(const Grid& grid, int n) {
    Board board(static_cast<std::size_t>(n), Column(static_cast<std::size_t>(n)));
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            if (grid[x * n + y] != 0) {
                board[x][y] = grid[x * n + y];
            }
        }
    }
    return board;
}

// A new full grid, drawn by a search where that is quick enough.
Grid full_grid(int d1, int d2, Rng& rng) {
    return d1 * d2 <= kMaxSearchedN ? searched_grid(d1, d2, rng) : shuffled_pattern(d1, d2, rng);
}

// Work the generator may spend on uniqueness checks, in solver steps. Set
// with bench/board_timing so that "Go!" to the first spoken square stays well
// under 150 ms on every board size; a count of work rather than a clock
// keeps a seed's puzzle the same on any machine.
constexpr std::uint64_t kGenerationBudget = 10'000'000;
// Fresh grids tried when digging one stalls short of the asked count.
constexpr int kMaxAttempts = 40;

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

// Empties squares of a full grid one by one, in random order, keeping only
// the removals after which the puzzle still has one solution.
class Digger {
  public:
    Digger(int d1, int d2)
        : geometry_({d1, d2}), n_(d1 * d2), has_(static_cast<std::size_t>(3 * n_)) {}

    const Grid& puzzle() const { return puzzle_; }

    // Returns how many squares it emptied, at most `holes`. Spends solver work
    // from `budget`; once that is gone only removals that a lone step of
    // reasoning undoes are kept.
    int dig(const Grid& grid, int holes, std::uint64_t& budget, Rng& rng) {
        puzzle_ = grid;
        for (Candidates& unit : has_) {
            unit.reset();
        }
        for (int cell = 0; cell < n_ * n_; ++cell) {
            toggle(cell, grid[static_cast<std::size_t>(cell)]);
        }
        std::vector<int> order(static_cast<std::size_t>(n_ * n_));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        int dug = 0;
        for (const int cell : order) {
            if (dug == holes) {
                break;
            }
            const int number = puzzle_[static_cast<std::size_t>(cell)];
            puzzle_[static_cast<std::size_t>(cell)] = 0;
            toggle(cell, number);
            bool unique = forced(cell, number);
            if (!unique && budget > 0) {
                if (!solver_) {
                    solver_.emplace(geometry_.box_width(), geometry_.box_height());
                }
                solver_->set_budget(budget);
                // The puzzle had one solution; it still has exactly one unless
                // another number fits this square.
                const int others = solver_->count(puzzle_, 1, {cell, number});
                budget -= std::min(budget, solver_->steps());
                if (solver_->out_of_budget()) {
                    budget = 0;
                } else {
                    unique = others == 0;
                }
            }
            if (unique) {
                ++dug;
            } else {
                puzzle_[static_cast<std::size_t>(cell)] = number;
                toggle(cell, number);
            }
        }
        return dug;
    }

  private:
    // Columns, then rows, then boxes, as the solver numbers its units.
    int unit(int cell, int k) const {
        const int x = cell / n_;
        const int y = cell % n_;
        return k == 0 ? x : k == 1 ? n_ + y : 2 * n_ + geometry_.box_of({x, y});
    }

    void toggle(int cell, int number) {
        for (int k = 0; k < 3; ++k) {
            has_[static_cast<std::size_t>(unit(cell, k))].flip(
                static_cast<std::size_t>(number - 1));
        }
    }

    bool sees(int cell, int number) const {
        for (int k = 0; k < 3; ++k) {
            if (has_[static_cast<std::size_t>(unit(cell, k))]
                    [static_cast<std::size_t>(number - 1)]) {
                return true;
            }
        }
        return false;
    }

    // Whether the givens alone put `number` back into the emptied `cell`: the
    // square sees every other number, or no other empty square of one of its
    // units can take `number`. Such a removal keeps the puzzle unique, with no
    // search.
    bool forced(int cell, int number) const {
        const int x = cell / n_;
        const int y = cell % n_;
        const int box = geometry_.box_of({x, y});
        const Candidates seen = has_[static_cast<std::size_t>(x)] |
                                has_[static_cast<std::size_t>(n_ + y)] |
                                has_[static_cast<std::size_t>(2 * n_ + box)];
        if (static_cast<int>(seen.count()) == n_ - 1) {
            return true;
        }
        for (int k = 0; k < 3; ++k) {
            bool alone = true;
            for (int i = 0; i < n_ && alone; ++i) {
                const Square in_box = geometry_.square_in({Unit::box, box}, i);
                const int other = k == 0   ? x * n_ + i
                                  : k == 1 ? i * n_ + y
                                           : in_box.x * n_ + in_box.y;
                alone = other == cell || puzzle_[static_cast<std::size_t>(other)] != 0 ||
                        sees(other, number);
            }
            if (alone) {
                return true;
            }
        }
        return false;
    }

    Geometry geometry_;
    int n_;
    Grid puzzle_;
    std::vector<Candidates> has_;  // the numbers given in each unit
    std::optional<Solver> solver_;
};

int squares_to_empty(double f, int squares) {
    const double fraction = std::isnan(f) ? 0.0 : std::clamp(f, 0.0, 1.0);
    return static_cast<int>(std::lround(fraction * squares));
}

}  // namespace

Sudoku::Sudoku(int d1, int d2) : Sudoku(d1, d2, Board{}) {
    const auto n = static_cast<std::size_t>(d1 * d2);
    board.assign(n, Column(n));
}

Sudoku::Sudoku(int d1, int d2, Board b)
    : board(std::move(b)), d1_(checked_side(d1)), d2_(checked_side(d2)) {}

namespace {

std::uint64_t random_seed() {
    std::random_device device;
    return (std::uint64_t{device()} << 32) | device();
}

}  // namespace

Sudoku Sudoku::difficulty(double f) const {
    return difficulty(f, random_seed());
}

Sudoku Sudoku::difficulty(double f, Level level) const {
    return difficulty(f, level, random_seed());
}

Sudoku Sudoku::difficulty(double f, Level level, std::uint64_t seed) const {
    if (level == Level::any) {
        return difficulty(f, seed);
    }
    Rng rng(seed);
    const int n = d1_ * d2_;
    const auto new_grid = [&] { return to_board(full_grid(d1_, d2_, rng), n); };
    const int holes = squares_to_empty(f, n * n);
    LevelPuzzle made = dig_for_level({d1_, d2_}, holes, level,
                                     holes > n * n - fewest_givens(d1_, d2_), new_grid, rng);
    Sudoku puzzle(d1_, d2_, std::move(made.puzzle));
    puzzle.solution_ = std::move(made.solution);
    puzzle.level_ = made.level;
    return puzzle;
}

Sudoku Sudoku::difficulty(double f, std::uint64_t seed) const {
    Rng rng(seed);
    const int n = d1_ * d2_;
    const int squares = n * n;
    const int holes = squares_to_empty(f, squares);
    const auto make_grid = [&] { return full_grid(d1_, d2_, rng); };

    Grid best_grid = make_grid();
    Grid best = best_grid;
    int best_dug = 0;
    if (holes > 0) {
        Digger digger(d1_, d2_);
        std::uint64_t budget = kGenerationBudget;
        // Past the known limit no unique puzzle exists: one pass still gives a
        // puzzle with few solutions, further passes would only cost time.
        const int attempts = holes <= squares - fewest_givens(d1_, d2_) ? kMaxAttempts : 1;
        for (int attempt = 0; attempt < attempts && best_dug < holes; ++attempt) {
            Grid grid = attempt == 0 ? best_grid : make_grid();
            const int dug = digger.dig(grid, holes, budget, rng);
            if (dug > best_dug) {
                best_dug = dug;
                best = digger.puzzle();
                best_grid = std::move(grid);
            }
            if (budget == 0) {
                break;
            }
        }
    }

    // Short of a unique puzzle with that many empty squares, the best one
    // found loses further squares at random, so the count stays as asked.
    if (best_dug < holes) {
        std::vector<int> filled;
        for (int cell = 0; cell < squares; ++cell) {
            if (best[static_cast<std::size_t>(cell)] != 0) {
                filled.push_back(cell);
            }
        }
        std::shuffle(filled.begin(), filled.end(), rng);
        for (int i = 0; i < holes - best_dug; ++i) {
            best[static_cast<std::size_t>(filled[static_cast<std::size_t>(i)])] = 0;
        }
    }

    Sudoku puzzle(d1_, d2_, to_board(best, n));
    puzzle.solution_ = to_board(best_grid, n);
    return puzzle;
}

bool Sudoku::validate() const {
    return keeps_rule(board, {d1_, d2_});
}

}  // namespace sudoku
