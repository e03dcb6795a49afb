// The board as the game holds it: N columns of N cells, board[x][y] with x the
// column and y the row, both from 0. Only an empty optional is an empty square;
// 0 is a number like any other.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace sudoku {

using Value = std::int64_t;
using Cell = std::optional<Value>;
using Column = std::vector<Cell>;
using Board = std::vector<Column>;

// The box size as the game state carries it: first dimension, then second.
struct BoxSize {
    int first = 0;
    int second = 0;
    bool operator==(const BoxSize&) const = default;
};

}  // namespace sudoku
