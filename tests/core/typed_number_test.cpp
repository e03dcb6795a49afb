// Numbers typed digit by digit on the board: the rule that composes them, per
// board size, and the play's answers to them on a 16x16 board.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/play.h"
#include "board/typed_digits.h"

namespace sudoku {
namespace {

using Kind = TypedDigits::Kind;
using Step = TypedDigits::Step;

// A key as the rule meets it: a digit, or one of these.
enum Key : int { back_space = 10, escape, end };

struct Row {
    const char* what;
    int largest;
    std::vector<int> keys;
    std::vector<Step> steps;  // one per key
};

Step feed(TypedDigits& typing, int key) {
    switch (key) {
        case back_space:
            return typing.back_space();
        case escape:
            return typing.escape();
        case end:
            return typing.end();
        default:
            return typing.digit(key);
    }
}

TEST(TypedDigits, ComposeANumberByTheBoardsLargest) {
    const Step none{};
    const auto pending = [](int n) { return Step{Kind::pending, n}; };
    const auto place = [](int n) { return Step{Kind::place, n}; };
    const Step dropped{Kind::dropped, 0};
    const std::vector<Row> rows = {
        {"4x4: every digit at once", 4, {1, 4, 9}, {place(1), place(4), place(9)}},
        {"9x9: every digit at once", 9, {1, 9}, {place(1), place(9)}},
        {"a 0 alone starts nothing", 9, {0, 5}, {none, place(5)}},
        {"16x16: 2 to 9 at once", 16, {2, 9}, {place(2), place(9)}},
        {"16x16: 1 then 2 is 12", 16, {1, 2}, {pending(1), place(12)}},
        {"16x16: 1 then 0 is 10", 16, {1, 0}, {pending(1), place(10)}},
        {"16x16: 1 and the pause is 1", 16, {1, end}, {pending(1), place(1)}},
        {"16x16: Enter places what is typed", 16, {1, end, end}, {pending(1), place(1), none}},
        {"16x16: Backspace takes the digit back",
         16,
         {1, back_space, 3},
         {pending(1), dropped, place(3)}},
        {"16x16: Escape drops the number", 16, {1, escape, escape}, {pending(1), dropped, none}},
        {"Backspace with nothing typed clears", 16, {back_space}, {none}},
        {"25x25: 2 waits, 3 does not", 25, {2, 5, 3}, {pending(2), place(25), place(3)}},
        {"81x81: 8 waits, 9 does not", 81, {8, 1, 9}, {pending(8), place(81), place(9)}},
        {"81x81: 1 0 is 10", 81, {1, 0}, {pending(1), place(10)}},
        {"a number of three digits",
         200,
         {1, 2, back_space, 5, 0},
         {pending(1), pending(12), pending(1), pending(15), place(150)}},
    };
    for (const Row& row : rows) {
        TypedDigits typing(row.largest);
        ASSERT_EQ(row.keys.size(), row.steps.size()) << row.what;
        for (std::size_t k = 0; k < row.keys.size(); ++k) {
            const Step step = feed(typing, row.keys[k]);
            EXPECT_EQ(step.kind, row.steps[k].kind) << row.what << ", key " << k;
            EXPECT_EQ(step.number, row.steps[k].number) << row.what << ", key " << k;
        }
    }
}

// An empty 16x16 board with a given 7 at 2 1.
Game sixteen() {
    Board original(16, Column(16));
    original[1][0] = 7;
    return Game(original, original, {4, 4}, 0.5);
}

struct PlayRow {
    const char* what;
    std::vector<Command> commands;
    std::vector<std::string> said;  // by the last command
    bool echo = false;              // the last words are the typed digit's echo
    std::optional<Value> at_cursor = std::nullopt;
};

TEST(TypedDigits, PlayAnswersANumberTypedOnSixteen) {
    using V = Verb;
    const std::vector<PlayRow> rows = {
        {"1 waits and is echoed", {{V::place, 1}}, {"1"}, true, std::nullopt},
        {"1 2 places 12, said as the number", {{V::place, 1}, {V::place, 2}}, {"12"}, false, 12},
        {"5 at once, said as today", {{V::place, 5}}, {"five"}, false, 5},
        {"1 and the pause places 1", {{V::place, 1}, {V::end_number}}, {"one"}, false, 1},
        {"Enter places the 1", {{V::place, 1}, {V::type_number}}, {"one"}, false, 1},
        {"Backspace takes it back", {{V::place, 1}, {V::clear}}, {"Number dropped."}},
        {"Escape drops it", {{V::place, 1}, {V::escape}}, {"Number dropped."}},
        {"the pause with nothing typed does nothing", {{V::end_number}}, {}},
        {"another key places it first",
         {{V::place, 1}, {V::count}},
         {"one", "There are 254 empty squares."},
         false,
         1},
        {"a move places it on the square left", {{V::place, 1}, {V::right}}, {"one", "2 1: 7"}},
        {"the rule checks it", {{V::place, 7}}, {"Invalid number."}},
        {"a given refuses it",
         {{V::right}, {V::place, 1}, {V::place, 1}},
         {"You can't change this number."}},
        {"17 is beyond the board", {{V::place, 1}, {V::place, 7}}, {"Invalid number."}},
        {"Ctrl+1 Ctrl+2 is note 12", {{V::note, 1}, {V::note, 2}}, {"Note 12 added."}},
        {"Ctrl+1 Ctrl+0 is note 10", {{V::note, 1}, {V::zoom_reset}}, {"Note 10 added."}},
        {"Ctrl+0 alone resets the zoom", {{V::zoom_reset}}, {}},
        {"a digit ends a note",
         {{V::note, 1}, {V::place, 3}},
         {"Note 1 added.", "three"},
         false,
         3},
        {"a 0 alone does nothing", {{V::zero}}, {}},
        {"a plain 0 ends a note", {{V::note, 1}, {V::zero}}, {"Note 1 added."}},
        {"one undo step takes 12 back",
         {{V::place, 1}, {V::place, 2}, {V::undo}, {V::undo}},
         {"Nothing to undo."}},
    };
    for (const PlayRow& row : rows) {
        Play play(sixteen());
        Answer last;
        for (const Command& command : row.commands) {
            last = play.handle(command);
        }
        std::vector<std::string> said;
        for (const texts::Feedback& words : last.said) {
            said.push_back(words.text);
        }
        EXPECT_EQ(said, row.said) << row.what;
        EXPECT_EQ(!last.said.empty() && last.said.back().echo, row.echo) << row.what;
        if (row.at_cursor) {
            EXPECT_EQ(play.game().at(play.cursor()), row.at_cursor) << row.what;
        }
    }
}

TEST(TypedDigits, WhySaysWhyATypedNumberWasRefused) {
    Board original(16, Column(16));
    original[0][5] = 12;
    Play play(Game(original, original, {4, 4}, 0.5));
    play.handle({Verb::place, 1});
    EXPECT_EQ(play.handle({Verb::place, 2}).said.front().text, "Invalid number.");
    const Answer why = play.handle({Verb::why});
    ASSERT_EQ(why.said.size(), 1U);
    EXPECT_NE(why.said.front().text.find("12"), std::string::npos) << why.said.front().text;
}

TEST(TypedDigits, EscapeWithNothingTypedGoesHome) {
    Play play(sixteen());
    EXPECT_EQ(play.handle({Verb::escape}).effect, Effect::go_home);
    play.handle({Verb::place, 1});
    EXPECT_EQ(play.handle({Verb::escape}).effect, Effect::none);
}

}  // namespace
}  // namespace sudoku
