#include "sudoku/symmetry.h"

#include <algorithm>
#include <numeric>

namespace sudoku {

std::vector<int> shuffled_lines(int groups, int size, std::mt19937_64& rng) {
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

Symmetry::Symmetry(BoxSize size, std::mt19937_64& rng) {
    const auto [d1, d2] = size;
    labels_.resize(static_cast<std::size_t>(d1 * d2));
    std::iota(labels_.begin(), labels_.end(), Value{1});
    std::shuffle(labels_.begin(), labels_.end(), rng);
    // Rows come in d1 bands of d2 rows, columns in d2 stacks of d1 columns.
    rows_ = shuffled_lines(d1, d2, rng);
    columns_ = shuffled_lines(d2, d1, rng);
    transpose_ = d1 == d2 && std::bernoulli_distribution(0.5)(rng);
}

Board Symmetry::apply(const Board& board) const {
    const std::size_t n = board.size();
    Board out(n, Column(n));
    for (std::size_t x = 0; x < n; ++x) {
        for (std::size_t y = 0; y < n; ++y) {
            const auto from_x = static_cast<std::size_t>(columns_[x]);
            const auto from_y = static_cast<std::size_t>(rows_[y]);
            const Cell& cell = transpose_ ? board[from_y][from_x] : board[from_x][from_y];
            if (cell && *cell >= 1 && *cell <= static_cast<Value>(labels_.size())) {
                out[x][y] = labels_[static_cast<std::size_t>(*cell - 1)];
            }
        }
    }
    return out;
}

}  // namespace sudoku
