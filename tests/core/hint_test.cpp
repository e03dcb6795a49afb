// The hint: each technique on candidates made by hand, the words for each
// kind of hint, and whole boards, where no hint may ever contradict the solution.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "board/texts.h"
#include "board_rows.h"
#include "hand_candidates.h"
#include "sudoku/hint.h"
#include "sudoku/hint_techniques.h"
#include "sudoku/sudoku.h"

namespace sudoku {
namespace {

using E = Elimination::Kind;
using U = Unit;

std::vector<Square> row0_from(int x) {
    std::vector<Square> squares;
    for (; x < 9; ++x) {
        squares.push_back({x, 0});
    }
    return squares;
}

struct StepCase {
    const char* what;
    std::function<void(CandidateBoard&)> setup;
    std::optional<Elimination> expected;
};

TEST(HintTechniques, EachEliminationFindsWhatItRulesOut) {
    const std::vector<StepCase> cases = {
        {"nothing when every square can take every number", [](CandidateBoard&) {}, std::nullopt},
        {"pointing: 5 kept to the first row of box 1",
         [](CandidateBoard& c) {
             for (int x = 0; x < 3; ++x) {
                 drop(c, {x, 1}, 5);
                 drop(c, {x, 2}, 5);
             }
         },
         Elimination{E::pointing, {U::box, 0}, {U::row, 0}, {5}, {}, row0_from(3), {5}}},
        {"claiming: 5 in row 1 kept to box 1",
         [](CandidateBoard& c) {
             keep_in_row0(c, 5, {0, 1, 2});
         },
         Elimination{E::claiming,
                     {U::row, 0},
                     {U::box, 0},
                     {5},
                     {},
                     {{0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}},
                     {5}}},
        {"naked pair: two squares of row 1 that can only take 2 and 7",
         [](CandidateBoard& c) {
             Candidates pair;
             pair.set(1).set(6);
             c[0][0] = pair;
             c[1][0] = pair;
         },
         Elimination{
             E::naked_pair, {U::row, 0}, {}, {2, 7}, {{0, 0}, {1, 0}}, row0_from(2), {2, 7}}},
        {"hidden pair: 2 and 7 kept to two squares of row 1, in two boxes",
         [](CandidateBoard& c) {
             keep_in_row0(c, 2, {0, 3});
             keep_in_row0(c, 7, {0, 3});
         },
         Elimination{E::hidden_pair,
                     {U::row, 0},
                     {},
                     {2, 7},
                     {{0, 0}, {3, 0}},
                     {{0, 0}, {3, 0}},
                     {1, 3, 4, 5, 6, 8, 9}}},
    };
    const hints::Layout layout({3, 3});
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.what);
        CandidateBoard candidates = all_open();
        c.setup(candidates);
        const std::optional<Elimination> found = hints::elimination(layout, candidates);
        EXPECT_EQ(found, c.expected);
        if (found) {
            hints::apply(*found, candidates);
            EXPECT_NE(hints::elimination(layout, candidates), found) << "applied, it is gone";
        }
    }
}

TEST(HintTechniques, SinglesComeBeforeEliminations) {
    const hints::Layout layout({3, 3});
    CandidateBoard candidates = all_open();
    keep_in_row0(candidates, 7, {3});
    EXPECT_EQ(hints::single(layout, candidates),
              (Hint{Hint::Kind::place, {3, 0}, 7, Group{U::row, 0}}))
        << "7 has one place left in row 1";
    candidates[5][4].reset().set(1);
    EXPECT_EQ(hints::single(layout, candidates), (Hint{Hint::Kind::place, {5, 4}, 2}))
        << "a square with one number left comes first";
}

TEST(HintTechniques, OnlyTheStepsTheSingleNeedsAreKept) {
    const hints::Layout layout({3, 3});
    CandidateBoard start = all_open();
    keep_in_row0(start, 7, {3, 6});  // 7 at 4 1 or 7 1 in row 1
    for (int y = 3; y < 6; ++y) {    // in box 6, 7 only in column 7
        drop(start, {7, y}, 7);
        drop(start, {8, y}, 7);
    }
    Candidates one_two;
    one_two.set(0).set(1);
    start[0][8] = one_two;
    start[1][8] = one_two;
    std::vector<Square> row8_rest;
    for (int x = 2; x < 9; ++x) {
        row8_rest.push_back({x, 8});
    }
    const Elimination elsewhere{E::naked_pair,    {U::row, 8}, {},    {1, 2},
                                {{0, 8}, {1, 8}}, row8_rest,   {1, 2}};
    const Elimination pointing{
        E::pointing, {U::box, 5}, {U::column, 6},
        {7},         {},          {{6, 0}, {6, 1}, {6, 2}, {6, 6}, {6, 7}, {6, 8}},
        {7}};
    const Hint single{Hint::Kind::place, {3, 0}, 7, Group{U::row, 0}};
    EXPECT_EQ(hints::needed(layout, start, single, {elsewhere, pointing}),
              std::vector<Elimination>{pointing});
    EXPECT_EQ(hints::needed(layout, start, single, {pointing, elsewhere}),
              std::vector<Elimination>{pointing});
    EXPECT_EQ(hints::needed(layout, start, single, {elsewhere}),
              std::vector<Elimination>{elsewhere})
        << "a single that does not hold keeps every step";
    Elimination just_row1 = pointing;
    just_row1.ruled_out = {{6, 0}};
    EXPECT_EQ(hints::first_needed(layout, start, single, {elsewhere, pointing}), just_row1)
        << "of the squares the pointing rules out, the single needs only the one in row 1";
}

Hint eliminating(const Elimination& step) {
    Hint hint{Hint::Kind::eliminate};
    hint.step = step;
    return hint;
}

TEST(HintWords, EachKindOfHintIsSaidPlainly) {
    const Elimination pointing{E::pointing, {U::box, 0},      {U::row, 0}, {5},
                               {},          {{3, 0}, {4, 0}}, {5}};
    const Elimination claiming{E::claiming, {U::column, 2}, {U::box, 0}, {5}, {}, {{0, 1}}, {5}};
    const Elimination naked{E::naked_pair,    {U::row, 6},      {},    {2, 7},
                            {{0, 6}, {3, 6}}, {{5, 6}, {8, 6}}, {2, 7}};
    const Elimination hidden{E::hidden_pair,   {U::box, 3}, {},       {2, 7},
                             {{0, 3}, {1, 4}}, {{1, 4}},    {1, 3, 9}};
    const std::vector<std::pair<Hint, std::string>> cases = {
        {Hint{}, "No hint found."},
        {Hint{Hint::Kind::cannot_complete, {1, 5}, 4},
         "The board cannot be completed. Check 4 at 2 6."},
        {Hint{Hint::Kind::place, {2, 6}, 5}, "5 goes at 3 7: the only number that fits there."},
        {Hint{Hint::Kind::place, {2, 6}, 5, Group{U::row, 6}},
         "5 goes at 3 7: the only place for 5 in row 7."},
        {Hint{Hint::Kind::place, {2, 6}, 5, Group{U::column, 2}},
         "5 goes at 3 7: the only place for 5 in column 3."},
        {eliminating(pointing), "In box 1, 5 can only go in row 1, so 4 1 and 5 1 cannot take 5."},
        {eliminating(claiming), "In column 3, 5 can only go in box 1, so 1 2 cannot take 5."},
        {eliminating(naked),
         "In row 7, 1 7 and 4 7 can only take 2 and 7, so 6 7 and 9 7 cannot take 2 or 7."},
        {eliminating(hidden),
         "In box 4, 2 and 7 can only go at 1 4 and 2 5, so 2 5 cannot take 1, 3 or 9."},
        {Hint{Hint::Kind::no_solution},
         "No step by logic is left here, and no solution was found in time."},
    };
    for (const auto& [hint, words] : cases) {
        EXPECT_EQ(texts::hint(hint), words);
    }
}

// 1 2 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 1 with three squares open: 2 1, 3 2, 4 4.
const Board givens = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {2, 1, 4, 3}, {4, 3, 2, 0}});

Board with(Board board, Square square, Value value) {
    board[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)] = value;
    return board;
}

TEST(HintOnBoards, TheHintForEachKindOfBoard) {
    const Board fives = from_rows({{0, 0, 0, 0, 0, 0, 0, 0, 0},
                                   {0, 0, 0, 0, 5, 0, 0, 0, 0},
                                   {0, 0, 0, 0, 0, 0, 0, 5, 0},
                                   {0, 0, 0, 0, 0, 0, 0, 0, 0},
                                   {0, 0, 0, 0, 0, 0, 0, 0, 0},
                                   {0, 5, 0, 0, 0, 0, 0, 0, 0},
                                   {0, 0, 0, 0, 0, 0, 0, 0, 0},
                                   {0, 0, 5, 0, 0, 0, 0, 0, 0},
                                   {0, 0, 0, 0, 0, 0, 0, 0, 0}});
    const Board empty(9, Column(9));
    const struct {
        const char* what;
        Board board;
        Board original;
        BoxSize size;
        std::string said;
    } cases[] = {
        {"one number fits",
         givens,
         givens,
         {2, 2},
         "2 goes at 2 1: the only number that fits there."},
        {"one place left in a row",
         fives,
         fives,
         {3, 3},
         "5 goes at 1 1: the only place for 5 in row 1."},
        {"a player's number repeats one in its row",
         with(givens, {1, 0}, 4),
         givens,
         {2, 2},
         "The board cannot be completed. Check 4 at 2 1."},
        {"a player's number above the side",
         with(givens, {1, 0}, 7),
         givens,
         {2, 2},
         "The board cannot be completed. Check 7 at 2 1."},
        {"a full board",
         from_rows({{1, 2, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}}),
         givens,
         {2, 2},
         "No hint found."},
        {"an empty board has no step by logic",
         empty,
         empty,
         {3, 3},
         "No step by logic is left here. 1 at 1 1 keeps the board solvable."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(texts::hint(find_hint(c.board, c.original, c.size)), c.said);
    }
}

TEST(HintOnBoards, AWrongNumberThatBreaksNoRuleIsNamed) {
    const Sudoku puzzle = Sudoku(3, 3).difficulty(0.5, 7);
    ASSERT_EQ(Solver(3, 3).count(puzzle.board, 2), 1) << "the test needs a unique puzzle";
    // The first open square, given a number that fits its row, column and box
    // but is not the solution's.
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            if (puzzle.board[x][y]) {
                continue;
            }
            const Candidates fits = Solver(3, 3).candidates(puzzle.board)[x][y];
            for (int number = 1; number <= 9; ++number) {
                if (fits.test(number - 1) && puzzle.solution()[x][y] != number) {
                    const Hint hint =
                        find_hint(with(puzzle.board, {x, y}, number), puzzle.board, {3, 3});
                    EXPECT_EQ(hint, (Hint{Hint::Kind::cannot_complete, {x, y}, number}));
                    return;
                }
            }
        }
    }
    FAIL() << "no open square takes a wrong number";
}

// Following hint after hint solves a puzzle, each elimination told once
// until a number is placed; no step may contradict the puzzle's one solution,
// and on a board left as it is, no step is said twice.
TEST(HintOnBoards, HintsFollowTheSolution) {
    int eliminations = 0;
    for (const auto& [box, fraction] : {std::pair{3, 0.6}, std::pair{3, 0.7}, std::pair{4, 0.5}}) {
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            const Sudoku puzzle = Sudoku(box, box).difficulty(fraction, seed);
            const auto solved = [&](Square square) {
                return *puzzle.solution()[square.x][square.y];
            };
            Board board = puzzle.board;
            std::vector<Hint> told;
            for (Hint hint = find_hint({board, puzzle.board, {box, box}, told});
                 hint.kind != Hint::Kind::none;
                 hint = find_hint({board, puzzle.board, {box, box}, told})) {
                ASSERT_TRUE(std::find(told.begin(), told.end(), hint) == told.end())
                    << "said again: " << texts::hint(hint);
                if (hint.kind == Hint::Kind::eliminate) {
                    for (const Square square : hint.step.ruled_out) {
                        for (const int number : hint.step.removed) {
                            ASSERT_NE(number, solved(square)) << texts::hint(hint);
                        }
                    }
                    ++eliminations;
                    told.push_back(hint);
                    continue;
                }
                ASSERT_EQ(hint.kind, Hint::Kind::place) << texts::hint(hint);
                ASSERT_EQ(hint.number, solved(hint.square)) << texts::hint(hint);
                board[hint.square.x][hint.square.y] = hint.number;
                told.clear();
            }
            EXPECT_EQ(board, puzzle.solution());
        }
    }
    RecordProperty("eliminations", eliminations);
    EXPECT_GT(eliminations, 0) << "the boards above need eliminations now and then";
}

// The large boards, fresh, with the solution they were made from: a step or
// a number from that solution, never "No hint found.", which is for a full
// board only. The search alone finds no solution of these in time.
TEST(HintOnBoards, LargeFreshBoardsGetAStep) {
    for (const auto& [box, fraction] : {std::pair{6, 0.7}, std::pair{7, 0.9}, std::pair{9, 0.7}}) {
        SCOPED_TRACE(std::to_string(box * box) + " " + std::to_string(fraction));
        const Sudoku puzzle = Sudoku(box, box).difficulty(fraction, 1);
        const std::vector<Hint> told;
        const Hint hint =
            find_hint({puzzle.board, puzzle.board, {box, box}, told, &puzzle.solution()});
        ASSERT_NE(hint.kind, Hint::Kind::none) << texts::hint(hint);
        if (hint.kind != Hint::Kind::eliminate) {
            EXPECT_EQ(hint.number, puzzle.solution()[hint.square.x][hint.square.y])
                << texts::hint(hint);
        }
    }
}

}  // namespace
}  // namespace sudoku
