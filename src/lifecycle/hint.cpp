#include "lifecycle/hint.h"

#include "board/rules.h"
#include "lifecycle/hint_techniques.h"
#include "lifecycle/solver.h"

namespace sudoku {
namespace {

// Work the completion check may spend, in solver steps (see Solver::set_budget);
// past it the board counts as completable and the hint goes by logic alone.
constexpr std::uint64_t kCheckBudget = 5'000'000;
// Work a solution for a board beyond the ladder may take: such a board has
// already shown it can be completed, so the search rarely needs much.
constexpr std::uint64_t kFallbackBudget = 50'000'000;

const Cell& cell_at(const Board& board, Square square) {
    return board[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
}

// The first of the player's numbers, in reading order, that `wrong` picks out.
template <class Wrong>
std::optional<Square> first_players(const hints::Layout& layout, const Board& board,
                                    const Board& original, Wrong wrong) {
    for (int y = 0; y < layout.n(); ++y) {
        for (int x = 0; x < layout.n(); ++x) {
            const Square square{x, y};
            const Cell& cell = cell_at(board, square);
            if (cell && !cell_at(original, square) && wrong(square, *cell)) {
                return square;
            }
        }
    }
    return std::nullopt;
}

// A number the player should look at again on a board that cannot be
// completed: first one outside 1..N or repeated in its row, column or box,
// else one that differs from a solution of the givens.
std::optional<Square> number_to_check(const hints::Layout& layout, Solver& solver,
                                      const Board& board, const Board& original) {
    const auto broken = [&](Square square, Value) {
        return breaks_rule_at(board, layout.geometry(), square);
    };
    if (auto found = first_players(layout, board, original, broken)) {
        return found;
    }
    const std::optional<Board> solution = solver.solve(original);
    if (!solution) {
        return std::nullopt;
    }
    return first_players(layout, board, original, [&](Square square, Value value) {
        return cell_at(*solution, square) != value;
    });
}

// When logic has no step left: the first empty square in reading order, with
// the number a solution that keeps the player's numbers has there.
Hint from_solution(const hints::Layout& layout, Solver& solver, const Board& board) {
    solver.set_budget(kFallbackBudget);
    const std::optional<Board> solution = solver.solve(board);
    for (int y = 0; y < layout.n() && solution; ++y) {
        for (int x = 0; x < layout.n(); ++x) {
            if (!cell_at(board, {x, y})) {
                return {Hint::Kind::from_solution, {x, y}, *cell_at(*solution, {x, y})};
            }
        }
    }
    return {};
}

}  // namespace

Hint find_hint(const Board& board, const Board& original, BoxSize size) {
    Solver solver(size.first, size.second);
    const hints::Layout layout(size);
    solver.set_budget(kCheckBudget);
    if (solver.count(board, 1) == 0 && !solver.out_of_budget()) {
        if (const auto square = number_to_check(layout, solver, board, original)) {
            return {Hint::Kind::cannot_complete, *square, *cell_at(board, *square)};
        }
        return {};
    }
    const CandidateBoard start = solver.candidates(board);
    CandidateBoard candidates = start;
    std::vector<Elimination> steps;
    for (;;) {
        if (std::optional<Hint> found = hints::single(layout, candidates)) {
            found->steps = hints::needed(layout, start, *found, std::move(steps));
            return *found;
        }
        const std::optional<Elimination> step = hints::elimination(layout, candidates);
        if (!step) {
            return from_solution(layout, solver, board);
        }
        hints::apply(*step, candidates);
        steps.push_back(*step);
    }
}

}  // namespace sudoku
