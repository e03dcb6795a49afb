// Test boards are easier to read row by row; the game keeps them column-wise.
#pragma once

#include <vector>

#include "sudoku/board.h"

namespace sudoku {

// rows[y][x] as written on paper; 0 for an empty square.
inline Board from_rows(const std::vector<std::vector<int>>& rows) {
    const std::size_t n = rows.size();
    Board board(n, Column(n));
    for (std::size_t y = 0; y < n; ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            if (rows[y][x] != 0) {
                board[x][y] = rows[y][x];
            }
        }
    }
    return board;
}

inline int empty_squares(const Board& board) {
    int count = 0;
    for (const Column& column : board) {
        for (const Cell& cell : column) {
            count += cell ? 0 : 1;
        }
    }
    return count;
}

}  // namespace sudoku
