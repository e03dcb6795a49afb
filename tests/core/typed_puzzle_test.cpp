// Puzzles typed or pasted in, and the board copied out: each form read, each
// refusal, and what is copied reading back to the same board.
#include "lifecycle/typed_puzzle.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "board_rows.h"

namespace sudoku {
namespace {

// 1 2 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 1 with three squares open.
const Board four = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {2, 1, 4, 3}, {0, 3, 2, 1}});

std::string refusal(std::string_view text) {
    const auto read = read_puzzle(text);
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(read) : "read";
}

TEST(TypedPuzzle, EveryFormOfTheSameBoardReadsTheSame) {
    for (const char* text :
         {"1.34340221430321", "1034 3402 2143 0321", "1,.,3,4,3,4,.,2,2,1,4,3,.,3,2,1",
          "+--+--+\n|1.|34|\n|34|.2|\n+--+--+\n|21|43|\n|.3|21|\n+--+--+"}) {
        const auto read = read_puzzle(text);
        ASSERT_TRUE(std::holds_alternative<TypedPuzzle>(read)) << text << ": " << refusal(text);
        EXPECT_EQ(std::get<TypedPuzzle>(read).board, four) << text;
        EXPECT_EQ(std::get<TypedPuzzle>(read).size, (BoxSize{2, 2}));
        EXPECT_FALSE(std::get<TypedPuzzle>(read).several_solutions);
    }
}

TEST(TypedPuzzle, RefusalsSayWhy) {
    EXPECT_EQ(refusal(std::string(80, '.')), "That is not a puzzle I can read: it has 80 squares.");
    EXPECT_EQ(refusal("1 2 3"), "That is not a puzzle I can read: it has 3 squares.");
    EXPECT_EQ(refusal("1?34340221430321"), "That is not a puzzle I can read: ? is not a number.");
    EXPECT_EQ(refusal("1, x, 3"), "That is not a puzzle I can read: x is not a number.");
    EXPECT_EQ(refusal("1.5.340221430321"), "5 is outside 1 to 4.");
    EXPECT_EQ(refusal("1.14340221430321"), "This puzzle breaks the rule: 1 twice in row 1.");
    // Nothing clashes, yet 1 1 has no number left.
    EXPECT_EQ(refusal(".23..1..4......."), "This puzzle has no solution.");
}

TEST(TypedPuzzle, SeveralSolutionsArePlayableWithAWarning) {
    const auto read = read_puzzle(std::string(81, '.'));
    ASSERT_TRUE(std::holds_alternative<TypedPuzzle>(read));
    EXPECT_TRUE(std::get<TypedPuzzle>(read).several_solutions);
    EXPECT_EQ(std::get<TypedPuzzle>(read).size, (BoxSize{3, 3}));
}

TEST(TypedPuzzle, WhatIsCopiedReadsBackToTheSameBoard) {
    EXPECT_EQ(puzzle_text(four), "1.3434.22143.321");
    // 16x16 uses letters from 10; 36x36 and up numbers between blanks.
    for (const int box : {4, 6}) {
        const int side = box * box;
        Board board(static_cast<std::size_t>(side), Column(static_cast<std::size_t>(side)));
        for (int x = 0; x < side; ++x) {
            for (int y = 0; y < side; ++y) {
                if ((x + y) % 3 != 0) {
                    board[x][y] = (box * (y % box) + y / box + x) % side + 1;
                }
            }
        }
        const auto read = read_puzzle(puzzle_text(board));
        ASSERT_TRUE(std::holds_alternative<TypedPuzzle>(read)) << refusal(puzzle_text(board));
        EXPECT_EQ(std::get<TypedPuzzle>(read).board, board) << box;
    }
    EXPECT_EQ(puzzle_text(four).find(' '), std::string::npos);
}

}  // namespace
}  // namespace sudoku
