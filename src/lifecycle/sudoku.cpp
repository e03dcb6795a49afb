#include "lifecycle/sudoku.h"

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cmath>
#include <numeric>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

namespace sudoku {
namespace {

constexpr int kMaxSide = 9;
constexpr int kMaxN = kMaxSide * kMaxSide;
// Up to this size a search draws the grid, which gives the most varied grids;
// beyond it the search gets slow, so a shuffled pattern is used instead.
constexpr int kMaxSearchedN = 16;

// A filled grid as digits 1..N, cell x * N + y.
using Grid = std::vector<int>;
using Rng = std::mt19937_64;

int checked_side(int d) {
    if (d < 1 || d > kMaxSide) {
        throw std::invalid_argument("a box side must be from 1 to 9");
    }
    return d;
}

// Boxes are numbered row by row: d2 of them stand side by side.
int box_of(int x, int y, int d1, int d2) {
    return (y / d2) * d2 + x / d1;
}

// Randomised depth-first search that fills an empty grid, always trying the
// square with the fewest candidates first and the digits in random order.
class GridSearch {
  public:
    GridSearch(int d1, int d2, Rng& rng) : n_(d1 * d2), rng_(rng) {
        for (int cell = 0; cell < n_ * n_; ++cell) {
            col_of_[cell] = static_cast<std::uint8_t>(cell / n_);
            row_of_[cell] = static_cast<std::uint8_t>(cell % n_);
            box_at_[cell] = static_cast<std::uint8_t>(box_of(cell / n_, cell % n_, d1, d2));
        }
    }

    Grid run() {
        // A search that goes astray can take very long to recover; starting
        // afresh after a bounded number of dead ends keeps every run short.
        do {
            digits_.fill(0);
            row_used_.fill(0);
            col_used_.fill(0);
            box_used_.fill(0);
            dead_ends_ = 0;
        } while (!fill());
        return Grid(digits_.begin(), digits_.begin() + n_ * n_);
    }

  private:
    static constexpr int kCells = kMaxSearchedN * kMaxSearchedN;
    static constexpr int kDeadEndBudget = 2 * kCells;

    std::uint32_t candidates(int cell) const {
        const std::uint32_t used =
            row_used_[row_of_[cell]] | col_used_[col_of_[cell]] | box_used_[box_at_[cell]];
        return ~used & ((std::uint32_t{1} << n_) - 1);
    }

    void toggle(int cell, int digit) {
        const std::uint32_t bit = std::uint32_t{1} << digit;
        row_used_[row_of_[cell]] ^= bit;
        col_used_[col_of_[cell]] ^= bit;
        box_used_[box_at_[cell]] ^= bit;
    }

    bool fill() {
        int best = -1;
        std::uint32_t best_mask = 0;
        int best_count = n_ + 1;
        for (int cell = 0; cell < n_ * n_ && best_count > 1; ++cell) {
            if (digits_[cell] != 0) {
                continue;
            }
            const std::uint32_t mask = candidates(cell);
            const int count = std::popcount(mask);
            if (count < best_count) {
                best = cell;
                best_mask = mask;
                best_count = count;
            }
        }
        if (best < 0) {
            return true;
        }
        std::array<int, kMaxSearchedN> order{};
        int count = 0;
        for (std::uint32_t m = best_mask; m != 0; m &= m - 1) {
            order[count++] = std::countr_zero(m);
        }
        std::shuffle(order.begin(), order.begin() + count, rng_);
        for (int i = 0; i < count; ++i) {
            toggle(best, order[i]);
            digits_[best] = static_cast<std::uint8_t>(order[i] + 1);
            if (fill()) {
                return true;
            }
            digits_[best] = 0;
            toggle(best, order[i]);
            if (++dead_ends_ > kDeadEndBudget) {
                return false;
            }
        }
        return false;
    }

    int n_;
    Rng& rng_;
    std::array<std::uint8_t, kCells> digits_{};  // 0 for an empty square
    std::array<std::uint8_t, kCells> col_of_{};
    std::array<std::uint8_t, kCells> row_of_{};
    std::array<std::uint8_t, kCells> box_at_{};
    std::array<std::uint32_t, kMaxSearchedN> row_used_{};
    std::array<std::uint32_t, kMaxSearchedN> col_used_{};
    std::array<std::uint32_t, kMaxSearchedN> box_used_{};
    int dead_ends_ = 0;
};

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
            board[x][y] = grid[x * n + y];
        }
    }
    return board;
}

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

Sudoku Sudoku::difficulty(double f) const {
    std::random_device device;
    const std::uint64_t seed = (std::uint64_t{device()} << 32) | device();
    return difficulty(f, seed);
}

Sudoku Sudoku::difficulty(double f, std::uint64_t seed) const {
    Rng rng(seed);
    const int n = d1_ * d2_;
    const Grid grid =
        n <= kMaxSearchedN ? GridSearch(d1_, d2_, rng).run() : shuffled_pattern(d1_, d2_, rng);
    Sudoku puzzle(d1_, d2_, to_board(grid, n));
    puzzle.solution_ = puzzle.board;

    // The first `holes` entries of a partial Fisher-Yates shuffle are a
    // uniformly drawn set of squares.
    const int squares = n * n;
    const int holes = squares_to_empty(f, squares);
    std::vector<int> order(static_cast<std::size_t>(squares));
    std::iota(order.begin(), order.end(), 0);
    for (int i = 0; i < holes; ++i) {
        std::uniform_int_distribution<int> pick(i, squares - 1);
        std::swap(order[i], order[pick(rng)]);
        puzzle.board[order[i] / n][order[i] % n].reset();
    }
    return puzzle;
}

bool Sudoku::validate() const {
    const int n = d1_ * d2_;
    if (board.size() != static_cast<std::size_t>(n)) {
        return false;
    }
    // Numbers seen so far in each row and box; a column is done in one pass.
    std::array<std::bitset<kMaxN>, kMaxN> rows{};
    std::array<std::bitset<kMaxN>, kMaxN> boxes{};
    for (int x = 0; x < n; ++x) {
        const Column& column = board[x];
        if (column.size() != static_cast<std::size_t>(n)) {
            return false;
        }
        std::bitset<kMaxN> in_column;
        for (int y = 0; y < n; ++y) {
            const Cell& cell = column[y];
            if (!cell) {
                continue;
            }
            if (*cell < 1 || *cell > n) {
                return false;
            }
            const auto bit = static_cast<std::size_t>(*cell - 1);
            std::bitset<kMaxN>& row = rows[y];
            std::bitset<kMaxN>& box = boxes[box_of(x, y, d1_, d2_)];
            if (in_column[bit] || row[bit] || box[bit]) {
                return false;
            }
            in_column.set(bit);
            row.set(bit);
            box.set(bit);
        }
    }
    return true;
}

}  // namespace sudoku
