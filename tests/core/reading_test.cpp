// The answers that let a player hear the board without walking it, in the
// words the keys speak, on boards made to show each answer.
#include "board/board_reading.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "board/texts.h"
#include "board_rows.h"
#include "reading_board.h"

namespace sudoku {
namespace {

// 1 _ 3 4 / 3 4 _ 2 / _ 1 4 3 / 4 3 2 _
const Board four_rows = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {0, 1, 4, 3}, {4, 3, 2, 0}});
// Only a 1 in the top left box.
const Board lone_one = from_rows({{1, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}});

const Board nine_rows = nine_to_read();

// A solved 16x16 grid with 3 1 and 12 1 open: numbers up to 16.
Board sixteen_rows() {
    std::vector<std::vector<int>> rows(16, std::vector<int>(16));
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            rows[y][x] = (y * 4 + y / 4 + x) % 16 + 1;
        }
    }
    rows[0][2] = 0;
    rows[0][11] = 0;
    return from_rows(rows);
}

// The player's own numbers on top of the givens.
Board with(Board board, std::vector<std::pair<Square, Value>> numbers) {
    for (const auto& [square, value] : numbers) {
        board[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)] = value;
    }
    return board;
}

const Game four(four_rows, four_rows, {2, 2}, 0.5);
const Game nine(nine_rows, nine_rows, {3, 3}, 0.5);
const Game sixteen(sixteen_rows(), sixteen_rows(), {4, 4}, 0.5);
const Game full_four(from_rows({{1, 2, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}}), four_rows,
                     {2, 2}, 0.5);
// The player typed 7 into 2 3 and 1 into 9 9: each repeats a number in its
// row, its column and its box.
const Game nine_clashing(with(nine_rows, {{{1, 2}, 7}, {{8, 8}, 1}}), nine_rows, {3, 3}, 0.5);
// The square 1 1 sees 1 and 2 in its row, 3 and 4 in its column.
const Game stuck(from_rows({{0, 1, 2, 0}, {3, 0, 0, 0}, {0, 0, 0, 0}, {4, 0, 0, 0}}),
                 Board(4, Column(4)), {2, 2}, 0.5);
const Game nine_own_eight(with(nine_rows, {{{1, 2}, 8}}), nine_rows, {3, 3}, 0.5);
const Game sixteen_clashing(with(sixteen_rows(), {{{2, 0}, 12}}), sixteen_rows(), {4, 4}, 0.5);

std::string read(const Game& game, Unit unit, Square at) {
    const Group group = group_of(unit, at, game.size());
    return texts::reading(group, read_group(game, group));
}

std::string go(const Game& game, Square from, bool forward) {
    const auto square = next_empty(game, from, forward);
    return square ? texts::square_announcement(square->x, square->y, game.at(*square))
                  : texts::empty_count(0);
}

struct Case {
    const char* what;
    std::function<std::string()> answer;
    std::string spoken;
};

TEST(BoardReading, EachAnswerInTheWordsItIsSpokenIn) {
    using U = Unit;
    const std::vector<Case> cases = {
        {"r on 4x4",
         [] {
             return read(four, U::row, {3, 1});
         },
         "Row 2: 3, 4, empty, 2."},
        {"c on 4x4",
         [] {
             return read(four, U::column, {0, 3});
         },
         "Column 1: 1, 3, empty, 4."},
        {"b on 4x4",
         [] {
             return read(four, U::box, {3, 3});
         },
         "Box 4: 4, 3, 2, empty."},
        {"r on 9x9",
         [] {
             return read(nine, U::row, {1, 2});
         },
         "Row 3: 7, empty, 9, 1, empty, 3, 4, 5, empty."},
        {"c on 9x9",
         [] {
             return read(nine, U::column, {1, 2});
         },
         "Column 2: 2, 5, empty, 3, 6, 9, 4, 7, 1."},
        {"b on 9x9",
         [] {
             return read(nine, U::box, {1, 2});
         },
         "Box 1: 1, 2, 3, 4, 5, 6, 7, empty, 9."},
        {"b in the middle of 9x9",
         [] {
             return read(nine, U::box, {4, 4});
         },
         "Box 5: 5, 6, 7, 8, 9, 1, 2, 3, 4."},
        {"r on 16x16",
         [] {
             return read(sixteen, U::row, {11, 0});
         },
         "Row 1: 1, 2, empty, 4, 5, 6, 7, 8, 9, 10, 11, empty, 13, 14, 15, 16."},
        {"b on 16x16",
         [] {
             return read(sixteen, U::box, {11, 0});
         },
         "Box 3: 9, 10, 11, empty, 13, 14, 15, 16, 1, 2, 3, 4, 5, 6, 7, 8."},

        {"m on 4x4",
         [] {
             return texts::missing(missing_around(four, {1, 0}));
         },
         "Row 1 needs 2. Column 2 needs 2. Box 1 needs 2."},
        {"m on 9x9",
         [] {
             return texts::missing(missing_around(nine, {1, 2}));
         },
         "Row 3 needs 2, 6, 8. Column 2 needs 8. Box 1 needs 8."},
        {"m with a full row",
         [] {
             return texts::missing(missing_around(nine, {0, 3}));
         },
         "Row 4 needs nothing. Column 1 needs nothing. Box 4 needs nothing."},
        {"m on 16x16",
         [] {
             return texts::missing(missing_around(sixteen, {11, 0}));
         },
         "Row 1 needs 3, 12. Column 12 needs 12. Box 3 needs 12."},

        {"p on 4x4",
         [] {
             return texts::options({2, 1}, options_for(four, {2, 1}));
         },
         "3 2 can take 1."},
        {"p on 9x9",
         [] {
             return texts::options({4, 2}, options_for(nine, {4, 2}));
         },
         "5 3 can take 2, 8."},
        {"p ignores the player's own number",
         [] {
             return texts::options({1, 2}, options_for(nine_own_eight, {1, 2}));
         },
         "2 3 can take 8."},
        {"p where nothing fits",
         [] {
             return texts::options({0, 0}, options_for(stuck, {0, 0}));
         },
         "1 1 can take nothing."},
        {"p on a given",
         [] {
             return texts::options({0, 0}, options_for(nine, {0, 0}));
         },
         "1 1 is given."},
        {"p on 16x16",
         [] {
             return texts::options({2, 0}, options_for(sixteen, {2, 0}));
         },
         "3 1 can take 3."},

        {"e on 4x4",
         [] {
             return go(four, {1, 0}, true);
         },
         "3 2: empty."},
        {"Shift+E on 4x4",
         [] {
             return go(four, {1, 0}, false);
         },
         "4 4: empty."},
        {"e on 9x9",
         [] {
             return go(nine, {1, 2}, true);
         },
         "5 3: empty."},
        {"Shift+E on 9x9",
         [] {
             return go(nine, {1, 2}, false);
         },
         "5 2: empty."},
        {"e wraps from the last square",
         [] {
             return go(nine, {8, 8}, true);
         },
         "5 2: empty."},
        {"Shift+E wraps from the first empty square",
         [] {
             return go(nine, {4, 1}, false);
         },
         "9 9: empty."},
        {"e on 16x16 wraps",
         [] {
             return go(sixteen, {11, 0}, true);
         },
         "3 1: empty."},
        {"e with none empty",
         [] {
             return go(full_four, {0, 0}, true);
         },
         "There are 0 empty squares."},

        {"k on a board that keeps the rule", [] { return texts::clashes(clashes(nine)); },
         "No clashes."},
        {"k with more than three", [] { return texts::clashes(clashes(nine_clashing)); },
         "7 twice in row 3, at 1 3 and 2 3. 1 twice in row 9, at 2 9 and 9 9. "
         "7 twice in column 2, at 2 3 and 2 8. And 3 more."},
        {"k on 16x16", [] { return texts::clashes(clashes(sixteen_clashing)); },
         "12 twice in column 3, at 3 1 and 3 7. 12 twice in box 1, at 3 1 and 4 3."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.answer(), c.spoken) << c.what;
    }
}

TEST(BoardReading, ANumberThreeTimesClashesWithEachLaterOneAndTypedNumbersToo) {
    const Game game(from_rows({{2, 2, 0, 2}, {12, 0, 0, 12}, {0, 0, 0, 0}, {0, 0, 0, 0}}),
                    Board(4, Column(4)), {2, 2}, 0.5);
    EXPECT_EQ(clashes(game), (std::vector<Clash>{
                                 {2, {Unit::row, 0}, {0, 0}, {1, 0}},
                                 {2, {Unit::row, 0}, {0, 0}, {3, 0}},
                                 {12, {Unit::row, 1}, {0, 1}, {3, 1}},
                                 {2, {Unit::box, 0}, {0, 0}, {1, 0}},
                             }));
}

TEST(BoardReading, BoxesOfOtherShapesAreLaidOutAsTheEngineLaysThem) {
    // Boxes three wide and two tall: two side by side, three one above another.
    EXPECT_EQ(squares_of({Unit::box, 3}, {3, 2}),
              (std::vector<Square>{{3, 2}, {4, 2}, {5, 2}, {3, 3}, {4, 3}, {5, 3}}));
    EXPECT_EQ(group_of(Unit::box, {2, 5}, {3, 2}), (Group{Unit::box, 4}));
}

struct Why {
    const char* what;
    std::function<void(Game&)> play;
    std::string spoken;
};

TEST(BoardReading, WhyTheLastDigitWasRefused) {
    const Board typed_pair = with(lone_one, {{{0, 3}, 2}, {{3, 3}, 2}});
    const std::vector<Why> cases = {
        {"in the same row",
         [](Game& g) {
             g.place_digit({1, 2}, 7);
         },
         "7 is already at 1 3, in the same row."},
        {"in the same column",
         [](Game& g) {
             g.place_digit({1, 2}, 2);
         },
         "2 is already at 2 1, in the same column."},
        {"in the same box",
         [](Game& g) {
             g = Game(lone_one, lone_one, {2, 2}, 0.5);
             g.place_digit({1, 1}, 1);
         },
         "1 is already at 1 1, in the same box."},
        {"the board breaks the rule elsewhere",
         [&](Game& g) {
             g = Game(typed_pair, lone_one, {2, 2}, 0.5);
             g.place_digit({1, 1}, 3);
         },
         "2 twice in row 4, at 1 4 and 4 4."},
        {"a typed number above the side",
         [](Game& g) {
             g.place_typed({8, 2}, "12");
             g.place_digit({4, 1}, 8);
         },
         "12 at 9 3 is outside 1 to 9."},
        {"nothing refused", [](Game&) {}, "Nothing to explain."},
        {"the cursor left the square",
         [](Game& g) {
             g.place_digit({1, 2}, 7);
             g.forget_refusal();
         },
         "Nothing to explain."},
        {"a later digit was placed",
         [](Game& g) {
             g.place_digit({1, 2}, 7);
             g.place_digit({1, 2}, 8);
         },
         "Nothing to explain."},
        {"a given refuses every digit by itself",
         [](Game& g) {
             g.place_digit({0, 0}, 5);
         },
         "Nothing to explain."},
        {"numbers above 9",
         [](Game& g) {
             g = sixteen;
             g.place_digit({2, 0}, 9);
         },
         "9 is already at 9 1, in the same row."},
    };
    for (const Why& c : cases) {
        Game game = nine;
        c.play(game);
        EXPECT_EQ(texts::explanation(explain_refusal(game)), c.spoken) << c.what;
    }
}

TEST(BoardReading, ATypedSquareIsItsColumnThenItsRow) {
    using K = TypedSquare::Kind;
    const std::vector<std::pair<std::string, TypedSquare>> cases = {
        {" 3 4 ", {K::on_board, {2, 3}, {}}},
        {"3, 4", {K::on_board, {2, 3}, {}}},
        {"9,9", {K::on_board, {8, 8}, {}}},
        {"  ", {}},
        {"12 40", {K::off_board, {}, "12 40"}},
        {"0 5", {K::off_board, {}, "0 5"}},
        {"3", {K::off_board, {}, "3"}},
        {"3 4 5", {K::off_board, {}, "3 4 5"}},
        {" abc ", {K::off_board, {}, "abc"}},
        {"99999999999999999999 1", {K::off_board, {}, "99999999999999999999 1"}},
    };
    for (const auto& [typed, square] : cases) {
        EXPECT_EQ(read_square(nine, typed), square) << typed;
    }
    EXPECT_EQ(read_square(sixteen, "16 12"), (TypedSquare{K::on_board, {15, 11}, {}}));
    EXPECT_EQ(texts::no_such_square("12 40"), "There is no square 12 40.");
}

}  // namespace
}  // namespace sudoku
