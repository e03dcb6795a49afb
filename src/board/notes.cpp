// The game's notes (pencil marks) and the squares that share a unit.
#include "board/game.h"

namespace sudoku {

const Candidates& Game::notes_at(Square square) const {
    return notes_.at(static_cast<std::size_t>(square.x)).at(static_cast<std::size_t>(square.y));
}

Candidates& Game::note_set(Square square) {
    return notes_.at(static_cast<std::size_t>(square.x)).at(static_cast<std::size_t>(square.y));
}

void Game::for_each_peer(Square square, const std::function<void(Square)>& visit) const {
    const int n = static_cast<int>(board_.size());
    const int left = square.x / size_.first * size_.first;
    const int top = square.y / size_.second * size_.second;
    for (int i = 0; i < n; ++i) {
        if (i != square.y) {
            visit({square.x, i});
        }
        if (i != square.x) {
            visit({i, square.y});
        }
    }
    // The box's squares outside the square's own column and row.
    for (int x = left; x < left + size_.first; ++x) {
        for (int y = top; y < top + size_.second; ++y) {
            if (x != square.x && y != square.y) {
                visit({x, y});
            }
        }
    }
}

Move Game::toggle_note(Square square, int number) {
    if (at(square)) {
        return {Command::note, Outcome::not_empty, number};
    }
    if (number < 1 || number > static_cast<int>(board_.size())) {
        return {Command::note, Outcome::breaks_rule, number};
    }
    const auto bit = static_cast<std::size_t>(number - 1);
    const bool adding = !notes_at(square).test(bit);
    Change change{square, Command::note, {}};
    change_square(change, square, {std::nullopt, Candidates(notes_at(square)).flip(bit)});
    record(std::move(change));
    return {Command::note, adding ? Outcome::note_added : Outcome::note_removed, number};
}

Move Game::fill_notes(Square cursor) {
    const CandidateBoard open = Solver(size_.first, size_.second).candidates(board_);
    Change change{cursor, Command::fill_notes, {}};
    for (std::size_t x = 0; x < open.size(); ++x) {
        for (std::size_t y = 0; y < open[x].size(); ++y) {
            const Square square{static_cast<int>(x), static_cast<int>(y)};
            if (!at(square)) {
                change_square(change, square, {std::nullopt, open[x][y]});
            }
        }
    }
    record(std::move(change));
    return {Command::fill_notes, Outcome::notes_filled};
}

}  // namespace sudoku
