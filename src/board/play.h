// A game in play, without any GUI: the game, the cursor and the digit last
// refused. Every rule of play lives here: which move a command makes, where
// the cursor goes (the edge of the board, undo and redo), how long a refusal
// is remembered, when the game is won. handle() answers each command with all
// the front end needs: the words, the cursor, the squares to draw again, and
// what to do next.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include <chrono>

#include "board/board_reading.h"
#include "board/clock.h"
#include "board/commands.h"
#include "board/earcons.h"
#include "board/game.h"
#include "board/texts.h"
#include "board/typed_digits.h"
#include "sudoku/hint.h"
#include "sudoku/rating.h"

namespace sudoku {

// What the front end does besides showing the words.
enum class Effect { none, save, go_home, zoom_in, zoom_out, zoom_reset, settings, copy_board };

struct Answer {
    // What the player is told, in order: spoken, or shown in a message box
    // when it has a title.
    std::vector<texts::Feedback> said;
    // The earcons to play as the words are said, in order.
    std::vector<Earcon> sounds;
    // Not empty: the command needs typed text first. The front end asks with
    // this prompt and hands the command back with what was typed.
    std::string ask;
    bool cursor_moved = false;    // cursor() is on another square now
    std::vector<Square> changed;  // squares whose number changed
    bool modified = false;        // a number or a note changed: the game to keep is new
    bool won = false;             // the board is full and keeps the rule
    Effect effect = Effect::none;
};

class Play {
  public:
    Play() = default;
    // `played`: the time already spent on the game; `level`: the level its
    // puzzle was made for, any when it was made for none; `solution`: the one
    // it was made from, when known (a new game, or a saved one that kept it),
    // for the hint.
    explicit Play(Game game, Square cursor = {}, std::chrono::seconds played = {},
                  Level level = Level::any, std::optional<Board> solution = std::nullopt);

    const Game& game() const { return game_; }
    Square cursor() const { return cursor_; }
    const std::optional<Refusal>& refusal() const { return refusal_; }
    Clock& clock() { return clock_; }
    const Clock& clock() const { return clock_; }
    Level level() const { return level_; }
    const std::optional<Board>& solution() const { return solution_; }
    // Digits typed on the board wait for more: the front end ends the number
    // after the pause, and before the grid moves the cursor itself.
    bool typing() const { return typing_.typing(); }

    // `typed`: what the player typed when the command asked for it.
    Answer handle(Command command, std::optional<std::string_view> typed = std::nullopt);
    // The board moved the cursor itself (a click, the grid's own keys).
    Answer moved_to(Square square);
    // The first words of a board: the square under the cursor, after `notice`
    // when there is one, in one text that nothing cuts off.
    Answer start(std::string_view notice) const;

    // What the verb does, as the key help says it ("%d" for its number).
    static std::string_view description(Verb verb);

  private:
    // One row of the command table: a verb, its description, what it does.
    struct Entry;
    static const Entry table_[];
    static const Entry& entry(Verb verb);

    // The digit keys, their Ctrl notes, and the keys that end, shorten or
    // drop a typed number: answered here while they belong to the number,
    // nothing when the command does its own work.
    std::optional<Answer> type(Command command);
    // The next digit of a number or a note; a new one ends the other kind first.
    std::optional<Answer> type_digit(Verb verb, int digit);
    Answer typed(TypedDigits::Step step);
    // The number typed so far placed or noted; nothing when none is typed.
    Answer end_typing();
    // A number judged by the rule; a refusal is kept for "why".
    Answer place(int number);
    Answer type_number(std::optional<std::string_view> typed);
    Answer clear();
    Answer count() const;
    // One square along; at the edge the square is said again.
    Answer arrow(int dx, int dy);
    // To the same square of the next box that way; at the edge as arrow().
    Answer box_arrow(int dx, int dy);
    // The cursor to the square, which is said (without its position when
    // `with_position` is false); the square it stands on already is said
    // again, so no key goes unanswered.
    Answer move_to(Square square, bool with_position = true);
    Answer moved_to(Square square, bool with_position);
    Answer next_empty(bool forward);
    Answer go_to(std::optional<std::string_view> typed);
    Answer say_square(bool with_position = true) const;
    // What a move did: its words, the square drawn again, a win.
    Answer report(const Move& move);
    // The winning words and the way home, when the move filled the board.
    void complete(Answer& answer) const;
    // The puzzle's level: the one it was made for, else its rating, found once.
    Answer say_level();
    // The next step, after those already said on this board.
    Answer hint();
    // Where the number stands, and how many are left to place.
    Answer where_is(int number) const;
    // The wrong numbers counted, against the solution the hint follows.
    Answer check_numbers() const;
    // Undoes back to the newest board of the history without a wrong number.
    Answer rewind();
    Answer back_to_mark();
    // `steps` undos (redos when below 0) at once: the cursor on the square of
    // the last, said after `words` in the same text.
    Answer walk(long long steps, std::string words);

    Game game_;
    Square cursor_;
    TypedDigits typing_;
    Verb typing_verb_ = Verb::place;  // place, note, or find_number for f's number
    // f was pressed: the next digit starts the number to find.
    bool finding_ = false;
    // Where the player asked to come back to, while this game is played.
    std::optional<HistoryPoint> mark_;
    std::optional<Refusal> refusal_;
    // A given refused by its sound alone: the words it stood in for, which w says.
    std::optional<std::string> given_unsaid_;
    Clock clock_;
    Level level_ = Level::any;
    std::optional<Level> rated_;
    std::optional<Board> solution_;
    // The hint's steps said so far, and the board they were said on: the
    // player's notes need not hold them, and a change of the board ends them.
    std::vector<Hint> told_;
    Board told_on_;
};

// Words only, spoken.
Answer spoken(std::string text);
// `first`, then `then`: the words of both, what either changed, and what
// `then` does next.
Answer joined(Answer first, Answer then);

}  // namespace sudoku
