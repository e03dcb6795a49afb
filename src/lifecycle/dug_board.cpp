#include "lifecycle/dug_board.h"

#include <algorithm>

#include "lifecycle/techniques.h"

namespace sudoku {

DugBoard::DugBoard(const hints::Layout& layout, const Board& grid)
    : layout_(layout),
      grid_(grid),
      puzzle_(grid),
      candidates_(grid.size(), std::vector<Candidates>(grid.size())),
      given_in_(layout.units().size()) {
    const int n = layout.n();
    for (int k = 0; k < n; ++k) {
        every_.set(static_cast<std::size_t>(k));
    }
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            toggle({x, y});
        }
    }
}

Candidates DugBoard::seen(Square square) const {
    Candidates out;
    for (const int unit : layout_.units_of(square)) {
        out |= given_in_[static_cast<std::size_t>(unit)];
    }
    return out;
}

void DugBoard::toggle(Square square) {
    for (const int unit : layout_.units_of(square)) {
        given_in_[static_cast<std::size_t>(unit)].flip(
            static_cast<std::size_t>(number(square) - 1));
    }
}

void DugBoard::empty(Square square) {
    puzzle_[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)].reset();
    toggle(square);
    candidates_at(square) = every_ & ~seen(square);
    const auto k = static_cast<std::size_t>(number(square) - 1);
    hints::each_peer(layout_, square, [&](Square peer) {
        if (!given(peer) && !seen(peer).test(k)) {
            candidates_at(peer).set(k);
        }
    });
}

void DugBoard::restore(Square square) {
    puzzle_[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)] =
        at(grid_, square);
    toggle(square);
    candidates_at(square).reset();
    const auto k = static_cast<std::size_t>(number(square) - 1);
    hints::each_peer(layout_, square, [&](Square peer) { candidates_at(peer).reset(k); });
}

bool DugBoard::forced(Square square) const {
    if (hints::count_to(hints::at(candidates_, square), 1) == 1) {
        return true;
    }
    const int number_there = number(square);
    for (const Unit kind : {Unit::row, Unit::column, Unit::box}) {
        const std::vector<Square>& unit = layout_.squares(layout_.unit_of(square, kind));
        if (std::none_of(unit.begin(), unit.end(), [&](Square other) {
                return other != square && hints::has(candidates_, other, number_there);
            })) {
            return true;
        }
    }
    return false;
}

}  // namespace sudoku
