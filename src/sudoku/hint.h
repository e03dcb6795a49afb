// A hint: one next step a player can find by logic alone, and why, without
// placing anything: one placement, or one elimination on the way to it, so
// that it can be followed by ear. Built on the solver's candidates; the
// solver also tells whether the player's numbers can still be completed.
#pragma once

#include <optional>
#include <vector>

#include "sudoku/board.h"
#include "sudoku/geometry.h"

namespace sudoku {

// One link of a chain: `number` is (on) or is not (off) at `square`.
struct ChainNode {
    Square square = {};
    int number = 0;
    bool on = false;
    bool operator==(const ChainNode&) const = default;
};

// A deduction that rules numbers out of squares without placing any.
struct Elimination {
    enum class Kind {
        pointing,       // in `unit` (a box), `numbers` can only go in `line` (a row or column)
        claiming,       // in `unit` (a row or column), `numbers` can only go in `line` (a box)
        naked_pair,     // in `unit`, the squares `holders` can only take `numbers`
        hidden_pair,    // in `unit`, `numbers` can only go at `holders`
        naked_triple,   // as naked_pair, with three squares
        hidden_triple,  // as hidden_pair, with three numbers
        x_wing,         // in the lines `bases`, numbers[0] can only go in the lines `covers`
        swordfish,      // as x_wing, with three lines each
        xy_wing,        // holders {pivot, pincer, pincer}, numbers {x, y, z}: the pivot takes x
                        // or y, the first pincer x or z, the second y or z
        naked_quad,     // as naked_pair, with four squares
        hidden_quad,    // as hidden_pair, with four numbers
        colouring,      // `chain`: one number, every link the only two places in a unit
        x_chain,        // `chain`: one number, alternately the only two places and a shared unit
        xy_chain,       // `chain`: squares that can take two numbers, each seeing the next
        forcing_chain,  // `chain`: what follows from chain[0] on, up to a square left with
                        // nothing (`stuck`) or numbers[0] with no place left in `line`
    } kind = Kind::pointing;
    Group unit = {};
    Group line = {};
    std::vector<int> numbers = {};
    std::vector<Square> holders = {};
    std::vector<Square> ruled_out = {};  // the squares that lose...
    std::vector<int> removed = {};       // ...these numbers
    std::vector<Group> bases = {};
    std::vector<Group> covers = {};
    std::vector<ChainNode> chain = {};
    std::optional<Square> stuck = {};
    bool operator==(const Elimination&) const = default;
};

struct Hint {
    enum class Kind {
        none,             // the board is full
        place,            // `number` goes at `square`
        eliminate,        // `step` rules numbers out, on the way to a placement
        from_solution,    // no step by logic is left: `number` at `square` is what a solution
                          // that keeps the player's numbers has there
        cannot_complete,  // no solution keeps the player's numbers; `number` at `square` is one to
                          // check
        no_solution,      // no step by logic is left and no solution was found in time
    } kind = Kind::none;
    Square square = {};
    Value number = 0;
    // place: the unit where `square` is the only place for `number`; nothing
    // when `number` is the only number that fits the square.
    std::optional<Group> only_place = {};
    // eliminate: the step, with only the squares and numbers the placement
    // after it needs ruled out.
    Elimination step = {};
    bool operator==(const Hint&) const = default;
};

// What a hint is asked on: the board, its givens, and what is known besides.
struct HintAsk {
    const Board& board;
    const Board& original;
    BoxSize size;
    // The steps already said on this very board, in order: the hint goes on
    // after them (an elimination counts as done, a placement as made) and
    // never says one again.
    const std::vector<Hint>& told;
    // The solution the puzzle was made from, when known. While the player's
    // numbers agree with it, it answers for the board at once: on large
    // boards the search for a solution may take longer than a key press may.
    const Board* solution = nullptr;
};

// The next step on the board: a single (a square with one number left, or a
// number with one square left in a unit) when there is one; else the first
// elimination, by the easiest technique that gives one, that the next single
// needs.
Hint find_hint(const HintAsk& ask);
// The same with nothing told and no solution known.
Hint find_hint(const Board& board, const Board& original, BoxSize size);

}  // namespace sudoku
