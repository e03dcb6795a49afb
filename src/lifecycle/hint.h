// A hint: one next step a player can find by logic alone, and why, without
// placing anything. Built on the solver's candidates; the solver also tells
// whether the player's numbers can still be completed at all.
#pragma once

#include <optional>
#include <vector>

#include "board/board.h"
#include "board/board_reading.h"
#include "board/game.h"

namespace sudoku {

// A deduction that rules numbers out of squares without placing any.
struct Elimination {
    enum class Kind {
        pointing,     // in `unit` (a box), `numbers` can only go in `line` (a row or column)
        claiming,     // in `unit` (a row or column), `numbers` can only go in `line` (a box)
        naked_pair,   // in `unit`, the squares `holders` can only take `numbers`
        hidden_pair,  // in `unit`, `numbers` can only go at `holders`
    } kind = Kind::pointing;
    Group unit = {};
    Group line = {};
    std::vector<int> numbers = {};
    std::vector<Square> holders = {};
    std::vector<Square> ruled_out = {};  // the squares that lose...
    std::vector<int> removed = {};       // ...these numbers
    bool operator==(const Elimination&) const = default;
};

struct Hint {
    enum class Kind {
        none,             // no step found
        place,            // `number` goes at `square`
        cannot_complete,  // no solution keeps the player's numbers; `number` at `square` is one to
                          // check
    } kind = Kind::none;
    Square square = {};
    Value number = 0;
    // place: the unit where `square` is the only place for `number`; nothing
    // when `number` is the only number that fits the square.
    std::optional<Group> only_place = {};
    // place: what had to be ruled out first, in order.
    std::vector<Elimination> steps = {};
    bool operator==(const Hint&) const = default;
};

// The next step on `board`, whose givens are `original`: a single (a square
// with one number left, or a number with one square left in a unit), found
// after as few eliminations (pointing, claiming, pairs) as it needs.
Hint find_hint(const Board& board, const Board& original, BoxSize size);

}  // namespace sudoku
