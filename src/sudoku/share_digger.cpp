#include "sudoku/share_digger.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace sudoku {
namespace {

// Work the generator may spend on uniqueness checks, in solver steps. Set
// with bench/board_timing so that "Go!" to the first spoken square stays well
// under 150 ms on every board size; a count of work rather than a clock
// keeps a seed's puzzle the same on any machine.
constexpr std::uint64_t kGenerationBudget = 10'000'000;

// Empties squares of the board in random order, keeping only the removals
// after which the puzzle still has one solution; returns how many it
// emptied, at most `holes`.
int dig(DugBoard& board, int n, int holes, std::mt19937_64& rng) {
    std::vector<Square> order = every_square(n);
    std::shuffle(order.begin(), order.end(), rng);
    int dug = 0;
    for (const Square square : order) {
        if (dug == holes) {
            break;
        }
        if (board.try_empty(square, [&] { return board.one_solution(square); })) {
            ++dug;
        }
    }
    return dug;
}

// Empties `count` more of the puzzle's squares, drawn at random.
void empty_at_random(Board& puzzle, int count, std::mt19937_64& rng) {
    std::vector<Square> filled;
    for (const Square square : every_square(static_cast<int>(puzzle.size()))) {
        if (puzzle[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)]) {
            filled.push_back(square);
        }
    }
    std::shuffle(filled.begin(), filled.end(), rng);
    for (int i = 0; i < count; ++i) {
        const Square square = filled[static_cast<std::size_t>(i)];
        puzzle[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)].reset();
    }
}

}  // namespace

DugPuzzle dig_share(BoxSize size, int holes, bool too_many, const std::function<Board()>& new_grid,
                    std::mt19937_64& rng) {
    DugPuzzle best{new_grid(), {}};
    best.solution = best.puzzle;
    int best_dug = 0;
    if (holes > 0) {
        const hints::Layout layout(size);
        std::uint64_t budget = kGenerationBudget;
        // Past the known limit no unique puzzle exists: one pass still gives a
        // puzzle with few solutions, further passes would only cost time.
        const int attempts = too_many ? 1 : kMaxAttempts;
        for (int attempt = 0; attempt < attempts && best_dug < holes; ++attempt) {
            const Board grid = attempt == 0 ? best.solution : new_grid();
            DugBoard board(layout, grid, budget, DugBoard::Upkeep::givens);
            const int dug = dig(board, layout.n(), holes, rng);
            if (dug > best_dug) {
                best_dug = dug;
                best = {board.puzzle(), grid};
            }
            if (budget == 0) {
                break;
            }
        }
    }
    // Short of a unique puzzle with that many empty squares, the best one
    // found loses further squares at random, so the count stays as asked.
    if (best_dug < holes) {
        empty_at_random(best.puzzle, holes - best_dug, rng);
    }
    return best;
}

}  // namespace sudoku
