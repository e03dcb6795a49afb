#include "board/earcons.h"

#include <vector>

namespace sudoku {
namespace {

// Every square of the group holds a number from 1 to N, none twice.
bool full_and_kept(const Game& game, Group group) {
    const int side = game.geometry().n();
    std::vector<bool> seen(static_cast<std::size_t>(side) + 1, false);
    for (const Square square : game.geometry().squares_of(group)) {
        const Cell& cell = game.at(square);
        if (!cell || *cell < 1 || *cell > side || seen[static_cast<std::size_t>(*cell)]) {
            return false;
        }
        seen[static_cast<std::size_t>(*cell)] = true;
    }
    return true;
}

}  // namespace

Earcon square_earcon(const Game& game, Square square) {
    if (game.at(square)) {
        return game.is_given(square) ? Earcon::given : Earcon::own_number;
    }
    return game.notes_at(square).none() ? Earcon::empty : Earcon::notes;
}

bool finishes_unit(const Game& game, Square square) {
    for (const Group group : game.geometry().groups_of(square)) {
        if (full_and_kept(game, group)) {
            return true;
        }
    }
    return false;
}

}  // namespace sudoku
