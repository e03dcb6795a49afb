#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "sudoku/solver.h"
#include "sudoku/sudoku.h"

namespace sudoku {
namespace {

// The rule checked the slow, obvious way, and every solution counted by
// trying each number in each empty square in turn: independent of the solver.
bool fits(const Board& board, int d1, int d2, int x, int y, Value v) {
    const int n = d1 * d2;
    for (int i = 0; i < n; ++i) {
        if ((i != y && board[x][i] == v) || (i != x && board[i][y] == v)) {
            return false;
        }
    }
    const int left = x / d1 * d1;
    const int top = y / d2 * d2;
    for (int bx = left; bx < left + d1; ++bx) {
        for (int by = top; by < top + d2; ++by) {
            if ((bx != x || by != y) && board[bx][by] == v) {
                return false;
            }
        }
    }
    return true;
}

bool keeps_rule(const Board& board, int d1, int d2) {
    const int n = d1 * d2;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const Cell& cell = board[x][y];
            if (cell && (*cell < 1 || *cell > n || !fits(board, d1, d2, x, y, *cell))) {
                return false;
            }
        }
    }
    return true;
}

int brute_count(Board& board, int d1, int d2, int cap, int from = 0) {
    const int n = d1 * d2;
    int square = from;
    while (square < n * n && board[square / n][square % n]) {
        ++square;
    }
    if (square == n * n) {
        return 1;
    }
    int found = 0;
    Cell& cell = board[square / n][square % n];
    for (Value v = 1; v <= n && found < cap; ++v) {
        if (fits(board, d1, d2, square / n, square % n, v)) {
            cell = v;
            found += brute_count(board, d1, d2, cap - found, square + 1);
        }
    }
    cell.reset();
    return found;
}

int brute_solutions(Board board, int d1, int d2, int cap) {
    return keeps_rule(board, d1, d2) ? brute_count(board, d1, d2, cap) : 0;
}

// Test boards are easier to read row by row; the game keeps them column-wise.
Board from_rows(const std::vector<std::string>& rows) {
    const std::size_t n = rows.size();
    Board board(n, Column(n));
    for (std::size_t y = 0; y < n; ++y) {
        for (std::size_t x = 0; x < n; ++x) {
            if (rows[y][x] != '.') {
                board[x][y] = rows[y][x] - '0';
            }
        }
    }
    return board;
}

// A full valid grid with squares emptied at random, and sometimes one number
// changed, which may break the rule or leave no solution.
Board random_board(int d1, int d2, int empty, std::mt19937_64& rng) {
    const int n = d1 * d2;
    Board board = Sudoku(d1, d2).difficulty(0.0, rng()).board;
    std::uniform_int_distribution<int> square(0, n * n - 1);
    for (int i = 0; i < empty; ++i) {
        const int s = square(rng);
        board[s / n][s % n].reset();
    }
    if (rng() % 3 == 0) {
        const int s = square(rng);
        board[s / n][s % n] = static_cast<Value>(1 + rng() % static_cast<unsigned>(n));
    }
    return board;
}

struct Shape {
    int d1;
    int d2;
    int most_empty;  // brute force stays quick below this
};

TEST(Solver, AgreesWithBruteForceOnRandomBoards) {
    std::mt19937_64 rng(2024);
    for (const Shape shape : {Shape{2, 2, 16}, Shape{3, 3, 50}, Shape{2, 3, 36}, Shape{3, 2, 36},
                              Shape{1, 4, 16}, Shape{4, 1, 16}}) {
        Solver solver(shape.d1, shape.d2);
        const int n = shape.d1 * shape.d2;
        // Small boards are counted in full, 9x9 up to 2 as the generator asks.
        const int cap = n <= 4 ? 1000 : n == 6 ? 50 : 2;
        int seen[3] = {0, 0, 0};
        for (int round = 0; round < 150; ++round) {
            const int empty = static_cast<int>(rng() % static_cast<unsigned>(shape.most_empty + 1));
            const Board board = random_board(shape.d1, shape.d2, empty, rng);
            const int expected = brute_solutions(board, shape.d1, shape.d2, cap);
            ASSERT_EQ(solver.count(board, cap), expected)
                << shape.d1 << "x" << shape.d2 << " round " << round;
            ++seen[std::min(expected, 2)];
        }
        // The draw must cover boards with none, one and several solutions.
        EXPECT_GT(seen[0], 0);
        EXPECT_GT(seen[1], 0);
        EXPECT_GT(seen[2], 0);
    }
}

TEST(Solver, CountsKnownTotalsOnEmptyBoards) {
    struct Known {
        int d1;
        int d2;
        int count;
    };
    // 288 4x4 grids; with boxes one square wide the boxes are the columns, so
    // the grids are the Latin squares: 12 of order 3, 576 of order 4.
    for (const Known k :
         {Known{2, 2, 288}, Known{1, 3, 12}, Known{3, 1, 12}, Known{1, 4, 576}, Known{1, 1, 1}}) {
        const int n = k.d1 * k.d2;
        EXPECT_EQ(Solver(k.d1, k.d2).count(Board(n, Column(n)), 100000), k.count)
            << k.d1 << "x" << k.d2;
    }
    EXPECT_EQ(Solver(3, 3).count(Board(9, Column(9)), 2), 2);
    EXPECT_EQ(Solver(6, 6).count(Board(36, Column(36)), 2), 2);
}

// A well-known 9x9 puzzle and its one solution.
const std::vector<std::string> kPuzzle = {
    "53..7....", "6..195...", ".98....6.", "8...6...3", "4..8.3..1",
    "7...2...6", ".6....28.", "...419..5", "....8..79",
};
const std::vector<std::string> kSolution = {
    "534678912", "672195348", "198342567", "859761423", "426853791",
    "713924856", "961537284", "287419635", "345286179",
};

TEST(Solver, SolvesAKnownPuzzleWithOneSolution) {
    const Board puzzle = from_rows(kPuzzle);
    Solver solver(3, 3);
    EXPECT_EQ(brute_solutions(puzzle, 3, 3, 2), 1);
    EXPECT_EQ(solver.count(puzzle), 1);
    EXPECT_EQ(solver.solve(puzzle), from_rows(kSolution));
}

TEST(Solver, PuzzlesWithNoSolution) {
    Solver solver(3, 3);
    // Keeps the rule, yet the top-left square can take no number: its row
    // holds 1 to 6, its column 7 and 8, its box 9.
    const Board stuck = from_rows({
        ".123456..",
        "7........",
        "8.9......",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
        ".........",
    });
    ASSERT_TRUE(Sudoku(3, 3, stuck).validate());
    EXPECT_EQ(brute_solutions(stuck, 3, 3, 2), 0);
    EXPECT_EQ(solver.count(stuck), 0);
    EXPECT_FALSE(solver.solve(stuck).has_value());

    Board repeat = from_rows(kPuzzle);
    repeat[2][0] = 5;  // a second 5 in the top row
    EXPECT_EQ(solver.count(repeat), 0);

    for (const Value wrong : {Value{0}, Value{10}, Value{-3}}) {
        Board out_of_range = from_rows(kPuzzle);
        out_of_range[2][0] = wrong;
        EXPECT_EQ(solver.count(out_of_range), 0) << wrong;
    }
    EXPECT_EQ(solver.count(Board(8, Column(9))), 0);
    EXPECT_EQ(solver.count(Board(9, Column(8))), 0);
    EXPECT_EQ(solver.count(Solver::Grid(80, 0), 2), 0);
}

TEST(Solver, AvoidFindsOnlyOtherSolutions) {
    Solver solver(3, 3);
    const Board puzzle = from_rows(kPuzzle);
    const Board solution = from_rows(kSolution);
    Solver::Grid grid(81, 0);
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            grid[static_cast<std::size_t>(x * 9 + y)] = static_cast<int>(puzzle[x][y].value_or(0));
        }
    }
    const int square = 2 * 9 + 0;  // empty in the puzzle
    const int right = static_cast<int>(*solution[2][0]);
    EXPECT_EQ(solver.count(grid, 2, {square, right}), 0);
    EXPECT_EQ(solver.count(grid, 2, {square, right % 9 + 1}), 1);

    // Two 4x4 solutions that differ in a swap of 1 and 2: avoiding either
    // number in a square where they differ leaves the other solution.
    const Board two = from_rows({"..34", "3412", "..43", "4321"});
    EXPECT_EQ(brute_solutions(two, 2, 2, 10), 2);
    Solver small(2, 2);
    Solver::Grid g(16, 0);
    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 4; ++y) {
            g[static_cast<std::size_t>(x * 4 + y)] = static_cast<int>(two[x][y].value_or(0));
        }
    }
    EXPECT_EQ(small.count(g, 10), 2);
    EXPECT_EQ(small.count(g, 10, {0, 1}), 1);
    EXPECT_EQ(small.count(g, 10, {0, 2}), 1);
}

TEST(Solver, CandidatesAreTheNumbersNoNeighbourRulesOut) {
    const Board board = from_rows({"1...", "..3.", ".2..", "...."});
    const CandidateBoard c = Solver(2, 2).candidates(board);
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0][0].to_ulong(), 0u);       // filled
    EXPECT_EQ(c[1][0].to_ulong(), 0b1100u);  // 1 in its row and box, 2 in its column
    EXPECT_EQ(c[1][1].to_ulong(), 0b1000u);  // and 3 in its row
    EXPECT_EQ(c[0][2].to_ulong(), 0b1100u);  // 1 in its column, 2 in its row and box
    EXPECT_EQ(c[3][3].to_ulong(), 0b1111u);  // nothing in its row, column or box
    EXPECT_TRUE(Solver(2, 2).candidates(Board(3, Column(4))).empty());
}

TEST(Solver, ABudgetStopsTheSearchAndSaysSo) {
    Solver solver(5, 5);
    solver.set_budget(1000);
    const Board empty(25, Column(25));
    solver.count(empty, 2);
    EXPECT_TRUE(solver.out_of_budget());
    solver.set_budget(std::uint64_t{1} << 40);
    EXPECT_EQ(solver.count(empty, 2), 2);
    EXPECT_FALSE(solver.out_of_budget());
}

}  // namespace
}  // namespace sudoku
