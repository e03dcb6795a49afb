// The game's notes (pencil marks).
#include "board/game.h"

namespace sudoku {

const Candidates& Game::notes_at(Square square) const {
    return notes_.at(static_cast<std::size_t>(square.x)).at(static_cast<std::size_t>(square.y));
}

Candidates& Game::note_set(Square square) {
    return notes_.at(static_cast<std::size_t>(square.x)).at(static_cast<std::size_t>(square.y));
}

Move Game::toggle_note(Square square, int number) {
    if (at(square)) {
        return {MoveKind::note, Outcome::not_empty, number};
    }
    if (number < 1 || number > static_cast<int>(board_.size())) {
        return {MoveKind::note, Outcome::breaks_rule, number};
    }
    const auto bit = static_cast<std::size_t>(number - 1);
    const bool adding = !notes_at(square).test(bit);
    Change change{square, MoveKind::note, {}};
    change_square(change, square, {std::nullopt, Candidates(notes_at(square)).flip(bit)});
    record(std::move(change));
    return {MoveKind::note, adding ? Outcome::note_added : Outcome::note_removed, number};
}

Move Game::fill_notes(Square cursor) {
    const CandidateBoard open = Solver(size().first, size().second).candidates(board_);
    Change change{cursor, MoveKind::fill_notes, {}};
    for (std::size_t x = 0; x < open.size(); ++x) {
        for (std::size_t y = 0; y < open[x].size(); ++y) {
            const Square square{static_cast<int>(x), static_cast<int>(y)};
            if (!at(square)) {
                change_square(change, square, {std::nullopt, open[x][y]});
            }
        }
    }
    record(std::move(change));
    return {MoveKind::fill_notes, Outcome::notes_filled};
}

}  // namespace sudoku
