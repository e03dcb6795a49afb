// The answers that let a player hear the board without walking it, in the
// words the keys speak, on boards made to show each answer.
#include "board/board_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "board/play.h"
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
// Numbers typed with Enter that the board cannot hold: 5 on 4x4; 12 on 9x9
// beside a 7 that clashes three times.
const Game four_five(with(four_rows, {{{1, 0}, 5}}), four_rows, {2, 2}, 0.5);
const Game nine_twelve(with(nine_rows, {{{1, 2}, 7}, {{8, 2}, 12}}), nine_rows, {3, 3}, 0.5);

// The reading keys; Shift+E is `back`.
enum class Key { r, c, b, m, p, e, back, k };

// What the key says with the cursor at `at`, as the window says it.
std::string answer(Key key, const Game& game, Square at) {
    const auto read = [&](Unit unit) {
        const Group group = game.geometry().group_of(unit, at);
        return texts::reading(group, read_group(game, group));
    };
    const auto go = [&](bool forward) {
        const auto square = next_empty(game, at, forward);
        return square ? texts::square_announcement(square->x, square->y, game.at(*square))
                      : texts::empty_count(0);
    };
    switch (key) {
        case Key::r:
            return read(Unit::row);
        case Key::c:
            return read(Unit::column);
        case Key::b:
            return read(Unit::box);
        case Key::m:
            return texts::missing(missing_around(game, at));
        case Key::p:
            return texts::options(at, options_for(game, at));
        case Key::e:
            return go(true);
        case Key::back:
            return go(false);
        case Key::k:
            return texts::clashes(rule_breaks(game));
    }
    return {};
}

struct Case {
    const char* what;
    Key key;
    const Game* game;
    Square at;
    std::string spoken;
};

TEST(BoardReading, EachAnswerInTheWordsItIsSpokenIn) {
    const std::vector<Case> cases = {
        {"r on 4x4", Key::r, &four, {3, 1}, "Row 2: 3, 4, empty, 2."},
        {"c on 4x4", Key::c, &four, {0, 3}, "Column 1: 1, 3, empty, 4."},
        {"b on 4x4", Key::b, &four, {3, 3}, "Box 4: 4, 3, 2, empty."},
        {"r on 9x9", Key::r, &nine, {1, 2}, "Row 3: 7, empty, 9, 1, empty, 3, 4, 5, empty."},
        {"c on 9x9", Key::c, &nine, {1, 2}, "Column 2: 2, 5, empty, 3, 6, 9, 4, 7, 1."},
        {"b on 9x9", Key::b, &nine, {1, 2}, "Box 1: 1, 2, 3, 4, 5, 6, 7, empty, 9."},
        {"b in the middle", Key::b, &nine, {4, 4}, "Box 5: 5, 6, 7, 8, 9, 1, 2, 3, 4."},
        {"r on 16x16",
         Key::r,
         &sixteen,
         {11, 0},
         "Row 1: 1, 2, empty, 4, 5, 6, 7, 8, 9, 10, 11, empty, 13, 14, 15, 16."},
        {"b on 16x16",
         Key::b,
         &sixteen,
         {11, 0},
         "Box 3: 9, 10, 11, empty, 13, 14, 15, 16, 1, 2, 3, 4, 5, 6, 7, 8."},

        {"m on 4x4", Key::m, &four, {1, 0}, "Row 1 needs 2. Column 2 needs 2. Box 1 needs 2."},
        {"m on 9x9",
         Key::m,
         &nine,
         {1, 2},
         "Row 3 needs 2, 6, 8. Column 2 needs 8. Box 1 needs 8."},
        {"m with full groups",
         Key::m,
         &nine,
         {0, 3},
         "Row 4 needs nothing. Column 1 needs nothing. Box 4 needs nothing."},
        {"m on 16x16",
         Key::m,
         &sixteen,
         {11, 0},
         "Row 1 needs 3, 12. Column 12 needs 12. Box 3 needs 12."},

        {"p on 4x4", Key::p, &four, {2, 1}, "3 2 can take 1."},
        {"p on 9x9", Key::p, &nine, {4, 2}, "5 3 can take 2, 8."},
        {"p ignores the player's own number", Key::p, &nine_own_eight, {1, 2}, "2 3 can take 8."},
        {"p where nothing fits", Key::p, &stuck, {0, 0}, "1 1 can take nothing."},
        {"p on a given", Key::p, &nine, {0, 0}, "1 1 is given."},
        {"p on 16x16", Key::p, &sixteen, {2, 0}, "3 1 can take 3."},

        {"e on 4x4", Key::e, &four, {1, 0}, "3 2: empty."},
        {"Shift+E on 4x4 wraps", Key::back, &four, {1, 0}, "4 4: empty."},
        {"e on 9x9", Key::e, &nine, {1, 2}, "5 3: empty."},
        {"Shift+E on 9x9", Key::back, &nine, {1, 2}, "5 2: empty."},
        {"e wraps from the last square", Key::e, &nine, {8, 8}, "5 2: empty."},
        {"Shift+E wraps from the first", Key::back, &nine, {4, 1}, "9 9: empty."},
        {"e on 16x16 wraps", Key::e, &sixteen, {11, 0}, "3 1: empty."},
        {"e with none empty", Key::e, &full_four, {0, 0}, "There are 0 empty squares."},

        {"k on a board that keeps the rule", Key::k, &nine, {}, "No clashes."},
        {"k with more than three",
         Key::k,
         &nine_clashing,
         {},
         "7 twice in row 3, at 1 3 and 2 3. 1 twice in row 9, at 2 9 and 9 9. "
         "7 twice in column 2, at 2 3 and 2 8. And 3 more."},
        {"k on 16x16",
         Key::k,
         &sixteen_clashing,
         {},
         "12 twice in column 3, at 3 1 and 3 7. 12 twice in box 1, at 3 1 and 4 3."},
        {"k names a number outside 1 to N", Key::k, &four_five, {}, "5 at 2 1 is outside 1 to 4."},
        {"k counts it after the clashes",
         Key::k,
         &nine_twelve,
         {},
         "7 twice in row 3, at 1 3 and 2 3. 7 twice in column 2, at 2 3 and 2 8. "
         "7 twice in box 1, at 1 3 and 2 3. And 1 more."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(answer(c.key, *c.game, c.at), c.spoken) << c.what;
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
    const Geometry geometry({3, 2});
    EXPECT_EQ(geometry.squares_of({Unit::box, 3}),
              (std::vector<Square>{{3, 2}, {4, 2}, {5, 2}, {3, 3}, {4, 3}, {5, 3}}));
    EXPECT_EQ(geometry.group_of(Unit::box, {2, 5}), (Group{Unit::box, 4}));
}

struct Why {
    const char* what;
    const Game* start;
    std::vector<std::pair<Square, int>> digits;  // pressed in this order
    bool cursor_left;                            // after the digits
    std::string spoken;
};

TEST(BoardReading, WhyTheLastDigitWasRefused) {
    const Game lone(lone_one, lone_one, {2, 2}, 0.5);
    const Game typed_pair(with(lone_one, {{{0, 3}, 2}, {{3, 3}, 2}}), lone_one, {2, 2}, 0.5);
    const Game typed_twelve(with(nine_rows, {{{8, 2}, 12}}), nine_rows, {3, 3}, 0.5);
    const std::vector<Why> cases = {
        {"in the same row", &nine, {{{1, 2}, 7}}, false, "7 is already at 1 3, in the same row."},
        {"in the same column",
         &nine,
         {{{1, 2}, 2}},
         false,
         "2 is already at 2 1, in the same column."},
        {"in the same box", &lone, {{{1, 1}, 1}}, false, "1 is already at 1 1, in the same box."},
        {"numbers above 9",
         &sixteen,
         {{{2, 0}, 9}},
         false,
         "9 is already at 9 1, in the same row."},
        {"the board breaks the rule elsewhere",
         &typed_pair,
         {{{1, 1}, 3}},
         false,
         "2 twice in row 4, at 1 4 and 4 4."},
        {"a typed number above the side",
         &typed_twelve,
         {{{4, 1}, 8}},
         false,
         "12 at 9 3 is outside 1 to 9."},
        {"a digit beyond the board's numbers", &four, {{{1, 0}, 7}}, false, "7 is outside 1 to 4."},
        {"nothing refused", &nine, {}, false, "Nothing to explain."},
        {"the cursor left the square", &nine, {{{1, 2}, 7}}, true, "Nothing to explain."},
        {"a later digit was placed",
         &nine,
         {{{1, 2}, 7}, {{1, 2}, 8}},
         false,
         "Nothing to explain."},
        {"a given refuses by itself", &nine, {{{0, 0}, 5}}, false, "Nothing to explain."},
    };
    for (const Why& c : cases) {
        Play play(*c.start);
        for (const auto& [square, digit] : c.digits) {
            play.moved_to(square);
            play.handle({Verb::place, digit});
        }
        if (c.cursor_left) {
            play.handle({Verb::right});
        }
        EXPECT_EQ(play.handle({Verb::why}).said.at(0).text, c.spoken) << c.what;
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
