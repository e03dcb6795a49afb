// The game, without any GUI: the board, its givens, the box size and the
// difficulty, and every move on them. Each move returns what it did (texts::say
// gives its words); the play session (play.h) decides which move a key makes.
// Every change of a square (a number, a clear, a note) is kept in a history
// that undo and redo walk.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "sudoku/board.h"
#include "sudoku/geometry.h"
#include "sudoku/rules.h"
#include "sudoku/solver.h"

namespace sudoku {

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

// Which kind of move it was: the same outcome has its own words for each.
enum class MoveKind { digit, typed_number, clear, note, fill_notes, undo, redo };

struct Move {
    MoveKind kind;
    Outcome outcome;
    Value value = 0;     // the number placed, typed or noted, when there was one
    Square square = {};  // for undo and redo: the square the step changed
    // For undo and redo: the kind of move that made the step.
    MoveKind changed_by = MoveKind::digit;
    bool operator==(const Move&) const = default;
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
    MoveKind made_by;
    std::vector<SquareChange> squares;
    // Unique within the game: a point of the history knows its step by it.
    std::uint64_t id = 0;
};

// A moment of the history: how many steps lie behind it, and the newest of
// them (0 at the start).
struct HistoryPoint {
    std::size_t depth = 0;
    std::uint64_t newest = 0;
    bool operator==(const HistoryPoint&) const = default;
};

class Game {
  public:
    Game() = default;
    // No notes (an empty `notes`) or one set per square, laid out like the board.
    Game(Board board, Board original, BoxSize size, double difficulty, CandidateBoard notes = {});

    const Board& board() const { return board_; }
    const Board& original() const { return original_; }
    const CandidateBoard& notes() const { return notes_; }
    BoxSize size() const { return geometry_.size(); }
    const Geometry& geometry() const { return geometry_; }
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
    // Reads typed text as a whole number and stores it without the rule check;
    // a given is refused before the text is read.
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
    // The steps that undo would take back, oldest first.
    const std::vector<Change>& done() const { return undo_; }
    HistoryPoint here() const;
    // How many undos (a negative count: redos) lead to `point`; nothing once
    // a change after an undo past it has left it off the history.
    std::optional<long long> steps_to(HistoryPoint point) const;

    long long empty_count() const;
    // Full and keeping the rule.
    bool is_complete() const;

  private:
    Cell& cell(Square square);
    Candidates& note_set(Square square);
    Move placed(MoveKind kind, Square square, Value value);
    // Sets the square to `after`, keeping what it was in `change`.
    void change_square(Change& change, Square square, SquareState after);
    SquareState state(Square square) const;
    void record(Change change);
    Move step(std::vector<Change>& from, std::vector<Change>& to, bool forward);

    Board board_;
    Board original_;
    Geometry geometry_{BoxSize{}};
    double difficulty_ = 0.0;
    CandidateBoard notes_;
    std::vector<Change> undo_;
    std::vector<Change> redo_;
    std::uint64_t last_id_ = 0;
};

}  // namespace sudoku
