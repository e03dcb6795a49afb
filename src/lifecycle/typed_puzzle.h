// A puzzle as players type, paste and share it: one line of characters (1-9,
// then A-Z for 10 and up, . or 0 for empty) for boards up to 25x25, or whole
// numbers separated by blanks or commas for any size. Reading it checks what
// a new game would take for granted: its shape, the rule and a solution.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "sudoku/board.h"

namespace sudoku {

struct TypedPuzzle {
    Board board;
    BoxSize size;
    // Playable all the same, but the player is warned before it starts.
    bool several_solutions = false;
    // Its one solution, when it has one and the search found it in time.
    std::optional<Board> solution;
};

// The puzzle, or the words that refuse it.
std::variant<TypedPuzzle, std::string> read_puzzle(std::string_view text);

// The board in the form read_puzzle reads back to the same board: one line of
// characters up to 25x25, numbers separated by blanks beyond.
std::string puzzle_text(const Board& board);

}  // namespace sudoku
