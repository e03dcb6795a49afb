#include "sudoku/full_grid.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>
#include <vector>

#include "sudoku/solver.h"
#include "sudoku/symmetry.h"

namespace sudoku {
namespace {

// Up to this size a search draws the grid, which gives the most varied grids;
// beyond it the search gets slow, so a shuffled pattern is used instead.
constexpr int kMaxSearchedN = 16;
// Work one try at a full grid may take, in solver steps, before it starts afresh.
constexpr std::uint64_t kGridSearchBudget = 200'000;

using Grid = Solver::Grid;
using Rng = std::mt19937_64;

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
            board[x][y] = grid[x * n + y];
        }
    }
    return board;
}

}  // namespace

Board full_grid(BoxSize size, Rng& rng) {
    const auto [d1, d2] = size;
    const int n = d1 * d2;
    return to_board(n <= kMaxSearchedN ? searched_grid(d1, d2, rng) : shuffled_pattern(d1, d2, rng),
                    n);
}

}  // namespace sudoku
