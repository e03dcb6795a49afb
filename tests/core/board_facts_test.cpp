// The whole board by ear and the player's mistakes: each answer on a board
// built for it, the way back to the last right board, and the mark.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/play.h"
#include "board/settings.h"
#include "board_rows.h"
#include "reading_board.h"

namespace sudoku {
namespace {

using V = Verb;
using Said = std::vector<std::string>;

std::vector<std::string> texts_of(const Answer& answer) {
    std::vector<std::string> texts;
    for (const texts::Feedback& said : answer.said) {
        texts.push_back(said.text);
    }
    return texts;
}

Answer press(Play& play, const std::vector<Command>& commands) {
    Answer last;
    for (const Command& command : commands) {
        last = play.handle(command);
    }
    return last;
}

// 1 2 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 1.
const Board four_solved = from_rows({{1, 2, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}});
// One 1, every 3 and two 4s taken out.
const Board four_open = from_rows({{1, 2, 0, 0}, {0, 4, 1, 2}, {2, 1, 0, 0}, {4, 0, 2, 0}});

// 5 at 1 3, 4 4 and 7 8 (column first), and nothing else.
Board three_fives() {
    Board board(9, Column(9));
    board[0][2] = 5;
    board[3][3] = 5;
    board[6][7] = 5;
    return board;
}

// Only box 2 holds numbers, all but its diagonal.
Board box_two_nearly_full() {
    return from_rows({{0, 0, 0, 0, 5, 6, 0, 0, 0},
                      {0, 0, 0, 7, 0, 9, 0, 0, 0},
                      {0, 0, 0, 1, 2, 0, 0, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0, 0, 0},
                      {0, 0, 0, 0, 0, 0, 0, 0, 0}});
}

Board sixteen_empty() {
    return Board(16, Column(16));
}

struct Case {
    const char* what;
    Game game;
    std::vector<Command> keys;
    Said said;  // by the last key
    Square cursor = {};
    Square start = {};
    SquareForm form = SquareForm::column_row;
};

TEST(BoardFacts, EachAnswerOnABoardBuiltForIt) {
    const Game fives(three_fives(), Board(9, Column(9)), {3, 3}, 0.5);
    const Game four(four_open, four_open, {2, 2}, 0.5);
    const Game box_two(box_two_nearly_full(), box_two_nearly_full(), {3, 3}, 0.5);
    const Game full(four_solved, four_solved, {2, 2}, 0.5);
    const Game sixteen(sixteen_empty(), sixteen_empty(), {4, 4}, 0.5);
    const Game six(Board(6, Column(6)), Board(6, Column(6)), {3, 2}, 0.5);
    const std::vector<Case> cases = {
        {"f 5",
         fives,
         {{V::find_number}, {V::place, 5}},
         {"5 is at 1 3, 4 4 and 7 8. 6 to place."}},
        {"in the form the player chose",
         fives,
         {{V::find_number}, {V::place, 5}},
         {"5 is at A3, D4 and G8. 6 to place."},
         {},
         {},
         SquareForm::letter_number},
        {"f 9", fives, {{V::find_number}, {V::place, 9}}, {"9 is not on the board. 9 to place."}},
        {"f 2 on a full board", full, {{V::find_number}, {V::place, 2}}, {"Every 2 is placed."}},
        {"f 7 on 4x4", full, {{V::find_number}, {V::place, 7}}, {"7 is outside 1 to 4."}},
        {"another key after f does its own work",
         fives,
         {{V::find_number}, {V::right}},
         {"2 1: empty."},
         {1, 0}},
        {"and the digit after it is placed again",
         fives,
         {{V::find_number}, {V::count}, {V::place, 5}},
         {"Invalid number."},
         {0, 3},
         {0, 3}},
        {"a note after f is typed as ever",
         sixteen,
         {{V::find_number}, {V::note, 1}, {V::note, 2}},
         {"Note 12 added."}},
        {"on 16x16 the 1 waits", sixteen, {{V::find_number}, {V::place, 1}}, {"1"}},
        {"for a second digit",
         sixteen,
         {{V::find_number}, {V::place, 1}, {V::place, 2}},
         {"12 is not on the board. 16 to place."}},
        {"or the pause",
         sixteen,
         {{V::find_number}, {V::place, 1}, {V::end_number}},
         {"1 is not on the board. 16 to place."}},
        {"d", four, {{V::left_to_place}}, {"Left to place: 1 once, 4 twice, 3 4 times."}},
        {"d on a full board", full, {{V::left_to_place}}, {"Nothing left to place."}},
        {"Shift+N, several",
         four,
         {{V::fullest_units}},
         {"Row 2, column 1, column 2, box 1 and box 3 have 1 empty square each."}},
        {"Shift+N, one", box_two, {{V::fullest_units}}, {"Box 2 has 3 empty squares."}},
        {"Shift+N on a full board", full, {{V::fullest_units}}, {"There are 0 empty squares."}},
        {"Ctrl+Right by a box 3 wide", six, {{V::box_right}}, {"4 1: empty."}, {3, 0}},
        {"Ctrl+Down by a box 2 tall", six, {{V::box_down}, {V::box_down}}, {"1 5: empty."}, {0, 4}},
        {"Ctrl+Left at the edge says the square again",
         six,
         {{V::box_left}},
         {"2 2: empty."},
         {1, 1},
         {1, 1}},
        {"x with none wrong", four, {{V::check_numbers}}, {"No mistakes so far."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings chosen;
        chosen.squares = c.form;
        use_settings(chosen);
        Play play(c.game, c.start);
        EXPECT_EQ(texts_of(press(play, c.keys)), c.said);
        EXPECT_EQ(play.cursor(), c.cursor);
        EXPECT_EQ(play.game().board(), c.game.board()) << "only looked at";
    }
    use_settings({});
}

// 1 _ 3 4 / 3 4 _ 2 / _ 1 4 3 / 4 3 2 _: each open square takes one number.
const Board four_unique = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {0, 1, 4, 3}, {4, 3, 2, 0}});

TEST(BoardFacts, XCountsTheNumbersThatDifferFromTheSolutionTheHintFollows) {
    Play play(Game(four_unique, four_unique, {2, 2}, 0.5), {1, 0}, {}, Level::any, four_solved);
    play.handle({V::type_number}, "3");
    EXPECT_EQ(texts_of(play.handle({V::check_numbers})), Said{"1 of your numbers is wrong."});
    play.moved_to({2, 1});
    play.handle({V::type_number}, "4");
    EXPECT_EQ(texts_of(play.handle({V::check_numbers})), Said{"2 of your numbers are wrong."});
    play.handle({V::undo});
    play.handle({V::undo});
    EXPECT_EQ(texts_of(play.handle({V::check_numbers})), Said{"No mistakes so far."});

    // Givens with many solutions: a number a solution keeps is not wrong,
    // whatever solution the puzzle was made from.
    const Board top_row = from_rows({{1, 2, 3, 4}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}});
    Play open(Game(top_row, top_row, {2, 2}, 0.5), {0, 1}, {}, Level::any, four_solved);
    open.handle({V::place, 4});
    EXPECT_EQ(texts_of(open.handle({V::check_numbers})), Said{"No mistakes so far."});
    // A 4 typed under the given 4: only it is wrong, not the one a solution keeps.
    open.moved_to({3, 3});
    open.handle({V::type_number}, "4");
    EXPECT_EQ(texts_of(open.handle({V::check_numbers})), Said{"1 of your numbers is wrong."});
}

// On `nine_to_read`: 9 9 takes 8; 5 3 takes 2 (8 fits the rule there, but
// is wrong); 9 3 takes 6; 5 2 takes 8.
TEST(BoardFacts, CtrlBackspaceUndoesToTheLastRightBoardAndCtrlYRedoesOneByOne) {
    Play play(Game(nine_to_read(), nine_to_read(), {3, 3}, 0.5));
    EXPECT_EQ(texts_of(play.handle({V::rewind})), Said{"No mistakes to undo."});
    play.moved_to({8, 8});
    play.handle({V::place, 8});
    const Board right = play.game().board();
    play.moved_to({4, 2});
    play.handle({V::place, 8});
    play.moved_to({4, 1});
    play.handle({V::note, 2});
    play.moved_to({8, 2});
    play.handle({V::place, 6});
    const Answer back = play.handle({V::rewind});
    EXPECT_EQ(texts_of(back), Said{"Back to the last right board: 3 changes undone. 5 3: empty."});
    EXPECT_TRUE(back.cursor_moved);
    EXPECT_TRUE(back.modified);
    EXPECT_EQ(play.cursor(), (Square{4, 2}));
    EXPECT_EQ(play.game().board(), right);
    EXPECT_TRUE(play.game().notes_at({4, 1}).none());
    EXPECT_EQ(texts_of(play.handle({V::redo})), Said{"Redone. 5 3: 8"});
    EXPECT_EQ(texts_of(play.handle({V::rewind})),
              Said{"Back to the last right board: 1 change undone. 5 3: empty."});

    // A game opened with a wrong number has no right board behind it.
    Board opened = nine_to_read();
    opened[4][2] = 8;
    Play loaded(Game(opened, nine_to_read(), {3, 3}, 0.5));
    EXPECT_EQ(texts_of(loaded.handle({V::rewind})),
              Said{"No board in this game's history was without mistakes."});
}

TEST(BoardFacts, TheMarkThroughUndoRedoAndAChangeThatLeavesIt) {
    Play play(Game(nine_to_read(), nine_to_read(), {3, 3}, 0.5));
    EXPECT_EQ(texts_of(play.handle({V::back_to_mark})), Said{"No mark set."});
    play.moved_to({8, 8});
    play.handle({V::place, 8});
    EXPECT_EQ(texts_of(play.handle({V::set_mark})), Said{"Mark set."});
    EXPECT_EQ(texts_of(play.handle({V::back_to_mark})), Said{"Already at the mark."});
    play.moved_to({8, 2});
    play.handle({V::place, 6});
    play.moved_to({4, 1});
    play.handle({V::place, 8});
    EXPECT_EQ(texts_of(play.handle({V::back_to_mark})),
              Said{"Back to the mark: 2 changes undone. 9 3: empty."});
    play.handle({V::redo});
    play.handle({V::undo});
    play.handle({V::undo});
    EXPECT_EQ(texts_of(play.handle({V::back_to_mark})),
              Said{"Back to the mark: 1 change redone. 9 9: 8"});
    play.handle({V::undo});
    play.moved_to({1, 2});
    play.handle({V::place, 8});
    EXPECT_EQ(texts_of(play.handle({V::back_to_mark})), Said{"The mark is gone."});
}

}  // namespace
}  // namespace sudoku
