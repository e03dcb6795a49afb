// What a sighted player takes in at a glance, as answers to ask by ear: a row,
// column or box read out, the numbers it lacks, what a square can take, where
// the rule is broken, why a digit was refused, the next empty square. Each is
// a read-only query on the game; texts.h gives its words.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/game.h"
#include "board/settings.h"

namespace sudoku {

// What the group holds, in reading order.
std::vector<Cell> read_group(const Game& game, Group group);

// The numbers from 1 to N that a group does not hold yet, for the square's
// row, column and box.
struct Missing {
    Group group;
    std::vector<Value> values;
    bool operator==(const Missing&) const = default;
};
std::array<Missing, 3> missing_around(const Game& game, Square square);

// The numbers from 1 to N that no other square of the square's row, column or
// box holds: the player's own number in the square itself is no obstacle.
struct Options {
    bool given = false;  // a given takes nothing; `values` is then empty
    std::vector<Value> values;
    bool operator==(const Options&) const = default;
};
Options options_for(const Game& game, Square square);

// The next empty square after `from` in reading order (or the one before it,
// going back), wrapping round the board; `from` itself comes last.
std::optional<Square> next_empty(const Game& game, Square from, bool forward);

// A number twice in one group: at `first` and at `second`, in reading order.
struct Clash {
    Value value = 0;
    Group group;
    Square first;
    Square second;
    bool operator==(const Clash&) const = default;
};

// Every clash on the board: rows first, then columns, then boxes. A number
// three times in a group clashes with each later one from its first place.
std::vector<Clash> clashes(const Game& game);

// A number the board cannot hold: outside 1 to N (only a typed one can be).
struct Outside {
    Value value = 0;
    Square square;
    bool operator==(const Outside&) const = default;
};
// Every such number, in reading order.
std::vector<Outside> outside_range(const Game& game);

// Everything that breaks the rule on the board, as k tells it.
struct RuleBreaks {
    std::vector<Clash> clashes;
    std::vector<Outside> outside;
    int side = 0;  // N
};
RuleBreaks rule_breaks(const Game& game);

// A digit the rule refused, and the square it was meant for.
struct Refusal {
    Square square;
    Value value = 0;
    bool operator==(const Refusal&) const = default;
};

// Why the last refused digit was refused, while its square is still the one
// the play session remembers: the digit is beyond the board's numbers, it already
// stands in the square's row, column or box (the first found, in that order),
// or the board breaks the rule elsewhere, by a clash or by a typed number
// outside 1 to N.
struct Explanation {
    enum class Kind {
        nothing,
        digit_too_large,
        already_there,
        board_breaks_rule,
        outside_range
    } kind = Kind::nothing;
    // digit_too_large: `value` is the digit. already_there: `value` is the
    // digit, `first` where it stands, `second` the refused square.
    // board_breaks_rule: the board's first clash. outside_range: `value` and
    // `first` are the first such number and its square, `second` unused.
    Clash clash;
    int side = 0;  // N, for digit_too_large and outside_range
    bool operator==(const Explanation&) const = default;
};
Explanation explain_refusal(const Game& game, const std::optional<Refusal>& refusal);

// A square typed by the player in the form the game says squares in: its
// column, then its row, counted from 1, apart by blanks or a comma ("12 40"),
// the row first ("40 12"), or the column's letters and the row ("L40",
// "l 40"). Blank text is a change of mind.
struct TypedSquare {
    enum class Kind { nothing, on_board, off_board } kind = Kind::nothing;
    Square square;      // on_board: where to go
    std::string typed;  // off_board: what was typed, without the blanks around it
    bool operator==(const TypedSquare&) const = default;
};
TypedSquare read_square(const Game& game, std::string_view text,
                        SquareForm form = SquareForm::column_row);

}  // namespace sudoku
