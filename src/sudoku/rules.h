// What the board commands decide, without any GUI: whether a number may go
// into a square, how many squares are empty, whether the game is won, and how
// typed text becomes a number.
#pragma once

#include <optional>
#include <string_view>

#include "sudoku/board.h"
#include "sudoku/geometry.h"

namespace sudoku {

// The rule: every number from 1 to N, none twice in a row, column or box.
// False as well when `board` is not N columns of N squares.
bool keeps_rule(const Board& board, BoxSize size);
// Whether the square's own number breaks it: outside 1 to N, or standing again
// in the square's row, column or box. False for an empty square.
bool breaks_rule_at(const Board& board, const Geometry& geometry, Square square);

bool is_given(const Board& original, int x, int y);

enum class Verdict { accepted, given, breaks_rule };

// Judges `f` in board[x][y] on a trial copy; `board` itself is never touched.
Verdict judge_candidate(const Board& board, const Board& original, BoxSize size, int x, int y,
                        Value f);

long long count_empty(const Board& board);

// True when the board keeps the rule and has no empty square. Any failure of
// the rule check counts as not complete.
bool is_complete(const Board& board, BoxSize size) noexcept;

// The text without the blanks around it.
std::string_view trimmed(std::string_view text);

struct TypedNumber {
    // nothing: blanks only, a change of mind rather than a mistake.
    enum class Kind { nothing, not_a_number, below_one, too_large, number } kind;
    Value value = 0;
};

// A whole number in decimal, blanks around it and a leading sign allowed;
// letters anywhere, a decimal point or an exponent make it not a number.
TypedNumber read_typed_number(std::string_view text);

}  // namespace sudoku
