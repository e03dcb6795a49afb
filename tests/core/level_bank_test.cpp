// The bank of seed puzzles for the levels: every seed as written, and the
// puzzles varied from them at play time.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "sudoku/level_bank.h"
#include "sudoku/rules.h"
#include "sudoku/solver.h"
#include "sudoku/sudoku.h"

namespace sudoku {
namespace {

int empty_squares(const Board& board) {
    int count = 0;
    for (const Column& column : board) {
        for (const Cell& cell : column) {
            count += cell ? 0 : 1;
        }
    }
    return count;
}

bool cut_from(const Board& puzzle, const Board& solution) {
    for (std::size_t x = 0; x < puzzle.size(); ++x) {
        for (std::size_t y = 0; y < puzzle.size(); ++y) {
            if (!solution[x][y] || (puzzle[x][y] && puzzle[x][y] != solution[x][y])) {
                return false;
            }
        }
    }
    return true;
}

// A rating proves one solution by itself, as the ladder only rules out what
// cannot be; the solver's count checks it apart, where `count` asks for it.
void expect_puzzle_of(const Board& puzzle, const Board& solution, int side, Level level,
                      int percent, bool count) {
    const int n = side * side;
    EXPECT_EQ(empty_squares(puzzle), std::lround(percent / 100.0 * n * n));
    EXPECT_TRUE(keeps_rule(solution, {side, side}));
    EXPECT_TRUE(cut_from(puzzle, solution));
    if (count) {
        EXPECT_EQ(Solver(side, side).count(puzzle, 2), 1);
    }
    EXPECT_EQ(rate(puzzle, {side, side}), level);
}

// Each seed has one solution, the one written with it, and is rated at its
// level; each level's shares form one stretch, as level_range() says.
TEST(LevelBank, EverySeedIsUniqueAndRatedAtItsLevel) {
    std::map<std::pair<int, Level>, std::set<int>> shares;
    for (const BankedSeed& seed : bank_seeds()) {
        SCOPED_TRACE(bank_line(seed));
        expect_puzzle_of(seed.puzzle.puzzle, seed.puzzle.solution, seed.box_side, seed.level,
                         seed.percent, true);
        shares[{seed.box_side, seed.level}].insert(seed.percent);
    }
    ASSERT_FALSE(shares.empty());
    for (const auto& [key, percents] : shares) {
        const auto& [side, level] = key;
        const std::optional<ShareRange> range = level_range({side, side}, level);
        ASSERT_TRUE(range.has_value());
        EXPECT_EQ(*range, (ShareRange{*percents.begin(), *percents.rbegin()}));
        EXPECT_EQ(static_cast<int>(percents.size()), (range->highest - range->lowest) / 10 + 1);
    }
}

// The symmetries keep the solution unique and the rating: puzzles made for
// a level at the ends of its range, from the bank, are of that level, and
// two seeds give two different boards. The solver's count, whose search
// depends on the board's order, can take minutes on a redrawn 25x25 board.
TEST(LevelBank, VariedSeedsKeepTheirLevel) {
    for (const int side : {3, 4, 5}) {
        for (const Level level : {Level::easy, Level::medium, Level::hard, Level::expert}) {
            const std::optional<ShareRange> range = level_range({side, side}, level);
            ASSERT_TRUE(range.has_value()) << "every level from 9x9 to 25x25";
            for (const int percent : {range->lowest, range->highest}) {
                SCOPED_TRACE(std::to_string(side) + " " + std::to_string(static_cast<int>(level)) +
                             " " + std::to_string(percent));
                const Sudoku first = Sudoku(side, side).difficulty(percent / 100.0, level, 1);
                expect_puzzle_of(first.board, first.solution(), side, level, percent, side < 5);
                EXPECT_EQ(first.level(), level);
                EXPECT_NE(first.board,
                          Sudoku(side, side).difficulty(percent / 100.0, level, 2).board);
            }
        }
    }
}

}  // namespace
}  // namespace sudoku
