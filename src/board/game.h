// The game in play, without any GUI: the board, its givens, the box size and
// the difficulty, and every move on them. Each move returns what it did; the
// window only reads the cursor, asks for a move and reports the answer
// (texts::say gives its words). Every change of a square (a number, a clear,
// a note) is kept in a history that undo and redo walk.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "board/rules.h"
#include "lifecycle/solver.h"

namespace sudoku {

// A square: x the column, y the row, both from 0.
struct Square {
    int x = 0;
    int y = 0;
    bool operator==(const Square&) const = default;
};

enum class Outcome {
    placed,            // a checked digit or a typed number now stands in the square
    given,             // the square is a given; nothing changed
    breaks_rule,       // the number would repeat one in its row, column or box
    nothing_typed,     // the number box was left empty: a change of mind
    not_a_number,      // the text is not a whole number
    below_one,         // a typed number below 1
    too_large,         // a typed number too large to store
    cleared,           // the player's number was taken away
    notes_cleared,     // the empty square's notes were taken away
    nothing_to_clear,  // the square was empty, without notes, already
    note_added,
    note_removed,
    not_empty,  // a note asked for on a given or a filled square
    notes_filled,
    undone,
    redone,
    nothing_to_undo,
    nothing_to_redo
};

// Which command a move came from: the same outcome has its own words for each.
enum class Command { digit, typed_number, clear, note, fill_notes, undo, redo };

struct Move {
    Command command;
    Outcome outcome;
    Value value = 0;     // the number placed, typed or noted, when there was one
    Square square = {};  // for undo and redo: the square the step changed
    // For undo and redo: the command that made the step.
    Command changed_by = Command::digit;
    bool operator==(const Move&) const = default;
};

// A digit the rule refused, and the square it was meant for.
struct Refusal {
    Square square;
    Value value = 0;
    bool operator==(const Refusal&) const = default;
};

// One step of the history: each square it changed, before and after.
struct SquareState {
    Cell cell;
    Candidates notes;
    bool operator==(const SquareState&) const = default;
};
struct SquareChange {
    Square square;
    SquareState before;
    SquareState after;
};
struct Change {
    Square at;  // where the cursor goes when the step is undone or redone
    Command made_by;
    std::vector<SquareChange> squares;
};

class Game {
  public:
    Game() = default;
    // No notes (an empty `notes`) or one set per square, laid out like the board.
    Game(Board board, Board original, BoxSize size, double difficulty, CandidateBoard notes = {});

    const Board& board() const { return board_; }
    const Board& original() const { return original_; }
    const CandidateBoard& notes() const { return notes_; }
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
    // A digit the rule refuses is remembered until the next digit or until
    // forget_refusal, so the player can ask why.
    Move place_digit(Square square, int digit);
    // Reads typed text as a whole number and stores it without the rule check.
    Move place_typed(Square square, std::string_view text);
    Move clear(Square square);

    // Notes: numbers the player keeps in mind for an empty square. Placing a
    // number drops the square's notes and that number from its row, column and box.
    const Candidates& notes_at(Square square) const;
    Move toggle_note(Square square, int number);
    // Every empty square gets the numbers its row, column and box leave open;
    // `cursor` is where the cursor was, for undo.
    Move fill_notes(Square cursor);

    // A new change empties the redo list; a new or loaded game has no history.
    Move undo();
    Move redo();

    long long empty_count() const;
    // Full and keeping the rule.
    bool is_complete() const;

    const std::optional<Refusal>& last_refusal() const { return refusal_; }
    // The cursor has left the refused square: there is nothing left to explain.
    void forget_refusal() { refusal_.reset(); }

  private:
    Cell& cell(Square square);
    Candidates& note_set(Square square);
    Move placed(Command command, Square square, Value value);
    // Each other square of the square's column, row and box, once.
    void for_each_peer(Square square, const std::function<void(Square)>& visit) const;
    // Sets the square to `after`, keeping what it was in `change`.
    void change_square(Change& change, Square square, SquareState after);
    SquareState state(Square square) const;
    void record(Change change);
    Move step(std::vector<Change>& from, std::vector<Change>& to, bool forward);

    Board board_;
    Board original_;
    BoxSize size_;
    double difficulty_ = 0.0;
    std::optional<Refusal> refusal_;
    CandidateBoard notes_;
    std::vector<Change> undo_;
    std::vector<Change> redo_;
};

}  // namespace sudoku
