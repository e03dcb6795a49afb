#include "sudoku/dug_board.h"

#include <algorithm>

#include "sudoku/techniques.h"

namespace sudoku {

std::vector<Square> every_square(int n) {
    std::vector<Square> squares;
    squares.reserve(static_cast<std::size_t>(n * n));
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            squares.push_back({x, y});
        }
    }
    return squares;
}

DugBoard::DugBoard(const hints::Layout& layout, const Board& grid, std::uint64_t& budget,
                   Upkeep upkeep)
    : layout_(layout),
      grid_(grid),
      budget_(budget),
      upkeep_(upkeep),
      puzzle_(grid),
      flat_(grid.size() * grid.size()),
      given_in_(layout.units().size()) {
    if (upkeep == Upkeep::candidates) {
        candidates_.assign(grid.size(), std::vector<Candidates>(grid.size()));
    }
    const int n = layout.n();
    for (int k = 0; k < n; ++k) {
        every_.set(static_cast<std::size_t>(k));
    }
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            toggle({x, y});
            flat_[cell({x, y})] = number({x, y});
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
    flat_[cell(square)] = 0;
    toggle(square);
    if (upkeep_ == Upkeep::givens) {
        return;
    }
    candidates_at(square) = every_ & ~seen(square);
    const auto k = static_cast<std::size_t>(number(square) - 1);
    hints::each_peer(layout_, square, [&](Square peer) {
        if (given(peer)) {
            return;
        }
        const std::array<int, 3>& units = layout_.units_of(peer);
        if (std::none_of(units.begin(), units.end(), [&](int unit) {
                return given_in_[static_cast<std::size_t>(unit)].test(k);
            })) {
            candidates_at(peer).set(k);
        }
    });
}

void DugBoard::restore(Square square) {
    puzzle_[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)] =
        at(grid_, square);
    flat_[cell(square)] = number(square);
    toggle(square);
    if (upkeep_ == Upkeep::givens) {
        return;
    }
    candidates_at(square).reset();
    const auto k = static_cast<std::size_t>(number(square) - 1);
    hints::each_peer(layout_, square, [&](Square peer) { candidates_at(peer).reset(k); });
}

bool DugBoard::forced(Square square) const {
    const auto k = static_cast<std::size_t>(number(square) - 1);
    Candidates others = every_ & ~seen(square);
    if (others.none()) {
        return true;  // the square sees every other number
    }
    // Emptied, the square's number leaves its own units' givens; another
    // open square takes it again unless one of its other units gives it.
    // A unit of the other square is one of the square's own when it is the
    // own unit of its kind (row, column or box).
    const std::array<int, 3>& own = layout_.units_of(square);
    const auto takes = [&](Square other) {
        if (other == square || given(other)) {
            return false;
        }
        const std::array<int, 3>& units = layout_.units_of(other);
        for (std::size_t kind = 0; kind < units.size(); ++kind) {
            if (units[kind] != own[kind] &&
                given_in_[static_cast<std::size_t>(units[kind])].test(k)) {
                return false;
            }
        }
        return true;
    };
    return std::any_of(own.begin(), own.end(), [&](int unit) {
        const std::vector<Square>& squares = layout_.squares(layout_.geometry().unit_group(unit));
        return std::none_of(squares.begin(), squares.end(), takes);
    });
}

bool DugBoard::one_solution(Square square) {
    if (!solver_) {
        solver_.emplace(layout_.geometry().box_width(), layout_.geometry().box_height());
    }
    solver_->set_budget(budget_);
    const int others = solver_->count(flat_, 1, {static_cast<int>(cell(square)), number(square)});
    budget_ -= std::min(budget_, solver_->steps());
    if (solver_->out_of_budget()) {
        budget_ = 0;
        return false;
    }
    return others == 0;
}

}  // namespace sudoku
