#include "lifecycle/rating.h"

#include "lifecycle/ladder.h"
#include "lifecycle/solver.h"
#include "lifecycle/sudoku.h"
#include "lifecycle/techniques.h"

namespace sudoku {
namespace {

// What one search of each level costs, per square of the board, in the
// climb's steps; set from generation times on 9x9 to 25x25 boards
// (bench/puzzle_bench).
constexpr std::uint64_t kSearchCost[] = {0, 4, 12, 40, 800};

std::uint64_t search_cost(const hints::Layout& layout, Level level) {
    const auto n = static_cast<std::uint64_t>(layout.n());
    return kSearchCost[static_cast<int>(level)] * n * n;
}

}  // namespace

Climb climb(const hints::Layout& layout, const Board& board, CandidateBoard candidates,
            Level most) {
    Climb out;
    std::vector<std::vector<char>> open(board.size());
    int left = 0;
    for (std::size_t x = 0; x < board.size(); ++x) {
        for (const Cell& cell : board[x]) {
            open[x].push_back(cell ? 0 : 1);
            left += cell ? 0 : 1;
        }
    }
    const auto place = [&](const Hint& single) {
        const Square square = single.square;
        char& is_open =
            open[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
        if (is_open == 0) {
            return true;  // found twice in one sweep
        }
        if (!hints::has(candidates, square, static_cast<int>(single.number))) {
            return false;
        }
        is_open = 0;
        --left;
        candidates[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)].reset();
        hints::each_peer(layout, square, [&](Square peer) {
            candidates[static_cast<std::size_t>(peer.x)][static_cast<std::size_t>(peer.y)].reset(
                static_cast<std::size_t>(single.number - 1));
        });
        return true;
    };
    while (left > 0) {
        out.work += search_cost(layout, Level::easy);
        const std::vector<Hint> found = hints::singles(layout, candidates);
        if (!found.empty()) {
            for (const Hint& single : found) {
                if (!place(single)) {
                    return out;
                }
            }
            continue;
        }
        const std::optional<Elimination> step = hints::elimination(layout, candidates, most);
        const Level level = step ? hints::level_of(step->kind) : most;
        out.work += search_cost(layout, level);
        if (!step) {
            return out;
        }
        out.hardest = std::max(out.hardest, level);
        hints::apply(*step, candidates);
    }
    out.solved = true;
    return out;
}

Level rate(const Board& puzzle, BoxSize size) {
    if (size.first < 1 || size.first > 9 || size.second < 1 || size.second > 9 ||
        !Sudoku(size.first, size.second, puzzle).validate()) {
        return Level::any;
    }
    const Climb result = climb(hints::Layout(size), puzzle,
                               Solver(size.first, size.second).candidates(puzzle), Level::expert);
    return result.solved ? result.hardest : Level::any;
}

}  // namespace sudoku
