// The decisions behind the board commands and the texts they speak.
#include <gtest/gtest.h>

#include "board/texts.h"
#include "board_rows.h"
#include "sudoku/rules.h"

namespace sudoku {
namespace {

const Board solved = from_rows({{1, 2, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}});

TEST(Texts, SquaresAreSpokenColumnFirstCountedFromOne) {
    EXPECT_EQ(texts::square_announcement(0, 0, std::nullopt), "1 1: empty.");
    EXPECT_EQ(texts::square_announcement(2, 0, 7), "3 1: 7");
    EXPECT_EQ(texts::square_announcement(8, 4, 3), "9 5: 3");
    EXPECT_EQ(texts::square_announcement(15, 15, 12), "16 16: 12");
    EXPECT_EQ(texts::square_announcement(0, 1, 0), "1 2: 0")
        << "0 is a number, not an empty square";
}

TEST(Texts, EveryDigitHasASpokenName) {
    const std::vector<std::string_view> names = {"one", "two",   "three", "four", "five",
                                                 "six", "seven", "eight", "nine"};
    for (int digit = 1; digit <= 9; ++digit) {
        EXPECT_EQ(texts::digit_name(digit), names[static_cast<std::size_t>(digit - 1)]);
    }
}

TEST(Texts, CountsAndDialogItems) {
    EXPECT_EQ(texts::empty_count(0), "There are 0 empty squares.");
    EXPECT_EQ(texts::empty_count(1), "There are 1 empty squares.");
    EXPECT_EQ(texts::size_item(9), "9x9");
    EXPECT_EQ(texts::difficulty_item(10), "10 percent empty");
}

TEST(Rules, GivensAreRefusedBeforeTheRuleIsAsked) {
    Board original = solved;
    EXPECT_EQ(judge_candidate(solved, original, {2, 2}, 0, 0, 1), Verdict::given)
        << "even the given's own number";
}

TEST(Rules, ARepeatInRowColumnOrBoxIsRefusedAndTheBoardIsUntouched) {
    Board board = solved;
    board[1][1] = std::nullopt;  // the 4 in column 2, row 2
    Board original = board;
    const Board before = board;
    EXPECT_EQ(judge_candidate(board, original, {2, 2}, 1, 1, 4), Verdict::accepted);
    EXPECT_EQ(judge_candidate(board, original, {2, 2}, 1, 1, 3), Verdict::breaks_rule);  // row
    EXPECT_EQ(judge_candidate(board, original, {2, 2}, 1, 1, 1), Verdict::breaks_rule);  // column
    EXPECT_EQ(judge_candidate(board, original, {2, 2}, 1, 1, 2), Verdict::breaks_rule);  // box
    EXPECT_EQ(board, before);
}

TEST(Rules, APlayersOwnNumberIsJudgedWithoutIt) {
    Board original = solved;
    original[1][1] = std::nullopt;
    Board board = solved;  // the player's own 4 stands at [1][1]
    EXPECT_EQ(judge_candidate(board, original, {2, 2}, 1, 1, 4), Verdict::accepted);
    board[1][1] = 3;
    EXPECT_EQ(judge_candidate(board, original, {2, 2}, 1, 1, 4), Verdict::accepted);
}

TEST(Rules, AConflictElsewhereBlocksEveryCandidate) {
    Board board(4, Column(4));
    Board original = board;
    board[0][0] = 1;
    board[3][0] = 1;  // same row, placed without a check
    for (Value f = 1; f <= 4; ++f) {
        EXPECT_EQ(judge_candidate(board, original, {2, 2}, 2, 2, f), Verdict::breaks_rule);
    }
}

TEST(Rules, CompletionNeedsAFullBoardThatKeepsTheRule) {
    EXPECT_TRUE(is_complete(solved, {2, 2}));
    Board gap = solved;
    gap[3][3] = std::nullopt;
    EXPECT_FALSE(is_complete(gap, {2, 2}));
    Board clash = solved;
    clash[0][0] = 2;
    EXPECT_FALSE(is_complete(clash, {2, 2}));
    Board too_big = solved;
    too_big[0][0] = 5;
    EXPECT_FALSE(is_complete(too_big, {2, 2}));
    EXPECT_FALSE(is_complete(solved, {0, 7})) << "an engine failure is not a win";
}

TEST(Rules, CountEmpty) {
    Board board = solved;
    EXPECT_EQ(count_empty(board), 0);
    board[2][1] = std::nullopt;
    board[0][3] = std::nullopt;
    board[1][1] = 0;
    EXPECT_EQ(count_empty(board), 2);
}

TEST(TypedNumbers, WholeNumbersWithBlanksAndSign) {
    using Kind = TypedNumber::Kind;
    EXPECT_EQ(read_typed_number("12").value, 12);
    EXPECT_EQ(read_typed_number("  12 \t").value, 12);
    EXPECT_EQ(read_typed_number("+7").kind, Kind::number);
    EXPECT_EQ(read_typed_number("0").kind, Kind::below_one);
    EXPECT_EQ(read_typed_number("-4").kind, Kind::below_one);
    EXPECT_EQ(read_typed_number("").kind, Kind::nothing);
    EXPECT_EQ(read_typed_number(" \t ").kind, Kind::nothing);
    for (const char* text : {"abc", "3.5", "1e1", "- 4", "7abc", "a7", "+", "0x3", "1 2"}) {
        EXPECT_EQ(read_typed_number(text).kind, Kind::not_a_number) << '"' << text << '"';
    }
}

TEST(TypedNumbers, HugeNumbersNeverOverflow) {
    using Kind = TypedNumber::Kind;
    EXPECT_EQ(read_typed_number("9223372036854775807").value, INT64_MAX);
    EXPECT_EQ(read_typed_number("123456789012345678901234567890").kind, Kind::too_large);
    EXPECT_EQ(read_typed_number("-123456789012345678901234567890").kind, Kind::below_one);
}

}  // namespace
}  // namespace sudoku
