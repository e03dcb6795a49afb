// Every move of play, decided without a window: what it does to the board and
// what the player is told.
#include "board/game.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "board/texts.h"
#include "board_rows.h"

namespace sudoku {
namespace {

// 1 2 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 1 with three squares open: 2 1, 3 2, 4 4.
const Board givens = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {2, 1, 4, 3}, {4, 3, 2, 0}});

Game fresh() {
    return Game(givens, givens, {2, 2}, 0.5);
}

constexpr Square open{1, 0};   // spoken 2 1; 2 is the number that fits
constexpr Square given{0, 0};  // the given 1

struct Case {
    const char* what;
    Square on;
    std::function<Move(Game&, Square)> move;
    Outcome outcome;
    Cell after;  // the square once the move is made
    texts::Feedback told;
};

Move digit(Game& game, Square square, int value) {
    return game.place_digit(square, value);
}

TEST(GameMoves, EachMoveChangesTheBoardAndSaysWhatItDid) {
    using std::placeholders::_1;
    using std::placeholders::_2;
    const auto typed = [](std::string text) {
        return [text](Game& game, Square square) { return game.place_typed(square, text); };
    };
    const auto clear = [](Game& game, Square square) { return game.clear(square); };
    const std::vector<Case> cases = {
        {"a digit that fits", open, std::bind(digit, _1, _2, 2), Outcome::placed, 2, {"two", {}}},
        {"a digit already in the row",
         open,
         std::bind(digit, _1, _2, 4),
         Outcome::breaks_rule,
         std::nullopt,
         {"Invalid number.", {}}},
        {"a digit on a given",
         given,
         std::bind(digit, _1, _2, 1),
         Outcome::given,
         1,
         {"You can't change this number.", {}}},
        {"a typed number, without the rule", open, typed(" 12 "), Outcome::placed, 12, {"12", {}}},
        {"a typed repeat", open, typed("+4"), Outcome::placed, 4, {"4", {}}},
        {"typed on a given",
         given,
         typed("2"),
         Outcome::given,
         1,
         {"You can't change this number.", {}}},
        {"typed letters",
         open,
         typed("7abc"),
         Outcome::not_a_number,
         std::nullopt,
         {"That is not a whole number.", {}}},
        {"typed nothing", open, typed("  "), Outcome::nothing_typed, std::nullopt, {}},
        {"typed zero",
         open,
         typed("0"),
         Outcome::below_one,
         std::nullopt,
         {"You must enter a positive number that is greater than 0.", "Oh, wow!"}},
        {"typed too large",
         open,
         typed(std::string(30, '9')),
         Outcome::too_large,
         std::nullopt,
         {"That number is too large to place.", "Oh, wow!"}},
        {"clearing an empty square",
         open,
         clear,
         Outcome::nothing_to_clear,
         std::nullopt,
         {"Nothing to clear.", {}}},
        {"clearing a given",
         given,
         clear,
         Outcome::given,
         1,
         {"You can not delete this number.", {}}},
        {"clearing the player's number",
         open,
         [](Game& game, Square square) {
             game.place_digit(square, 2);
             return game.clear(square);
         },
         Outcome::cleared,
         std::nullopt,
         {"cleared.", {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game = fresh();
        const Move move = c.move(game, c.on);
        EXPECT_EQ(move.outcome, c.outcome);
        EXPECT_EQ(game.at(c.on), c.after);
        EXPECT_EQ(texts::say(move), c.told);
        EXPECT_EQ(game.original(), givens) << "no move ever touches the givens";
    }
}

TEST(GameMoves, TheLastRightNumberCompletesTheBoardByDigitOrTypedNumber) {
    Game game = fresh();
    EXPECT_EQ(game.empty_count(), 3);
    game.place_digit({1, 0}, 2);
    game.place_digit({2, 1}, 1);
    EXPECT_FALSE(game.is_complete());
    Game typed = game;
    game.place_digit({3, 3}, 1);
    EXPECT_TRUE(game.is_complete());
    typed.place_typed({3, 3}, "1");
    EXPECT_TRUE(typed.is_complete()) << "a board finished with Enter is won too";
    typed.place_typed({3, 3}, "5");
    EXPECT_FALSE(typed.is_complete()) << "a number above the side keeps the board unsolved";
    EXPECT_EQ(typed.empty_count(), 0);
}

TEST(GameMoves, SquaresOffTheBoardAreNotOnIt) {
    const Game game = fresh();
    for (const Square square : {Square{-1, 0}, Square{0, -1}, Square{4, 0}, Square{0, 4}}) {
        EXPECT_FALSE(game.contains(square));
    }
    EXPECT_TRUE(game.contains({3, 3}));
}

TEST(GameMoves, NumbersThatBreakTheRuleAreKnownForEveryBoxShape) {
    // Boxes 3 across and 2 down: 1 at 1 1 and 3 2 share a box, the 2s a
    // column; 7 is above the side; 1 at 4 3 and 3 at 2 4 break nothing.
    const Board board = from_rows({{1, 0, 0, 0, 2, 0},
                                   {0, 0, 1, 0, 0, 0},
                                   {0, 0, 0, 1, 0, 0},
                                   {0, 3, 0, 0, 0, 7},
                                   {0, 0, 0, 0, 0, 0},
                                   {0, 0, 0, 0, 2, 0}});
    const Game wide(board, board, {3, 2}, 0.5);
    const Game tall(board, board, {2, 3}, 0.5);
    for (const Square square :
         {Square{0, 0}, Square{2, 1}, Square{4, 0}, Square{4, 5}, Square{5, 3}}) {
        EXPECT_TRUE(wide.breaks_rule(square)) << square.x << " " << square.y;
    }
    for (const Square square : {Square{3, 2}, Square{1, 3}, Square{1, 0}}) {
        EXPECT_FALSE(wide.breaks_rule(square)) << square.x << " " << square.y;
    }
    EXPECT_FALSE(tall.breaks_rule({0, 0})) << "in boxes 2 across, 1 1 and 3 2 are apart";
    EXPECT_TRUE(tall.breaks_rule({3, 2})) << "and 4 3 shares a box with 3 2";
}

}  // namespace
}  // namespace sudoku
