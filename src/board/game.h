// The game in play, without any GUI: the board, its givens, the box size and
// the difficulty, and every move on them. Each move returns what it did; the
// window only reads the cursor, asks for a move and reports the answer
// (texts::say gives its words).
#pragma once

#include <string_view>

#include "board/board.h"
#include "board/rules.h"

namespace sudoku {

// A square: x the column, y the row, both from 0.
struct Square {
    int x = 0;
    int y = 0;
    bool operator==(const Square&) const = default;
};

enum class Outcome {
    placed,           // a checked digit or a typed number now stands in the square
    given,            // the square is a given; nothing changed
    breaks_rule,      // the number would repeat one in its row, column or box
    nothing_typed,    // the number box was left empty: a change of mind
    not_a_number,     // the text is not a whole number
    below_one,        // a typed number below 1
    too_large,        // a typed number too large to store
    cleared,          // the player's number was taken away
    nothing_to_clear  // the square was empty already
};

// Which command a move came from: the same outcome has its own words for each.
enum class Command { digit, typed_number, clear };

struct Move {
    Command command;
    Outcome outcome;
    Value value = 0;  // the number placed or typed, when there was one
    bool operator==(const Move&) const = default;
};

class Game {
  public:
    Game() = default;
    Game(Board board, Board original, BoxSize size, double difficulty);

    const Board& board() const { return board_; }
    const Board& original() const { return original_; }
    BoxSize size() const { return size_; }
    double difficulty() const { return difficulty_; }

    // True when the square lies on the board.
    bool contains(Square square) const;
    const Cell& at(Square square) const;
    bool is_given(Square square) const;
    // True when the square's number is outside 1..side or repeats in its row,
    // column or box: a number placed by typing it is not checked.
    bool breaks_rule(Square square) const;

    // Whether `value` may go into the square, judged without changing anything.
    Verdict judge(Square square, Value value) const;
    // Stores a number the digit keys may place: judged first, as the keys are.
    Move place_digit(Square square, int digit);
    // Reads typed text as a whole number and stores it without the rule check.
    Move place_typed(Square square, std::string_view text);
    Move clear(Square square);

    long long empty_count() const;
    // Full and keeping the rule.
    bool is_complete() const;

  private:
    Cell& cell(Square square);
    Move placed(Command command, Square square, Value value);

    Board board_;
    Board original_;
    BoxSize size_;
    double difficulty_ = 0.0;
};

}  // namespace sudoku
