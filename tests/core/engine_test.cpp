#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "board_rows.h"
#include "sudoku/solver.h"
#include "sudoku/sudoku.h"

namespace sudoku {
namespace {

// The rule, stated independently of the engine: every row, every column and
// every box (d1 columns wide, d2 rows tall) holds no number twice.
using Unit = std::vector<std::pair<int, int>>;

std::vector<Unit> units(int d1, int d2) {
    const int n = d1 * d2;
    std::vector<Unit> all;
    for (int i = 0; i < n; ++i) {
        Unit row;
        Unit column;
        for (int j = 0; j < n; ++j) {
            row.emplace_back(j, i);
            column.emplace_back(i, j);
        }
        all.push_back(row);
        all.push_back(column);
    }
    for (int left = 0; left < n; left += d1) {
        for (int top = 0; top < n; top += d2) {
            Unit box;
            for (int x = left; x < left + d1; ++x) {
                for (int y = top; y < top + d2; ++y) {
                    box.emplace_back(x, y);
                }
            }
            all.push_back(box);
        }
    }
    return all;
}

// Names the first unit holding a repeated number, or "" when there is none.
std::string first_repeat(const Board& board, int d1, int d2) {
    for (const Unit& unit : units(d1, d2)) {
        std::set<Value> seen;
        for (const auto& [x, y] : unit) {
            const Cell& cell = board[x][y];
            if (cell && !seen.insert(*cell).second) {
                return "repeat of " + std::to_string(*cell) + " near (" + std::to_string(x) + ", " +
                       std::to_string(y) + ")";
            }
        }
    }
    return "";
}

bool is_square(const Board& board, int n) {
    if (board.size() != static_cast<std::size_t>(n)) {
        return false;
    }
    for (const Column& column : board) {
        if (column.size() != static_cast<std::size_t>(n)) {
            return false;
        }
    }
    return true;
}

// A full 4x4 grid to spoil one square at a time.
const std::vector<std::vector<int>> kGrid4 = {
    {1, 2, 3, 4},
    {3, 4, 1, 2},
    {2, 1, 4, 3},
    {4, 3, 2, 1},
};

// --- Making puzzles ---

struct Shape {
    int d1;
    int d2;
};

void PrintTo(const Shape& shape, std::ostream* os) {
    *os << shape.d1 << "x" << shape.d2;
}

std::string shape_name(const ::testing::TestParamInfo<Shape>& info) {
    return ::testing::PrintToString(info.param);
}

class GeneratedPuzzle : public ::testing::TestWithParam<Shape> {};

TEST_P(GeneratedPuzzle, KeepsEveryPropertyOverManySeedsAndFractions) {
    const auto [d1, d2] = GetParam();
    const int n = d1 * d2;
    // Unique puzzles cost more to make on large boards: fewer seeds there.
    const int seeds = n > 40 ? 5 : n > 16 ? 10 : 30;
    const Sudoku empty(d1, d2);
    for (int tenth = 1; tenth <= 9; ++tenth) {
        const double f = tenth / 10.0;
        for (int seed = 0; seed < seeds; ++seed) {
            SCOPED_TRACE("f=" + std::to_string(f) + " seed=" + std::to_string(seed));
            const Sudoku puzzle = empty.difficulty(f, static_cast<std::uint64_t>(seed));
            EXPECT_EQ(puzzle.d1(), d1);
            EXPECT_EQ(puzzle.d2(), d2);
            ASSERT_TRUE(is_square(puzzle.board, n));
            ASSERT_TRUE(is_square(puzzle.solution(), n));
            EXPECT_EQ(empty_squares(puzzle.board), std::lround(f * n * n));

            EXPECT_EQ(empty_squares(puzzle.solution()), 0);
            EXPECT_EQ(first_repeat(puzzle.solution(), d1, d2), "");
            EXPECT_TRUE(Sudoku(d1, d2, puzzle.solution()).validate());
            EXPECT_EQ(first_repeat(puzzle.board, d1, d2), "");
            EXPECT_TRUE(puzzle.validate());
            for (int x = 0; x < n; ++x) {
                for (int y = 0; y < n; ++y) {
                    const Cell& given = puzzle.board[x][y];
                    const Value expected = puzzle.solution()[x][y].value_or(0);
                    ASSERT_TRUE(expected >= 1 && expected <= n);
                    if (given) {
                        ASSERT_EQ(*given, expected) << "at (" << x << ", " << y << ")";
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BoxesTheGameOffers, GeneratedPuzzle,
                         ::testing::Values(Shape{2, 2}, Shape{3, 3}, Shape{4, 4}, Shape{5, 5},
                                           Shape{6, 6}, Shape{7, 7}, Shape{8, 8}, Shape{9, 9}),
                         shape_name);
INSTANTIATE_TEST_SUITE_P(OblongBoxesFromSavedFiles, GeneratedPuzzle,
                         ::testing::Values(Shape{2, 3}, Shape{3, 2}, Shape{2, 8}, Shape{4, 3},
                                           Shape{1, 5}, Shape{3, 7}, Shape{9, 2}),
                         shape_name);

TEST(Generation, EveryPairOfSidesGivesAFullValidGrid) {
    for (int d1 = 1; d1 <= 9; ++d1) {
        for (int d2 = 1; d2 <= 9; ++d2) {
            SCOPED_TRACE(std::to_string(d1) + "x" + std::to_string(d2));
            const Sudoku puzzle = Sudoku(d1, d2).difficulty(0.0, 7);
            EXPECT_EQ(empty_squares(puzzle.board), 0);
            EXPECT_EQ(first_repeat(puzzle.board, d1, d2), "");
        }
    }
}

TEST(Generation, SameSeedGivesSamePuzzleAndOtherSeedsVary) {
    const Sudoku empty(3, 3);
    const Sudoku first = empty.difficulty(0.5, 42);
    const Sudoku again = empty.difficulty(0.5, 42);
    EXPECT_EQ(first.board, again.board);
    EXPECT_EQ(first.solution(), again.solution());

    std::set<Board> solutions;
    for (std::uint64_t seed = 0; seed < 20; ++seed) {
        solutions.insert(empty.difficulty(0.5, seed).solution());
    }
    EXPECT_GT(solutions.size(), 15u);
}

TEST(Generation, LargeGridsVaryWithTheSeedToo) {
    const Sudoku empty(5, 5);
    EXPECT_NE(empty.difficulty(0.5, 1).solution(), empty.difficulty(0.5, 2).solution());
}

TEST(Generation, UnseededCallsGiveValidPuzzles) {
    const Sudoku puzzle = Sudoku(3, 3).difficulty(0.4);
    EXPECT_EQ(empty_squares(puzzle.board), std::lround(0.4 * 81));
    EXPECT_EQ(first_repeat(puzzle.solution(), 3, 3), "");
}

TEST(Generation, FractionIsClampedAndRoundedToNearest) {
    const Sudoku empty(2, 2);
    EXPECT_EQ(empty_squares(empty.difficulty(-0.5, 1).board), 0);
    EXPECT_EQ(empty_squares(empty.difficulty(1.5, 1).board), 16);
    EXPECT_EQ(empty_squares(empty.difficulty(std::numeric_limits<double>::quiet_NaN(), 1).board),
              0);
    // 0.22 * 16 = 3.52 and 0.2 * 16 = 3.2: nearest, not truncated.
    EXPECT_EQ(empty_squares(empty.difficulty(0.22, 1).board), 4);
    EXPECT_EQ(empty_squares(empty.difficulty(0.2, 1).board), 3);
}

TEST(Generation, EmptiedSquaresAreSpreadOverTheWholeBoard) {
    // Each square is emptied in about half of the draws; a square that is
    // never or always emptied would betray a biased pick.
    const Sudoku empty(2, 2);
    std::vector<int> emptied(16, 0);
    const int draws = 400;
    for (int seed = 0; seed < draws; ++seed) {
        const Board board = empty.difficulty(0.5, static_cast<std::uint64_t>(seed)).board;
        for (int x = 0; x < 4; ++x) {
            for (int y = 0; y < 4; ++y) {
                emptied[x * 4 + y] += board[x][y] ? 0 : 1;
            }
        }
    }
    for (int square = 0; square < 16; ++square) {
        EXPECT_GT(emptied[square], draws / 4) << "square " << square;
        EXPECT_LT(emptied[square], draws * 3 / 4) << "square " << square;
    }
}

TEST(Generation, OnlyGeneratedPuzzlesHaveASolution) {
    EXPECT_TRUE(Sudoku(3, 3).solution().empty());
    EXPECT_TRUE(Sudoku(2, 2, from_rows(kGrid4)).solution().empty());
}

// --- Unique puzzles ---

TEST(UniquePuzzles, HaveExactlyOneSolutionUpToTheAdvertisedShare) {
    struct Case {
        int d1;
        int d2;
        int most_percent;
        int seeds;
    };
    for (const Case c : {Case{2, 2, 70, 30}, Case{3, 3, 70, 20}, Case{4, 4, 50, 3}}) {
        const int n = c.d1 * c.d2;
        const Sudoku empty(c.d1, c.d2);
        Solver solver(c.d1, c.d2);
        for (int percent = 10; percent <= c.most_percent; percent += 10) {
            for (int seed = 0; seed < c.seeds; ++seed) {
                SCOPED_TRACE(std::to_string(n) + "x" + std::to_string(n) + " " +
                             std::to_string(percent) + "% seed " + std::to_string(seed));
                const Sudoku puzzle =
                    empty.difficulty(percent / 100.0, static_cast<std::uint64_t>(seed));
                EXPECT_EQ(empty_squares(puzzle.board), std::lround(percent / 100.0 * n * n));
                EXPECT_EQ(solver.count(puzzle.board, 2), 1);
                EXPECT_EQ(solver.solve(puzzle.board), puzzle.solution());
            }
        }
    }
}

// --- Construction ---

TEST(Construction, EmptyBoardHasNColumnsOfNEmptySquares) {
    const Sudoku sudoku(2, 3);
    EXPECT_TRUE(is_square(sudoku.board, 6));
    EXPECT_EQ(empty_squares(sudoku.board), 36);
}

TEST(Construction, SidesOutsideOneToNineAreRejected) {
    EXPECT_THROW(Sudoku(0, 3), std::invalid_argument);
    EXPECT_THROW(Sudoku(3, 0), std::invalid_argument);
    EXPECT_THROW(Sudoku(10, 3), std::invalid_argument);
    EXPECT_THROW(Sudoku(3, -1), std::invalid_argument);
    EXPECT_THROW(Sudoku(3, 10, Board{}), std::invalid_argument);
    EXPECT_NO_THROW(Sudoku(1, 9));
}

// --- Judging boards ---

TEST(Validate, EmptyAndFullValidBoardsPass) {
    EXPECT_TRUE(Sudoku(3, 3).validate());
    EXPECT_TRUE(Sudoku(9, 9).validate());
    EXPECT_TRUE(Sudoku(2, 2, from_rows(kGrid4)).validate());
}

TEST(Validate, RepeatInOneBoxOnlyFails) {
    // The two 1s share the top-left box but neither a row nor a column; boxes
    // as wide as the board are just rows, so 4x1 checks rows and columns only.
    const Board board = from_rows({{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}});
    ASSERT_EQ(first_repeat(board, 4, 1), "");
    EXPECT_FALSE(Sudoku(2, 2, board).validate());
}

TEST(Validate, RepeatInARowFails) {
    // Far apart: different columns and boxes.
    EXPECT_FALSE(Sudoku(2, 2, from_rows({{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {3, 0, 0, 3}}))
                     .validate());
}

TEST(Validate, RepeatInAColumnFails) {
    EXPECT_FALSE(Sudoku(2, 2, from_rows({{0, 0, 4, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 4, 0}}))
                     .validate());
}

TEST(Validate, NumbersOutsideOneToNFail) {
    for (const int wrong : {0, 5, -1}) {
        auto rows = kGrid4;
        rows[0][0] = 0;
        Board board = from_rows(rows);
        board[0][0] = wrong;
        EXPECT_FALSE(Sudoku(2, 2, board).validate()) << wrong;
    }
    Board huge(4, Column(4));
    huge[1][1] = std::numeric_limits<Value>::max();
    EXPECT_FALSE(Sudoku(2, 2, huge).validate());
}

TEST(Validate, BoardsOfTheWrongShapeFail) {
    Board ragged = from_rows(kGrid4);
    ragged[2].pop_back();
    EXPECT_FALSE(Sudoku(2, 2, ragged).validate());

    Board too_long = Board(4, Column(4));
    too_long[3].emplace_back();
    EXPECT_FALSE(Sudoku(2, 2, too_long).validate());

    EXPECT_FALSE(Sudoku(2, 2, Board(3, Column(4))).validate());
    EXPECT_FALSE(Sudoku(2, 2, Board(5, Column(4))).validate());
    EXPECT_FALSE(Sudoku(2, 2, Board{}).validate());
    EXPECT_FALSE(Sudoku(3, 3, from_rows(kGrid4)).validate());
}

TEST(Validate, OblongBoxesAreTwoColumnsWideAndThreeRowsTall) {
    // Valid with boxes 2 wide and 3 tall (d1 = 2, d2 = 3); the top-left box
    // of the transposed shape (3 wide, 2 tall) holds the 3 twice.
    const Board board = from_rows({
        {1, 2, 3, 4, 5, 6},
        {3, 4, 5, 6, 1, 2},
        {5, 6, 1, 2, 3, 4},
        {2, 1, 4, 3, 6, 5},
        {4, 3, 6, 5, 2, 1},
        {6, 5, 2, 1, 4, 3},
    });
    ASSERT_EQ(first_repeat(board, 2, 3), "");
    ASSERT_NE(first_repeat(board, 3, 2), "");
    EXPECT_TRUE(Sudoku(2, 3, board).validate());
    EXPECT_FALSE(Sudoku(3, 2, board).validate());
}

}  // namespace
}  // namespace sudoku
