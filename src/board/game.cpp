#include "board/game.h"

#include <utility>

namespace sudoku {

Game::Game(Board board, Board original, BoxSize size, double difficulty, CandidateBoard notes)
    : board_(std::move(board)),
      original_(std::move(original)),
      geometry_(size),
      difficulty_(difficulty),
      notes_(std::move(notes)) {
    if (notes_.empty()) {
        notes_.assign(board_.size(),
                      std::vector<Candidates>(board_.empty() ? 0 : board_[0].size()));
    }
}

bool Game::contains(Square square) const {
    return geometry_.contains(square);
}

const Cell& Game::at(Square square) const {
    return board_.at(static_cast<std::size_t>(square.x)).at(static_cast<std::size_t>(square.y));
}

Cell& Game::cell(Square square) {
    return board_.at(static_cast<std::size_t>(square.x)).at(static_cast<std::size_t>(square.y));
}

bool Game::is_given(Square square) const {
    return sudoku::is_given(original_, square.x, square.y);
}

bool Game::breaks_rule(Square square) const {
    return breaks_rule_at(board_, geometry_, square);
}

Verdict Game::judge(Square square, Value value) const {
    return judge_candidate(board_, original_, size(), square.x, square.y, value);
}

Move Game::placed(MoveKind kind, Square square, Value value) {
    Change change{square, kind, {}};
    change_square(change, square, {value, {}});
    if (value >= 1 && value <= static_cast<Value>(board_.size())) {
        const auto bit = static_cast<std::size_t>(value - 1);
        geometry_.for_each_peer(square, [&](Square peer) {
            if (note_set(peer).test(bit)) {
                change_square(change, peer, {at(peer), Candidates(note_set(peer)).reset(bit)});
            }
        });
    }
    record(std::move(change));
    return {kind, Outcome::placed, value};
}

Move Game::place_digit(Square square, int digit) {
    switch (judge(square, digit)) {
        case Verdict::given:
            return {MoveKind::digit, Outcome::given, digit};
        case Verdict::breaks_rule:
            return {MoveKind::digit, Outcome::breaks_rule, digit};
        case Verdict::accepted:
            break;
    }
    return placed(MoveKind::digit, square, digit);
}

Move Game::place_typed(Square square, std::string_view text) {
    if (is_given(square)) {
        return {MoveKind::typed_number, Outcome::given};
    }
    const TypedNumber number = read_typed_number(text);
    using Kind = TypedNumber::Kind;
    switch (number.kind) {
        case Kind::nothing:
            return {MoveKind::typed_number, Outcome::nothing_typed};
        case Kind::not_a_number:
            return {MoveKind::typed_number, Outcome::not_a_number};
        case Kind::below_one:
            return {MoveKind::typed_number, Outcome::below_one, number.value};
        case Kind::too_large:
            return {MoveKind::typed_number, Outcome::too_large};
        case Kind::number:
            break;
    }
    return placed(MoveKind::typed_number, square, number.value);
}

Move Game::clear(Square square) {
    const bool notes_only = !at(square);
    if (notes_only && notes_at(square).none()) {
        return {MoveKind::clear, Outcome::nothing_to_clear};
    }
    if (is_given(square)) {
        return {MoveKind::clear, Outcome::given};
    }
    // A number goes first; an empty square loses its notes.
    Change change{square, MoveKind::clear, {}};
    change_square(change, square, {std::nullopt, notes_only ? Candidates() : notes_at(square)});
    record(std::move(change));
    return {MoveKind::clear, notes_only ? Outcome::notes_cleared : Outcome::cleared};
}

long long Game::empty_count() const {
    return count_empty(board_);
}

bool Game::is_complete() const {
    return sudoku::is_complete(board_, size());
}

}  // namespace sudoku
