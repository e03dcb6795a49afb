#include "sudoku/hint.h"

#include "sudoku/hint_techniques.h"
#include "sudoku/rules.h"
#include "sudoku/solver.h"

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

// The first empty square in reading order.
std::optional<Square> first_empty(const hints::Layout& layout, const Board& board) {
    for (int y = 0; y < layout.n(); ++y) {
        for (int x = 0; x < layout.n(); ++x) {
            if (!cell_at(board, {x, y})) {
                return Square{x, y};
            }
        }
    }
    return std::nullopt;
}

// When logic has no step left: the first empty square in reading order, with
// the number a solution that keeps the player's numbers has there: the known
// one when it does, else one the solver finds.
Hint from_solution(const hints::Layout& layout, Solver& solver, const Board& board,
                   const Board* known) {
    const std::optional<Square> square = first_empty(layout, board);
    if (!square) {
        return {};
    }
    if (known) {
        return {Hint::Kind::from_solution, *square, *cell_at(*known, *square)};
    }
    solver.set_budget(kFallbackBudget);
    if (const std::optional<Board> solution = solver.solve(board)) {
        return {Hint::Kind::from_solution, *square, *cell_at(*solution, *square)};
    }
    return {Hint::Kind::no_solution};
}

// Whether every number on the board is the solution's.
bool agrees(const hints::Layout& layout, const Board& board, const Board& solution) {
    return !first_players(layout, board, board, [&](Square square, Value value) {
        return cell_at(solution, square) != value;
    });
}

// The board with the placements already said made on it.
Board with_told(Board board, const std::vector<Hint>& told) {
    for (const Hint& said : told) {
        if (said.kind == Hint::Kind::place || said.kind == Hint::Kind::from_solution) {
            board[static_cast<std::size_t>(said.square.x)]
                 [static_cast<std::size_t>(said.square.y)] = said.number;
        }
    }
    return board;
}

// The largest board side on which a hint tries the techniques above medium:
// on larger boards they cost more than a key press may take, even where they
// find nothing.
constexpr int kLargestSideForHardTechniques = 64;

// The hardest level of techniques a hint tries.
Level hardest_tried(const hints::Layout& layout) {
    return layout.n() > kLargestSideForHardTechniques ? Level::medium : Level::expert;
}

}  // namespace

Hint find_hint(const HintAsk& ask) {
    Solver solver(ask.size.first, ask.size.second);
    const hints::Layout layout(ask.size);
    const bool known = ask.solution && agrees(layout, ask.board, *ask.solution);
    solver.set_budget(kCheckBudget);
    if (!known && solver.count(ask.board, 1) == 0 && !solver.out_of_budget()) {
        if (const auto square = number_to_check(layout, solver, ask.board, ask.original)) {
            return {Hint::Kind::cannot_complete, *square, *cell_at(ask.board, *square)};
        }
        return {};
    }
    const Board board = with_told(ask.board, ask.told);
    CandidateBoard start = solver.candidates(board);
    for (const Hint& said : ask.told) {
        if (said.kind == Hint::Kind::eliminate) {
            hints::apply(said.step, start);
        }
    }
    CandidateBoard candidates = start;
    std::vector<Elimination> steps;
    for (;;) {
        if (std::optional<Hint> found = hints::single(layout, candidates)) {
            if (steps.empty()) {
                return *found;
            }
            Hint first{Hint::Kind::eliminate};
            first.step = hints::first_needed(layout, start, *found, std::move(steps));
            return first;
        }
        const std::optional<Elimination> step =
            hints::elimination(layout, candidates, hardest_tried(layout));
        if (!step) {
            return from_solution(layout, solver, board, known ? ask.solution : nullptr);
        }
        hints::apply(*step, candidates);
        steps.push_back(*step);
    }
}

Hint find_hint(const Board& board, const Board& original, BoxSize size) {
    const std::vector<Hint> nothing_told;
    return find_hint({board, original, size, nothing_told});
}

}  // namespace sudoku
