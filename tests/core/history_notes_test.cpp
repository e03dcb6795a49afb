// Undo, redo and notes, decided without a window: what each does to the board
// and what the player hears.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "board/game.h"
#include "board/texts.h"
#include "board_rows.h"

namespace sudoku {
namespace {

// 1 2 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 1 with three squares open: 2 1, 3 2, 4 4.
const Board givens = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {2, 1, 4, 3}, {4, 3, 2, 0}});
// An empty 4x4 board: room for notes everywhere.
const Board empty = Board(4, Column(4));

constexpr Square open{1, 0};  // spoken 2 1; 2 is the number that fits
constexpr Square given{0, 0};

struct Case {
    const char* what;
    const Board& start;
    std::function<Move(Game&)> play;  // returns the last move
    std::string told;                 // what the last move says
    Square look;
    std::string heard;  // the square `look` as the cursor would announce it
};

TEST(HistoryAndNotes, EachCommandChangesTheGameAndSaysWhatItDid) {
    const std::vector<Case> cases = {
        {"nothing to undo in a new game", givens, [](Game& g) { return g.undo(); },
         "Nothing to undo.", open, "2 1: empty."},
        {"nothing to redo in a new game", givens, [](Game& g) { return g.redo(); },
         "Nothing to redo.", open, "2 1: empty."},
        {"undo a digit", givens,
         [](Game& g) {
             g.place_digit(open, 2);
             return g.undo();
         },
         "Undone. 2 1: empty.", open, "2 1: empty."},
        {"redo it", givens,
         [](Game& g) {
             g.place_digit(open, 2);
             g.undo();
             return g.redo();
         },
         "Redone. 2 1: 2", open, "2 1: 2"},
        {"undo a typed number", givens,
         [](Game& g) {
             g.place_typed(open, "12");
             return g.undo();
         },
         "Undone. 2 1: empty.", open, "2 1: empty."},
        {"undo a clear brings the number back", givens,
         [](Game& g) {
             g.place_digit(open, 2);
             g.clear(open);
             return g.undo();
         },
         "Undone. 2 1: 2", open, "2 1: 2"},
        {"a new change empties the redo list", givens,
         [](Game& g) {
             g.place_digit(open, 2);
             g.undo();
             g.place_digit({2, 1}, 1);
             return g.redo();
         },
         "Nothing to redo.", open, "2 1: empty."},
        {"refused moves leave no history", givens,
         [](Game& g) {
             g.place_digit(given, 2);
             g.clear(given);
             g.place_digit(open, 4);
             g.clear(open);
             g.toggle_note(given, 2);
             return g.undo();
         },
         "Nothing to undo.", given, "1 1: 1"},
        {"a note added", empty, [](Game& g) { return g.toggle_note(open, 3); }, "Note 3 added.",
         open, "2 1: empty. Notes 3."},
        {"notes are said in order", empty,
         [](Game& g) {
             g.toggle_note(open, 4);
             return g.toggle_note(open, 1);
         },
         "Note 1 added.", open, "2 1: empty. Notes 1, 4."},
        {"a note removed", empty,
         [](Game& g) {
             g.toggle_note(open, 3);
             return g.toggle_note(open, 3);
         },
         "Note 3 removed.", open, "2 1: empty."},
        {"a note on a given", givens, [](Game& g) { return g.toggle_note(given, 2); },
         "Notes are for empty squares.", given, "1 1: 1"},
        {"a note on the player's number", givens,
         [](Game& g) {
             g.place_digit(open, 2);
             return g.toggle_note(open, 3);
         },
         "Notes are for empty squares.", open, "2 1: 2"},
        {"a note beyond the board's numbers", empty, [](Game& g) { return g.toggle_note(open, 5); },
         "Invalid number.", open, "2 1: empty."},
        {"undo a note", empty,
         [](Game& g) {
             g.toggle_note(open, 3);
             return g.undo();
         },
         "Undone. 2 1: empty.", open, "2 1: empty."},
        {"placing drops the square's notes", empty,
         [](Game& g) {
             g.toggle_note(open, 3);
             return g.place_digit(open, 2);
         },
         "two", open, "2 1: 2"},
        {"undoing the number brings its notes back", empty,
         [](Game& g) {
             g.toggle_note(open, 3);
             g.place_digit(open, 2);
             return g.undo();
         },
         "Undone. 2 1: empty. Notes 3.", open, "2 1: empty. Notes 3."},
        {"placing drops the number from the notes of its row",
         empty,
         [](Game& g) {
             g.toggle_note({3, 0}, 2);
             g.toggle_note({3, 0}, 4);
             return g.place_digit(open, 2);
         },
         "two",
         {3, 0},
         "4 1: empty. Notes 4."},
        {"...its column",
         empty,
         [](Game& g) {
             g.toggle_note({1, 3}, 2);
             return g.place_digit(open, 2);
         },
         "two",
         {1, 3},
         "2 4: empty."},
        {"...and its box",
         empty,
         [](Game& g) {
             g.toggle_note({0, 1}, 2);
             return g.place_digit(open, 2);
         },
         "two",
         {0, 1},
         "1 2: empty."},
        {"but not from other squares",
         empty,
         [](Game& g) {
             g.toggle_note({2, 1}, 2);
             return g.place_digit(open, 2);
         },
         "two",
         {2, 1},
         "3 2: empty. Notes 2."},
        {"undo gives the neighbours their note back",
         empty,
         [](Game& g) {
             g.toggle_note({0, 1}, 2);
             g.place_digit(open, 2);
             return g.undo();
         },
         "Undone. 2 1: empty.",
         {0, 1},
         "1 2: empty. Notes 2."},
        {"notes filled with what each square can take",
         givens,
         [](Game& g) { return g.fill_notes(given); },
         "Notes filled.",
         {2, 1},
         "3 2: empty. Notes 1."},
        {"undo the fill: the whole board's notes, not a square",
         givens,
         [](Game& g) {
             g.fill_notes({3, 3});
             return g.undo();
         },
         "Undone. Notes as they were.",
         {2, 1},
         "3 2: empty."},
        {"redo the fill",
         givens,
         [](Game& g) {
             g.fill_notes({3, 3});
             g.undo();
             return g.redo();
         },
         "Redone. Notes filled.",
         {2, 1},
         "3 2: empty. Notes 1."},
        {"clearing an empty square takes its notes", empty,
         [](Game& g) {
             g.toggle_note(open, 3);
             return g.clear(open);
         },
         "Notes cleared.", open, "2 1: empty."},
        {"and undo brings them back", empty,
         [](Game& g) {
             g.toggle_note(open, 3);
             g.clear(open);
             return g.undo();
         },
         "Undone. 2 1: empty. Notes 3.", open, "2 1: empty. Notes 3."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game(c.start, c.start, {2, 2}, 0.5);
        const Move move = c.play(game);
        EXPECT_EQ(texts::say(move, game).text, c.told);
        EXPECT_EQ(texts::announce(game, c.look), c.heard);
        EXPECT_EQ(game.original(), c.start) << "nothing touches the givens";
    }
}

TEST(HistoryAndNotes, UndoAndRedoWalkTheWholeHistory) {
    Game game(givens, givens, {2, 2}, 0.5);
    game.place_digit(open, 2);
    game.place_digit({2, 1}, 1);
    game.place_digit({3, 3}, 1);
    ASSERT_TRUE(game.is_complete());
    for (int step = 0; step < 3; ++step) {
        EXPECT_EQ(game.undo().outcome, Outcome::undone);
    }
    EXPECT_EQ(game.board(), givens);
    EXPECT_EQ(game.undo().outcome, Outcome::nothing_to_undo);
    const Move last = (game.redo(), game.redo(), game.redo());
    EXPECT_EQ(last, (Move{MoveKind::redo, Outcome::redone, 0, {3, 3}}));
    EXPECT_TRUE(game.is_complete()) << "the redo that fills the last square wins";
}

}  // namespace
}  // namespace sudoku
