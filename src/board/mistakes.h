// The player's numbers judged against a solution, without saying where: how
// many are wrong, and how far back the history the board last had none.
#pragma once

#include <cstddef>
#include <optional>

#include "board/game.h"

namespace sudoku {

// The solution the player's numbers are judged by, the one the hint follows:
// `known` (the puzzle's own) while the numbers agree with it; else one that
// keeps every number, when the search finds one in time; else one that keeps
// as many as the search finds in time, starting from `known` or a solution
// of the givens alone. Nothing when no solution is found at all.
std::optional<Board> judging_solution(const Game& game, const Board* known);

// The player's numbers that differ from `solution`.
long long wrong_numbers(const Game& game, const Board& solution);

// How many undos lead back to the newest board of the history on which no
// number of the player's differs from `solution`: 0 when this board is one;
// nothing when no board of the history is.
std::optional<std::size_t> undos_to_right_board(const Game& game, const Board& solution);

}  // namespace sudoku
