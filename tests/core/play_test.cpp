// Play as the keys make it, decided without a window: each command on a board,
// what the player is told, where the cursor goes and what happens next.
#include "board/play.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "board/keys.h"
#include "board_rows.h"
#include "reading_board.h"

namespace sudoku {
namespace {

using V = Verb;

// 1 2 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 1, with four squares left to the player.
const Board puzzle = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {0, 1, 4, 3}, {4, 3, 2, 0}});
const Game four(puzzle, puzzle, {2, 2}, 0.5);
const Game nine(nine_to_read(), nine_to_read(), {3, 3}, 0.5);
const Game empty_nine(Board(9, Column(9)), Board(9, Column(9)), {3, 3}, 0.5);

// Only a loaded file can bring a 0: at 2 1 on an empty 4x4 board.
Game zero_game() {
    Board board(4, Column(4));
    board[1][0] = 0;
    return Game(board, Board(4, Column(4)), {2, 2}, 0.5);
}
const Game with_zero = zero_game();

// Only 2 1 left open, and its right number waiting in the redo list.
Game redo_wins() {
    const Board one_left = from_rows({{1, 0, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}});
    Game game(one_left, one_left, {2, 2}, 0.5);
    game.place_digit({1, 0}, 2);
    game.undo();
    return game;
}
const Game one_to_redo = redo_wins();

struct Step {
    Command command;
    std::optional<std::string> typed = std::nullopt;
};

struct Case {
    const char* what;
    const Game* start;
    std::vector<Step> steps;
    std::vector<std::string> said;  // by the last step
    Square cursor;                  // after it
    Effect effect = Effect::none;
};

Answer play_through(Play& play, const std::vector<Step>& steps) {
    Answer last;
    for (const Step& step : steps) {
        last = step.typed ? play.handle(step.command, *step.typed) : play.handle(step.command);
    }
    return last;
}

std::vector<std::string> texts_of(const Answer& answer) {
    std::vector<std::string> texts;
    for (const texts::Feedback& said : answer.said) {
        texts.push_back(said.text);
    }
    return texts;
}

const std::string completed = "You completed the board! What a genius!";

TEST(Play, EachCommandSaysWhatItDidAndMovesTheCursor) {
    const std::vector<Case> cases = {
        {"an arrow says the square, column first",
         &four,
         {{{V::right}}, {{V::down}}},
         {"2 2: 4"},
         {1, 1}},
        {"an arrow at the edge says the square again", &four, {{{V::left}}}, {"1 1: 1"}, {0, 0}},
        {"up at the edge too", &four, {{{V::up}}}, {"1 1: 1"}, {0, 0}},
        {"to the end of the row", &four, {{{V::row_end}}}, {"4 1: 4"}, {3, 0}},
        {"and its start", &four, {{{V::row_end}}, {{V::row_start}}}, {"1 1: 1"}, {0, 0}},
        {"a digit on a given", &four, {{{V::place, 1}}}, {"You can't change this number."}, {0, 0}},
        {"a digit that breaks the rule",
         &four,
         {{{V::right}}, {{V::place, 1}}},
         {"Invalid number."},
         {1, 0}},
        {"a digit beyond the board",
         &four,
         {{{V::right}}, {{V::place, 7}}},
         {"Invalid number."},
         {1, 0}},
        {"a digit that fits", &four, {{{V::right}}, {{V::place, 2}}}, {"two"}, {1, 0}},
        {"the count after it",
         &four,
         {{{V::right}}, {{V::place, 2}}, {{V::count}}},
         {"There are 3 empty squares."},
         {1, 0}},
        {"the player's own number is replaced",
         &empty_nine,
         {{{V::place, 5}}, {{V::place, 3}}},
         {"three"},
         {0, 0}},
        {"but not against the rule",
         &empty_nine,
         {{{V::place, 3}}, {{V::down}}, {{V::place, 4}}, {{V::up}}, {{V::place, 4}}},
         {"Invalid number."},
         {0, 0}},
        {"clearing a given", &four, {{{V::clear}}}, {"You can not delete this number."}, {0, 0}},
        {"Enter on a given asks nothing",
         &four,
         {{{V::type_number}}},
         {"You can't change this number."},
         {0, 0}},
        {"a typed number, in numerals, without the rule",
         &four,
         {{{V::right}}, {{V::type_number}, "1"}},
         {"1"},
         {1, 0}},
        {"a typed twelve", &empty_nine, {{{V::type_number}, " 12 "}}, {"12"}, {0, 0}},
        {"a box left empty says nothing", &empty_nine, {{{V::type_number}, ""}}, {}, {0, 0}},
        {"a typed number against the rule blocks every digit",
         &four,
         {{{V::right}},
          {{V::type_number}, "1"},
          {{V::row_end}},
          {{V::down}},
          {{V::down}},
          {{V::down}},
          {{V::place, 1}}},
         {"Invalid number."},
         {3, 3}},
        {"until it is cleared",
         &four,
         {{{V::right}},
          {{V::type_number}, "1"},
          {{V::clear}},
          {{V::row_end}},
          {{V::down}},
          {{V::down}},
          {{V::down}},
          {{V::place, 1}}},
         {"one"},
         {3, 3}},
        {"a loaded 0 is a number like any other", &with_zero, {{{V::right}}}, {"2 1: 0"}, {1, 0}},
        {"and fills its square",
         &with_zero,
         {{{V::count}}},
         {"There are 15 empty squares."},
         {0, 0}},
        {"the last right digit wins",
         &one_to_redo,
         {{{V::right}}, {{V::place, 2}}},
         {"two", completed},
         {1, 0},
         Effect::go_home},
        {"so does a redo that fills the last square",
         &one_to_redo,
         {{{V::redo}}},
         {"Redone. 2 1: 2", completed},
         {1, 0},
         Effect::go_home},
        {"undo goes to its square",
         &four,
         {{{V::right}}, {{V::place, 2}}, {{V::down}}, {{V::undo}}},
         {"Undone. 2 1: empty."},
         {1, 0}},
        {"redo too",
         &four,
         {{{V::right}}, {{V::place, 2}}, {{V::undo}}, {{V::down}}, {{V::redo}}},
         {"Redone. 2 1: 2"},
         {1, 0}},
        {"undoing Ctrl+N leaves the cursor",
         &four,
         {{{V::fill_notes}}, {{V::right}}, {{V::down}}, {{V::undo}}},
         {"Undone. Notes as they were."},
         {1, 1}},
        {"nothing to undo", &four, {{{V::undo}}}, {"Nothing to undo."}, {0, 0}},
        {"a note, and the square said with it",
         &empty_nine,
         {{{V::note, 5}}, {{V::note, 2}}, {{V::say_square}}},
         {"1 1: empty. Notes 2, 5."},
         {0, 0}},
        {"notes filled",
         &four,
         {{{V::fill_notes}}, {{V::right}}},
         {"2 1: empty. Notes 2."},
         {1, 0}},
        {"w while the cursor stays",
         &nine,
         {{{V::right}}, {{V::down}}, {{V::down}}, {{V::place, 7}}, {{V::why}}},
         {"7 is already at 1 3, in the same row."},
         {1, 2}},
        {"w once it has left",
         &nine,
         {{{V::right}},
          {{V::down}},
          {{V::down}},
          {{V::place, 7}},
          {{V::right}},
          {{V::left}},
          {{V::why}}},
         {"Nothing to explain."},
         {1, 2}},
        {"r, c and b",
         &nine,
         {{{V::right}}, {{V::down}}, {{V::down}}, {{V::read_column}}},
         {"Column 2: 2, 5, empty, 3, 6, 9, 4, 7, 1."},
         {1, 2}},
        {"m",
         &nine,
         {{{V::right}}, {{V::down}}, {{V::down}}, {{V::missing}}},
         {"Row 3 needs 2, 6, 8. Column 2 needs 8. Box 1 needs 8."},
         {1, 2}},
        {"p on a given", &nine, {{{V::options}}}, {"1 1 is given."}, {0, 0}},
        {"e", &nine, {{{V::next_empty}}, {{V::next_empty}}}, {"2 3: empty."}, {1, 2}},
        {"Shift+E round the board", &nine, {{{V::previous_empty}}}, {"9 9: empty."}, {8, 8}},
        {"k", &nine, {{{V::clashes}}}, {"No clashes."}, {0, 0}},
        {"h",
         &four,
         {{{V::right}}, {{V::hint}}},
         {"2 goes at 2 1: the only number that fits there."},
         {1, 0}},
        {"Ctrl+G to a typed square", &nine, {{{V::go_to}, "5 3"}}, {"5 3: empty."}, {4, 2}},
        {"Ctrl+G off the board",
         &nine,
         {{{V::go_to}, "12 40"}},
         {"There is no square 12 40."},
         {0, 0}},
        {"Ctrl+G left empty", &nine, {{{V::go_to}, " "}}, {}, {0, 0}},
        {"Escape", &four, {{{V::go_back}}}, {}, {0, 0}, Effect::go_home},
        {"Ctrl+S", &four, {{{V::save}}}, {}, {0, 0}, Effect::save},
        {"Ctrl+Plus", &four, {{{V::zoom_in}}}, {}, {0, 0}, Effect::zoom_in},
        {"Ctrl+Minus", &four, {{{V::zoom_out}}}, {}, {0, 0}, Effect::zoom_out},
        {"Ctrl+0", &four, {{{V::zoom_reset}}}, {}, {0, 0}, Effect::zoom_reset},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Play play(*c.start);
        const Answer answer = play_through(play, c.steps);
        EXPECT_EQ(texts_of(answer), c.said);
        EXPECT_EQ(play.cursor(), c.cursor);
        EXPECT_EQ(answer.effect, c.effect);
        EXPECT_EQ(answer.won, c.effect == Effect::go_home && !answer.said.empty());
        EXPECT_TRUE(answer.ask.empty());
    }
}

TEST(Play, WhatTheFrontEndIsToldBesidesTheWords) {
    Play play(four);
    EXPECT_EQ(play.handle({V::go_to}).ask, "Go to square: column, then row.");
    EXPECT_TRUE(play.handle({V::right}).cursor_moved);
    EXPECT_FALSE(play.handle({V::say_square}).cursor_moved);
    EXPECT_EQ(play.handle({V::type_number}).ask, "Enter the number you wish to place.");
    EXPECT_EQ(play.handle({V::place, 2}).changed, (std::vector<Square>{{1, 0}}));
    EXPECT_TRUE(play.handle({V::note, 3}).changed.empty()) << "notes are not drawn";

    const Answer keys = play.handle({V::key_help});
    ASSERT_EQ(keys.said.size(), 1u);
    EXPECT_EQ(keys.said[0].title, "Keys");
    EXPECT_EQ(keys.said[0].text, keys::help());

    const Answer zero = play.handle({V::type_number}, "0");
    ASSERT_EQ(zero.said.size(), 1u);
    EXPECT_EQ(zero.said[0].title, "Oh, wow!") << "a number below one is shown in a box";

    Play won(one_to_redo);
    const Answer redo = won.handle({V::redo});
    ASSERT_EQ(redo.said.size(), 2u);
    EXPECT_EQ(redo.said[1].title, "Oh, wow!");
    EXPECT_TRUE(redo.won);
}

TEST(Play, TheTimePlayedAndTheLevel) {
    Play timed(four, {}, std::chrono::seconds(725), Level::medium);
    EXPECT_EQ(texts_of(timed.handle({V::say_time})),
              (std::vector<std::string>{"Playing for 12 minutes 5 seconds."}));
    EXPECT_EQ(texts_of(timed.handle({V::say_level})),
              (std::vector<std::string>{"This is a medium puzzle."}));
    Play unrated(four);
    EXPECT_EQ(texts_of(unrated.handle({V::say_level})),
              (std::vector<std::string>{"This is an easy puzzle."}))
        << "a puzzle made for no level is rated";
    Play open(empty_nine);
    EXPECT_EQ(texts_of(open.handle({V::say_level})),
              (std::vector<std::string>{"This puzzle needs guessing."}));
}

// A puzzle with no single to start with: after singles, only a forcing chain
// gets further, and the hint must rule numbers out first.
const Board no_single = from_rows({{0, 0, 2, 5, 0, 3, 4, 6, 8},
                                   {0, 0, 6, 9, 0, 8, 2, 5, 3},
                                   {5, 8, 3, 4, 6, 2, 0, 0, 0},
                                   {0, 2, 5, 0, 4, 9, 0, 3, 0},
                                   {1, 0, 0, 0, 5, 6, 0, 0, 0},
                                   {0, 0, 0, 0, 2, 7, 0, 0, 0},
                                   {2, 0, 8, 7, 3, 0, 0, 1, 6},
                                   {0, 0, 0, 0, 9, 0, 8, 4, 0},
                                   {0, 0, 0, 0, 8, 0, 3, 0, 0}});

// Each h says one step in one sentence, and never one already said on the
// same board; a change of the board starts the steps afresh.
TEST(Play, TheHintSaysOneNewStepAtATime) {
    Play play(Game(no_single, no_single, {3, 3}, 0.5));
    std::vector<std::string> said;
    for (int press = 0; press < 6; ++press) {
        const std::vector<std::string> words = texts_of(play.handle({V::hint}));
        ASSERT_EQ(words.size(), 1U);
        const std::string& step = words.front();
        EXPECT_EQ(step.find(". "), std::string::npos) << "one sentence: " << step;
        EXPECT_EQ(std::count(said.begin(), said.end(), step), 0) << "said again: " << step;
        said.push_back(step);
    }
    play.handle({V::place, 7});  // 1 1 takes 7 by the rule: the board changes
    play.handle({V::hint});
    play.handle({V::undo});
    EXPECT_EQ(texts_of(play.handle({V::hint})).front(), said.front())
        << "on the board as it is now, nothing has been said yet";
}

TEST(Play, AChangeOfANumberOrANoteIsWhatTheAutosaveKeeps) {
    Play play(four);
    EXPECT_FALSE(play.handle({V::right}).modified);
    EXPECT_FALSE(play.handle({V::place, 1}).modified) << "refused";
    EXPECT_TRUE(play.handle({V::note, 3}).modified);
    EXPECT_TRUE(play.handle({V::place, 2}).modified);
    EXPECT_TRUE(play.handle({V::undo}).modified);
    EXPECT_FALSE(play.handle({V::hint}).modified);
}

TEST(Play, TheBoardsOwnMovesAreSaidAndForgetTheRefusal) {
    Play play(nine);
    EXPECT_EQ(texts_of(play.moved_to({1, 2})), (std::vector<std::string>{"2 3: empty."}));
    play.handle({V::place, 7});
    ASSERT_TRUE(play.refusal().has_value());
    play.moved_to({1, 2});
    EXPECT_TRUE(play.refusal().has_value()) << "the same square keeps it";
    play.moved_to({8, 8});
    EXPECT_FALSE(play.refusal().has_value());
    EXPECT_TRUE(play.moved_to({9, 9}).said.empty()) << "off the board";
    EXPECT_EQ(play.cursor(), (Square{8, 8}));
}

TEST(Play, EveryVerbHasADescription) {
    for (const keys::Binding& binding : keys::bindings()) {
        EXPECT_FALSE(describe(binding.command).empty());
        EXPECT_EQ(describe(binding.command).find('%'), std::string::npos);
    }
    EXPECT_EQ(describe({V::place, 5}), "Place 5");
    EXPECT_EQ(describe({V::note, 3}), "Add or remove the note 3");
}

}  // namespace
}  // namespace sudoku
