// The game's history: each change of squares, walked back by undo and forth by redo.
#include "board/game.h"

#include <utility>

namespace sudoku {

SquareState Game::state(Square square) const {
    return {at(square), notes_at(square)};
}

void Game::change_square(Change& change, Square square, SquareState after) {
    SquareState before = state(square);
    if (before == after) {
        return;
    }
    cell(square) = after.cell;
    note_set(square) = after.notes;
    change.squares.push_back({square, std::move(before), std::move(after)});
}

void Game::record(Change change) {
    if (change.squares.empty()) {
        return;
    }
    change.id = ++last_id_;
    undo_.push_back(std::move(change));
    redo_.clear();
}

// Moves the newest step of `from` onto `to`, setting its squares as they were
// after it (forward) or before it.
Move Game::step(std::vector<Change>& from, std::vector<Change>& to, bool forward) {
    const MoveKind kind = forward ? MoveKind::redo : MoveKind::undo;
    if (from.empty()) {
        return {kind, forward ? Outcome::nothing_to_redo : Outcome::nothing_to_undo};
    }
    Change change = std::move(from.back());
    from.pop_back();
    const auto set = [this](const SquareChange& square, const SquareState& to_state) {
        cell(square.square) = to_state.cell;
        note_set(square.square) = to_state.notes;
    };
    if (forward) {
        for (const SquareChange& square : change.squares) {
            set(square, square.after);
        }
    } else {
        for (auto it = change.squares.rbegin(); it != change.squares.rend(); ++it) {
            set(*it, it->before);
        }
    }
    const Square where = change.at;
    const MoveKind made_by = change.made_by;
    to.push_back(std::move(change));
    return {kind, forward ? Outcome::redone : Outcome::undone, 0, where, made_by};
}

Move Game::undo() {
    return step(undo_, redo_, false);
}

Move Game::redo() {
    return step(redo_, undo_, true);
}

HistoryPoint Game::here() const {
    return {undo_.size(), undo_.empty() ? 0 : undo_.back().id};
}

std::optional<long long> Game::steps_to(HistoryPoint point) const {
    const auto done = static_cast<long long>(undo_.size());
    const auto depth = static_cast<long long>(point.depth);
    if (depth == 0) {
        // The start of the history is on every line of it.
        return done;
    }
    const auto ahead = depth - done;  // steps to redo, when above 0
    if (ahead > static_cast<long long>(redo_.size())) {
        return std::nullopt;
    }
    // The redo list keeps the step undone last at its back.
    const Change& step = ahead <= 0 ? undo_[static_cast<std::size_t>(depth - 1)]
                                    : redo_[redo_.size() - static_cast<std::size_t>(ahead)];
    if (step.id != point.newest) {
        return std::nullopt;
    }
    return done - depth;
}

}  // namespace sudoku
