#include "board/mistakes.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "sudoku/solver.h"

namespace sudoku {
namespace {

// The work one search may do, in solver steps (a few milliseconds on 25x25):
// a key press must not hang the board, and a board that cannot be completed
// may take the longest to show it.
constexpr std::uint64_t kSearchBudget = 5'000'000;
// A solution of the givens alone, when none is known, may need more.
constexpr std::uint64_t kGivensBudget = 30'000'000;
// All the searches of one answer together: under 50 ms on 25x25.
constexpr std::uint64_t kAnswerBudget = 36'000'000;

const Cell& cell_at(const Board& board, Square square) {
    return board[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
}

Cell& cell_at(Board& board, Square square) {
    return board[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
}

// A number of the player's in a square, judged: an empty square or a given is never wrong.
bool wrong(const Game& game, const Board& solution, Square square, const Cell& cell) {
    return cell && !game.is_given(square) && cell != cell_at(solution, square);
}

}  // namespace

long long wrong_numbers(const Game& game, const Board& solution) {
    const int n = game.geometry().n();
    long long count = 0;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            count += wrong(game, solution, {x, y}, game.at({x, y})) ? 1 : 0;
        }
    }
    return count;
}

namespace {

// `solution`, or one that keeps more of the player's numbers: on top of the
// givens and the numbers it shares with them, each number that differs from
// it is tried in reading order, and kept when a solution still keeps them all.
Board keeping_more(const Game& game, Solver& solver, std::uint64_t work, Board solution) {
    Board kept = game.original();
    std::vector<Square> differing;
    const int n = game.geometry().n();
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const Cell& cell = game.at({x, y});
            if (wrong(game, solution, {x, y}, cell)) {
                differing.push_back({x, y});
            } else {
                cell_at(kept, {x, y}) = cell;
            }
        }
    }
    for (const Square square : differing) {
        if (work >= kAnswerBudget) {
            break;
        }
        solver.set_budget(std::min(kSearchBudget, kAnswerBudget - work));
        cell_at(kept, square) = game.at(square);
        std::optional<Board> found = solver.solve(kept);
        work += solver.steps();
        if (found) {
            solution = std::move(*found);
        } else {
            cell_at(kept, square).reset();
        }
    }
    return solution;
}

}  // namespace

std::optional<Board> judging_solution(const Game& game, const Board* known) {
    if (known != nullptr && wrong_numbers(game, *known) == 0) {
        return *known;
    }
    Solver solver(game.size().first, game.size().second);
    solver.set_budget(kSearchBudget);
    if (std::optional<Board> keeping = solver.solve(game.board())) {
        return keeping;
    }
    std::uint64_t work = solver.steps();
    std::optional<Board> base;
    if (known != nullptr) {
        base = *known;
    } else {
        solver.set_budget(kGivensBudget);
        base = solver.solve(game.original());
        work += solver.steps();
    }
    if (!base) {
        return std::nullopt;
    }
    return keeping_more(game, solver, work, std::move(*base));
}

std::optional<std::size_t> undos_to_right_board(const Game& game, const Board& solution) {
    long long wrong_now = wrong_numbers(game, solution);
    const std::vector<Change>& done = game.done();
    for (std::size_t undos = 0;; ++undos) {
        if (wrong_now == 0) {
            return undos;
        }
        if (undos == done.size()) {
            return std::nullopt;
        }
        // The board before the next step back differs only in that step's squares.
        for (const SquareChange& square : done[done.size() - 1 - undos].squares) {
            wrong_now -= wrong(game, solution, square.square, square.after.cell) ? 1 : 0;
            wrong_now += wrong(game, solution, square.square, square.before.cell) ? 1 : 0;
        }
    }
}

}  // namespace sudoku
