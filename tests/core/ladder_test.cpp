// The technique ladder: its table; each technique from triples on, on
// candidates set by hand where it is the first step and no easier level has
// one; its words; and rate() on known puzzles of each level.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "board/texts.h"
#include "board_rows.h"
#include "hand_candidates.h"
#include "sudoku/climber.h"
#include "sudoku/hint_techniques.h"
#include "sudoku/ladder.h"
#include "sudoku/rating.h"
#include "sudoku/sudoku.h"

namespace sudoku {
namespace {

using E = Elimination::Kind;
using U = Unit;

constexpr Group row(int index) {
    return {U::row, index};
}
constexpr Group column(int index) {
    return {U::column, index};
}

// The squares of column x, from the top, but those in the rows `skip`.
std::vector<Square> column_but(int x, const std::vector<int>& skip) {
    std::vector<Square> squares;
    for (int y = 0; y < 9; ++y) {
        if (std::find(skip.begin(), skip.end(), y) == skip.end()) {
            squares.push_back({x, y});
        }
    }
    return squares;
}

std::vector<Square> row0_but(const std::vector<int>& skip) {
    std::vector<Square> squares;
    for (int x = 0; x < 9; ++x) {
        if (std::find(skip.begin(), skip.end(), x) == skip.end()) {
            squares.push_back({x, 0});
        }
    }
    return squares;
}

template <class A, class B>
std::vector<A> joined(std::vector<A> a, const B& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

ChainNode off(Square square, int number) {
    return {square, number, false};
}
ChainNode on(Square square, int number) {
    return {square, number, true};
}

struct Case {
    const char* what;
    std::function<void(CandidateBoard&)> setup;
    Elimination expected;
    std::string words;
};

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"naked triple: three squares of row 1 that can only take 1, 2 and 3",
         [](CandidateBoard& c) {
             only(c, {0, 0}, {1, 2});
             only(c, {3, 0}, {2, 3});
             only(c, {6, 0}, {1, 3});
         },
         {E::naked_triple,
          row(0),
          {},
          {1, 2, 3},
          {{0, 0}, {3, 0}, {6, 0}},
          row0_but({0, 3, 6}),
          {1, 2, 3}},
         "In row 1, 1 1, 4 1 and 7 1 can only take 1, 2 and 3, so 2 1, 3 1, 5 1, 6 1, 8 1 and 9 1 "
         "cannot take 1, 2 or 3."},
        {"hidden triple: 1, 2 and 3 kept to three squares of row 1",
         [](CandidateBoard& c) {
             for (const int number : {1, 2, 3}) {
                 keep_in_row0(c, number, {0, 3, 6});
             }
         },
         {E::hidden_triple,
          row(0),
          {},
          {1, 2, 3},
          {{0, 0}, {3, 0}, {6, 0}},
          {{0, 0}, {3, 0}, {6, 0}},
          {4, 5, 6, 7, 8, 9}},
         "In row 1, 1, 2 and 3 can only go at 1 1, 4 1 and 7 1, so 1 1, 4 1 and 7 1 cannot take 4, "
         "5, 6, 7, 8 or 9."},
        {"X-wing: 5 in rows 1 and 5 only in columns 1 and 4",
         [](CandidateBoard& c) {
             keep_in(c, 5, row(0), {{0, 0}, {3, 0}});
             keep_in(c, 5, row(4), {{0, 4}, {3, 4}});
         },
         {E::x_wing,
          {},
          {},
          {5},
          {},
          joined(column_but(0, {0, 4}), column_but(3, {0, 4})),
          {5},
          {row(0), row(4)},
          {column(0), column(3)}},
         "In rows 1 and 5, 5 can only go in columns 1 and 4, so 1 2, 1 3, 1 4, 1 6, 1 7, 1 8, 1 9, "
         "4 2, 4 3, 4 4, 4 6, 4 7, 4 8 and 4 9 cannot take 5."},
        {"swordfish: 5 in rows 1, 4 and 7 only in columns 1, 4 and 7, two in each row",
         [](CandidateBoard& c) {
             keep_in(c, 5, row(0), {{0, 0}, {3, 0}});
             keep_in(c, 5, row(3), {{3, 3}, {6, 3}});
             keep_in(c, 5, row(6), {{0, 6}, {6, 6}});
         },
         {E::swordfish,
          {},
          {},
          {5},
          {},
          joined(joined(column_but(0, {0, 3, 6}), column_but(3, {0, 3, 6})),
                 column_but(6, {0, 3, 6})),
          {5},
          {row(0), row(3), row(6)},
          {column(0), column(3), column(6)}},
         "In rows 1, 4 and 7, 5 can only go in columns 1, 4 and 7, so 1 2, 1 3, 1 5, 1 6, 1 8, "
         "1 9, 4 2, 4 3, 4 5, 4 6, 4 8, 4 9, 7 2, 7 3, 7 5, 7 6, 7 8 and 7 9 cannot take 5."},
        {"XY-wing: 1 1 takes 1 or 2, 5 1 takes 1 or 3, 1 5 takes 2 or 3",
         [](CandidateBoard& c) {
             only(c, {0, 0}, {1, 2});
             only(c, {4, 0}, {1, 3});
             only(c, {0, 4}, {2, 3});
         },
         {E::xy_wing, {}, {}, {1, 2, 3}, {{0, 0}, {4, 0}, {0, 4}}, {{4, 4}}, {3}},
         "1 1 can only take 1 or 2: with 1, 5 1 is 3, and with 2, 1 5 is 3, so 5 5 cannot take 3."},
        {"naked quad: four squares of row 1 that can only take 1 to 4, no three of them three",
         [](CandidateBoard& c) {
             only(c, {0, 0}, {1, 2});
             only(c, {3, 0}, {2, 3});
             only(c, {6, 0}, {3, 4});
             only(c, {7, 0}, {1, 4});
         },
         {E::naked_quad,
          row(0),
          {},
          {1, 2, 3, 4},
          {{0, 0}, {3, 0}, {6, 0}, {7, 0}},
          row0_but({0, 3, 6, 7}),
          {1, 2, 3, 4}},
         "In row 1, 1 1, 4 1, 7 1 and 8 1 can only take 1, 2, 3 and 4, so 2 1, 3 1, 5 1, 6 1 and "
         "9 1 cannot take 1, 2, 3 or 4."},
        {"hidden quad: 1 to 4 kept to four squares of row 1",
         [](CandidateBoard& c) {
             for (const int number : {1, 2, 3, 4}) {
                 keep_in_row0(c, number, {0, 3, 6, 7});
             }
         },
         {E::hidden_quad,
          row(0),
          {},
          {1, 2, 3, 4},
          {{0, 0}, {3, 0}, {6, 0}, {7, 0}},
          {{0, 0}, {3, 0}, {6, 0}, {7, 0}},
          {5, 6, 7, 8, 9}},
         "In row 1, 1, 2, 3 and 4 can only go at 1 1, 4 1, 7 1 and 8 1, so 1 1, 4 1, 7 1 and 8 1 "
         "cannot take 5, 6, 7, 8 or 9."},
        {"simple colouring: 5 has two places in row 1, in column 5 and in row 8",
         [](CandidateBoard& c) {
             keep_in(c, 5, row(0), {{0, 0}, {4, 0}});
             keep_in(c, 5, column(4), {{4, 0}, {4, 7}});
             keep_in(c, 5, row(7), {{1, 7}, {4, 7}});
         },
         {E::colouring,
          {},
          {},
          {5},
          {},
          {{0, 6}, {0, 8}, {1, 1}, {1, 2}},
          {5},
          {},
          {},
          {off({0, 0}, 5), on({4, 0}, 5), off({4, 7}, 5), on({1, 7}, 5)}},
         "If 1 1 is not 5, then 5 1 is 5, 5 8 is not 5 and 2 8 is 5; so 5 is at 1 1 or 2 8, and "
         "1 7, 1 9, 2 2 and 2 3 cannot take 5."},
        {"X-chain: two places for 5 in row 1 and in column 6, linked through box 2",
         [](CandidateBoard& c) {
             keep_in(c, 5, row(0), {{0, 0}, {4, 0}});
             keep_in(c, 5, column(5), {{5, 2}, {5, 6}});
         },
         {E::x_chain,
          {},
          {},
          {5},
          {},
          {{0, 6}},
          {5},
          {},
          {},
          {off({0, 0}, 5), on({4, 0}, 5), off({5, 2}, 5), on({5, 6}, 5)}},
         "If 1 1 is not 5, then 5 1 is 5, 6 3 is not 5 and 6 7 is 5; so 5 is at 1 1 or 6 7, and "
         "1 7 cannot take 5."},
        {"XY-chain: four squares of two numbers each, round from 1 1 to 1 5",
         [](CandidateBoard& c) {
             only(c, {0, 0}, {1, 2});
             only(c, {4, 0}, {2, 3});
             only(c, {4, 4}, {3, 4});
             only(c, {0, 4}, {1, 4});
         },
         {E::xy_chain,
          {},
          {},
          {1},
          {},
          column_but(0, {0, 4}),
          {1},
          {},
          {},
          {off({0, 0}, 1), on({0, 0}, 2), off({4, 0}, 2), on({4, 0}, 3), off({4, 4}, 3),
           on({4, 4}, 4), off({0, 4}, 4), on({0, 4}, 1)}},
         "If 1 1 is not 1, then it is 2, 5 1 is 3, 5 5 is 4 and 1 5 is 1; so 1 is at 1 1 or 1 5, "
         "and 1 2, 1 3, 1 4, 1 6, 1 7, 1 8 and 1 9 cannot take 1."},
    };
    return all;
}

// The one table of techniques: a row for every kind, in the order of the
// kinds (which technique() relies on), every level above the singles', and
// the levels never falling, so that the climb meets the easier ones first.
TEST(Ladder, TheTableHasEachKindOnceInLadderOrder) {
    const auto rows = hints::ladder();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(E::forcing_chain) + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(static_cast<std::size_t>(rows[i].kind), i);
        EXPECT_GT(rows[i].level, Level::easy);
        EXPECT_LE(rows[i].level, Level::expert);
        EXPECT_NE(rows[i].find, nullptr);
        EXPECT_NE(rows[i].holds, nullptr);
        if (i > 0) {
            EXPECT_LE(rows[i - 1].level, rows[i].level);
        }
    }
}

TEST(Ladder, EachTechniqueIsFoundWhereNoEasierLevelHasAStep) {
    const hints::Layout layout({3, 3});
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        CandidateBoard candidates = all_open();
        c.setup(candidates);
        const Level level = hints::technique(c.expected.kind).level;
        EXPECT_EQ(hints::elimination(layout, candidates), c.expected);
        EXPECT_EQ(
            hints::elimination(layout, candidates, static_cast<Level>(static_cast<int>(level) - 1)),
            std::nullopt);
        hints::apply(c.expected, candidates);
        EXPECT_NE(hints::elimination(layout, candidates), c.expected) << "applied, it is gone";
    }
}

TEST(Ladder, EachTechniqueHasItsOwnWords) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        Hint hint{Hint::Kind::eliminate};
        hint.step = c.expected;
        EXPECT_EQ(texts::hint(hint), c.words);
    }
    const Elimination stuck{
        E::forcing_chain, {},  {}, {}, {},
        {{0, 5}},         {3}, {}, {}, {on({0, 5}, 3), on({3, 5}, 1), on({0, 3}, 8)},
        Square{3, 3}};
    const Elimination nowhere{E::forcing_chain, {},  column(6), {4}, {},
                              {{2, 7}},         {3}, {},        {},  {on({2, 7}, 3)}};
    const auto eliminating = [](const Elimination& step) {
        Hint hint{Hint::Kind::eliminate};
        hint.step = step;
        return hint;
    };
    const std::vector<std::pair<Hint, std::string>> more = {
        {eliminating(stuck),
         "If 1 6 were 3, then 4 6 would be 1 and 1 4 would be 8, and 4 4 could take nothing; so "
         "1 6 cannot take 3."},
        {eliminating(nowhere),
         "If 3 8 were 3, 4 could go nowhere in column 7; so 3 8 cannot take 3."},
        {Hint{Hint::Kind::from_solution, {2, 6}, 5},
         "No step by logic is left here. 5 at 3 7 keeps the board solvable."},
    };
    for (const auto& [hint, words] : more) {
        EXPECT_EQ(texts::hint(hint), words);
    }
}

// A puzzle where, after singles, only a forcing chain gets further.
const Board forcing_board = from_rows({{0, 0, 2, 5, 0, 3, 4, 6, 8},
                                       {0, 0, 6, 9, 0, 8, 2, 5, 3},
                                       {5, 8, 3, 4, 6, 2, 0, 0, 0},
                                       {0, 2, 5, 0, 4, 9, 0, 3, 0},
                                       {1, 0, 0, 0, 5, 6, 0, 0, 0},
                                       {0, 0, 0, 0, 2, 7, 0, 0, 0},
                                       {2, 0, 8, 7, 3, 0, 0, 1, 6},
                                       {0, 0, 0, 0, 9, 0, 8, 4, 0},
                                       {0, 0, 0, 0, 8, 0, 3, 0, 0}});

TEST(Ladder, AForcingChainWhereNoOtherTechniqueHelps) {
    const hints::Layout layout({3, 3});
    CandidateBoard candidates = Solver(3, 3).candidates(forcing_board);
    // Every other step there is, taken first, leads to no single.
    std::optional<Elimination> step = hints::elimination(layout, candidates);
    for (int easier = 0; step && step->kind != E::forcing_chain && easier < 20; ++easier) {
        hints::apply(*step, candidates);
        ASSERT_EQ(hints::single(layout, candidates), std::nullopt);
        step = hints::elimination(layout, candidates);
    }
    ASSERT_TRUE(step);
    EXPECT_EQ(step->kind, E::forcing_chain);
    EXPECT_EQ(texts::hint(find_hint(forcing_board, forcing_board, {3, 3})),
              "If 1 6 were 3, then 4 6 would be 1 and 1 4 would be 8, and 4 4 could take nothing; "
              "so 1 6 cannot take 3.");
}

TEST(LevelWords, TheLevelAndAFallbackAreSaid) {
    EXPECT_EQ(texts::level_said(Level::medium), "This is a medium puzzle.");
    EXPECT_EQ(texts::level_said(Level::any), "This puzzle needs guessing.");
    EXPECT_EQ(texts::level_fallback(Level::easy, Level::hard, 30),
              "This puzzle is easy: no hard puzzle was found with 30 percent empty.");
    EXPECT_EQ(texts::level_fallback(Level::any, Level::expert, 90),
              "This puzzle needs guessing: no expert puzzle was found with 90 percent empty.");
}

Board puzzle(std::string_view digits) {
    std::vector<std::vector<int>> rows(9);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        rows[i / 9].push_back(digits[i] - '0');
    }
    return from_rows(rows);
}

TEST(Rate, KnownPuzzlesOfEachLevel) {
    const struct {
        const char* what;
        Board board;
        BoxSize size;
        Level level;
    } cases[] = {
        {"singles only (Project Euler's first grid)",
         puzzle(
             "003020600900305001001806400008102900700000008006708200002609500800203009005010300"),
         {3, 3},
         Level::easy},
        {"a naked pair",
         puzzle(
             "029000086000100300060080900002040000000570000480020030004000005000007000510006040"),
         {3, 3},
         Level::medium},
        {"an X-wing and an XY-wing",
         puzzle(
             "000040000160008000000000850040007009002800304310000020004500000007490080200000600"),
         {3, 3},
         Level::hard},
        {"forcing chains",
         puzzle(
             "300080000074005020000040570800000400000000931056400000010000000000031209000078000"),
         {3, 3},
         Level::expert},
        {"Arto Inkala's 2012 puzzle, beyond one supposition",
         puzzle(
             "800000000003600000070090200050007000000045700000100030001000068008500010090000400"),
         {3, 3},
         Level::any},
        {"two solutions",
         from_rows({{1, 2, 0, 0}, {3, 4, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}),
         {2, 2},
         Level::any},
        {"a repeat",
         from_rows({{1, 1, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}),
         {2, 2},
         Level::any},
        {"a full board",
         from_rows({{1, 2, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}}),
         {2, 2},
         Level::easy},
        {"the wrong size",
         puzzle(
             "003020600900305001001806400008102900700000008006708200002609500800203009005010300"),
         {2, 2},
         Level::any},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(rate(c.board, c.size), c.level);
    }
}

// Puzzles made for each level have their count of holes, one solution and
// the rating they report, and the hint alone leads from them to it.
TEST(LevelPuzzles, AreUniqueRatedAndSolvedHintByHint) {
    for (const Level level : {Level::easy, Level::medium, Level::hard, Level::expert}) {
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            SCOPED_TRACE(std::string(texts::level_item(level)) + " seed " + std::to_string(seed));
            const Sudoku made = Sudoku(3, 3).difficulty(0.6, level, seed);
            EXPECT_EQ(empty_squares(made.board), 49);
            EXPECT_EQ(Solver(3, 3).count(made.board, 2), 1);
            EXPECT_EQ(rate(made.board, {3, 3}), made.level());
            if (level <= Level::medium) {
                EXPECT_EQ(made.level(), level) << "always found at 60 percent empty";
            }
            Board board = made.board;
            std::vector<Hint> told;
            for (Hint hint = find_hint({board, made.board, {3, 3}, told});
                 hint.kind != Hint::Kind::none;
                 hint = find_hint({board, made.board, {3, 3}, told})) {
                if (hint.kind == Hint::Kind::eliminate) {
                    told.push_back(hint);
                    continue;
                }
                told.clear();
                ASSERT_EQ(hint.kind, Hint::Kind::place) << texts::hint(hint);
                ASSERT_EQ(hint.number, made.solution()[hint.square.x][hint.square.y]);
                board[hint.square.x][hint.square.y] = hint.number;
            }
            EXPECT_EQ(board, made.solution());
        }
    }
}

// On the large boards too, up to 60 percent empty at 16x16 and 50 at 25x25:
// whatever level was asked for, the puzzle the digger settles on is rated,
// so the ladder finishes it and it has one solution.
TEST(LevelPuzzles, LargeBoardsStayWithinTheLadder) {
    for (const auto& [side, fraction] : {std::pair{4, 0.6}, std::pair{5, 0.5}}) {
        for (const Level level : {Level::easy, Level::medium, Level::hard, Level::expert}) {
            SCOPED_TRACE(std::to_string(side * side) + " " + std::string(texts::level_item(level)));
            const Sudoku made = Sudoku(side, side).difficulty(fraction, level, 1);
            EXPECT_EQ(empty_squares(made.board), std::lround(fraction * side * side * side * side));
            EXPECT_NE(made.level(), Level::any);
            EXPECT_EQ(rate(made.board, {side, side}), made.level());
        }
    }
}

// The generator's question to the climb: does the square it emptied come
// back? The climb stops once it is placed, with the hardest step needed till
// then; and the squares the easier techniques fill before they are stuck can
// be given back without changing the rating.
TEST(Climb, StopsAtTheSquareAskedAndKnowsWhatTheEasierTechniquesFill) {
    const Board board =
        puzzle("029000086000100300060080900002040000000570000480020030004000005000007000510006040");
    const hints::Layout layout({3, 3});
    Solver solver(3, 3);
    const CandidateBoard candidates = solver.candidates(board);
    constexpr auto kNoCap = std::numeric_limits<std::uint64_t>::max();
    std::vector<Square> placed;
    const Climb full = climb(layout, board, candidates, {Level::expert, {}, kNoCap, &placed});
    ASSERT_TRUE(full.solved);
    ASSERT_EQ(full.hardest, Level::medium);

    const Climb to_first = climb(layout, board, candidates, {Level::expert, placed.front()});
    EXPECT_TRUE(to_first.solved);
    EXPECT_EQ(to_first.hardest, Level::easy);
    EXPECT_LT(to_first.work, full.work);
    const Climb to_last = climb(layout, board, candidates, {Level::expert, placed.back()});
    EXPECT_TRUE(to_last.solved);
    EXPECT_EQ(to_last.hardest, Level::medium);

    std::vector<Square> by_singles;
    EXPECT_FALSE(climb(layout, board, candidates, {Level::easy, {}, kNoCap, &by_singles}).solved);
    ASSERT_FALSE(by_singles.empty());
    const Board solution = *solver.solve(board);
    Board given_back = board;
    for (const Square square : by_singles) {
        given_back[square.x][square.y] = solution[square.x][square.y];
    }
    EXPECT_EQ(rate(given_back, {3, 3}), Level::medium);
}

TEST(LevelPuzzles, AnyLevelIsTodaysPuzzle) {
    const Sudoku empty(3, 3);
    EXPECT_EQ(empty.difficulty(0.7, Level::any, 5).board, empty.difficulty(0.7, 5).board);
    EXPECT_EQ(empty.difficulty(0.7, Level::any, 5).level(), Level::any);
}

// Beyond the ladder, or with several solutions, the hint still gives a number
// that keeps the board solvable.
TEST(LevelPuzzles, TheHintNeverDeadEnds) {
    const Board board =
        puzzle("800000000003600000070090200050007000000045700000100030001000068008500010090000400");
    const Hint hint = find_hint(board, board, {3, 3});
    ASSERT_EQ(hint.kind, Hint::Kind::from_solution);
    Board next = board;
    next[hint.square.x][hint.square.y] = hint.number;
    EXPECT_EQ(Solver(3, 3).count(next, 1), 1);
}

}  // namespace
}  // namespace sudoku
