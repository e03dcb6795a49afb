#include "board/play.h"

#include <utility>

#include "board/board_facts.h"
#include "board/settings.h"
#include "board/texts.h"

namespace sudoku {
namespace {

bool sounds_instead() {
    return settings().sounds == SoundsPlay::instead_of_words;
}

// An arrow that stayed on its square met the edge: the edge sounds rather
// than the square, which is said again.
Answer at_edge(Answer answer) {
    if (!answer.cursor_moved) {
        answer.sounds = {Earcon::edge};
    }
    return answer;
}

}  // namespace

Answer spoken(std::string text) {
    Answer answer;
    answer.said.push_back({std::move(text), {}});
    return answer;
}

Play::Play(Game game, Square cursor, std::chrono::seconds played, Level level,
           std::optional<Board> solution)
    : game_(std::move(game)),
      cursor_(cursor),
      clock_(played),
      level_(level),
      solution_(std::move(solution)) {}

Answer Play::moved_to(Square square) {
    return moved_to(square, true);
}

Answer Play::moved_to(Square square, bool with_position) {
    if (!game_.contains(square)) {
        return {};
    }
    if (square != cursor_) {
        // A refused digit is explained only while the cursor stays on its square.
        refusal_.reset();
        given_unsaid_.reset();
        cursor_ = square;
    }
    Answer answer;
    // With the sounds instead of words the sound tells an empty square, a
    // given or notes, and the words keep the position and the number.
    std::string words = sounds_instead() ? texts::announce_briefly(game_, cursor_, with_position)
                                         : texts::announce(game_, cursor_, with_position);
    if (!words.empty()) {
        answer.said.push_back({std::move(words), {}, true});
    }
    answer.sounds.push_back(square_earcon(game_, cursor_));
    return answer;
}

Answer Play::place(int number) {
    const Move move = game_.place_digit(cursor_, number);
    refusal_.reset();
    if (move.outcome == Outcome::breaks_rule) {
        refusal_ = Refusal{cursor_, number};
    }
    return report(move);
}

Answer Play::type_number(std::optional<std::string_view> typed) {
    // A given is refused at once: there is nothing to type.
    if (game_.is_given(cursor_)) {
        return report({MoveKind::typed_number, Outcome::given});
    }
    if (!typed) {
        Answer answer;
        answer.ask = texts::enter_number();
        return answer;
    }
    return report(game_.place_typed(cursor_, *typed));
}

Answer Play::clear() {
    return report(game_.clear(cursor_));
}

Answer Play::count() const {
    return spoken(texts::empty_count(game_.empty_count()));
}

Answer Play::arrow(int dx, int dy) {
    const Square to{cursor_.x + dx, cursor_.y + dy};
    return at_edge(move_to(game_.contains(to) ? to : cursor_,
                           settings().arrows == ArrowsSay::position_and_square));
}

Answer Play::box_arrow(int dx, int dy) {
    return at_edge(move_to(box_step(game_.geometry(), cursor_, dx, dy),
                           settings().arrows == ArrowsSay::position_and_square));
}

Answer Play::move_to(Square square, bool with_position) {
    const bool moving = square != cursor_;
    Answer answer = moved_to(square, with_position);
    answer.cursor_moved = moving;
    return answer;
}

Answer Play::next_empty(bool forward) {
    if (const auto square = sudoku::next_empty(game_, cursor_, forward)) {
        return move_to(*square);
    }
    return spoken(texts::empty_count(0));
}

Answer Play::go_to(std::optional<std::string_view> typed) {
    if (!typed) {
        Answer answer;
        answer.ask = texts::go_to_prompt();
        return answer;
    }
    const TypedSquare target = read_square(game_, *typed, settings().squares);
    switch (target.kind) {
        case TypedSquare::Kind::on_board:
            return move_to(target.square);
        case TypedSquare::Kind::off_board:
            return spoken(texts::no_such_square(target.typed));
        case TypedSquare::Kind::nothing:
            break;
    }
    return {};
}

Answer Play::start(std::string_view notice) const {
    Answer answer = say_square();
    if (!notice.empty()) {
        answer.said.front().text.insert(0, std::string(notice).append(" "));
        // A message now: no next square may cut it off.
        answer.said.front().square = false;
    }
    return answer;
}

Answer Play::say_square(bool with_position) const {
    Answer answer;
    answer.said.push_back({texts::announce(game_, cursor_, with_position), {}, true});
    return answer;
}

Answer Play::report(const Move& move) {
    Answer answer;
    const bool stepped = move.outcome == Outcome::undone || move.outcome == Outcome::redone;
    // An undo or redo takes the cursor to its square, and says the square
    // there; filling the notes changed the whole board and leaves the cursor.
    if (stepped && move.changed_by != MoveKind::fill_notes && move.square != cursor_) {
        refusal_.reset();
        cursor_ = move.square;
        answer.cursor_moved = true;
    }
    switch (move.outcome) {
        case Outcome::placed:
        case Outcome::cleared:
        case Outcome::notes_cleared:
        case Outcome::note_added:
        case Outcome::note_removed:
        case Outcome::notes_filled:
        case Outcome::undone:
        case Outcome::redone:
            answer.modified = true;
            break;
        default:
            break;
    }
    const Square changed = stepped ? move.square : cursor_;
    if (answer.modified && refusal_ && refusal_->square == changed) {
        // The square changed since: the old refusal no longer explains it.
        refusal_.reset();
    }
    // A given (to change or to clear) or a number against the rule.
    const bool refusal = move.outcome == Outcome::given || move.outcome == Outcome::breaks_rule;
    if (refusal) {
        answer.sounds.push_back(Earcon::refused);
    }
    // With the sounds instead of words a refusal is its sound alone; w
    // still explains it.
    given_unsaid_.reset();
    if (texts::Feedback words = texts::say(move, game_); refusal && sounds_instead()) {
        if (move.outcome == Outcome::given) {
            given_unsaid_ = std::move(words.text);
        }
    } else if (!words.text.empty()) {
        answer.said.push_back(std::move(words));
    }
    const bool placed = move.outcome == Outcome::placed;
    // The win has its own sound.
    if (placed && !game_.is_complete() && finishes_unit(game_, cursor_)) {
        answer.sounds.push_back(Earcon::unit_done);
    }
    if (placed || move.outcome == Outcome::cleared ||
        (stepped && move.changed_by != MoveKind::fill_notes)) {
        answer.changed.push_back(stepped ? move.square : cursor_);
    }
    if (placed || (stepped && game_.at(move.square))) {
        complete(answer);
    }
    return answer;
}

Answer Play::say_level() {
    if (level_ != Level::any) {
        return spoken(texts::level_said(level_));
    }
    if (!rated_) {
        rated_ = rate(game_.original(), game_.size());
    }
    return spoken(texts::level_said(*rated_));
}

Answer Play::hint() {
    if (told_on_ != game_.board()) {
        told_.clear();
        told_on_ = game_.board();
    }
    const HintAsk ask{game_.board(), game_.original(), game_.size(), told_,
                      solution_ ? &*solution_ : nullptr};
    Hint next = find_hint(ask);
    if (next.kind == Hint::Kind::none && !told_.empty()) {
        // Every step left has been said: round again from the first.
        told_.clear();
        next = find_hint(ask);
    }
    if (next.kind == Hint::Kind::place || next.kind == Hint::Kind::eliminate ||
        next.kind == Hint::Kind::from_solution) {
        told_.push_back(next);
    }
    return spoken(texts::hint(next));
}

void Play::complete(Answer& answer) const {
    if (!game_.is_complete()) {
        return;
    }
    answer.sounds.push_back(Earcon::win);
    answer.said.push_back({std::string(texts::completed()), texts::wow()});
    answer.won = true;
    answer.effect = Effect::go_home;
}

}  // namespace sudoku
