// The player's settings as the game follows them: each position form in
// every text that names a square, what the arrows say, digits as words or
// numerals, and the square the go-to box takes in the chosen form.
#include "board/settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/play.h"
#include "board/texts.h"
#include "board_rows.h"

namespace sudoku {
namespace {

using V = Verb;

// 1 _ 3 4 / 3 4 _ 2 / _ 1 4 3 / 4 3 2 _
const Board puzzle = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {0, 1, 4, 3}, {4, 3, 2, 0}});

// Puts the settings back whatever a test chose.
class SettingsTest : public ::testing::Test {
  protected:
    void TearDown() override { use_settings({}); }
};

struct FormCase {
    SquareForm form;
    std::vector<std::string> said;
};

// On 4x4 the cursor starts at 1 1: Right to 2 1, a clash placed there, then
// the clashes, the reason, the options, an undo, a hint and the go-to box,
// given the square 3 2 in the form.
std::vector<std::string> heard(SquareForm form, const std::string& go_to) {
    Settings chosen;
    chosen.squares = form;
    use_settings(chosen);
    Play play(Game(puzzle, puzzle, {2, 2}, 0.5));
    std::vector<std::string> said;
    const auto say = [&](Answer answer) {
        for (const texts::Feedback& feedback : answer.said) {
            said.push_back(feedback.text);
        }
        if (!answer.ask.empty()) {
            said.push_back(answer.ask);
        }
    };
    for (const Command command :
         {Command{V::right}, Command{V::place, 4}, Command{V::why}, Command{V::options},
          Command{V::undo}, Command{V::hint}, Command{V::go_to}}) {
        say(play.handle(command));
    }
    say(play.handle({V::go_to}, go_to));
    say(play.handle({V::go_to}, "D9"));
    return said;
}

TEST_F(SettingsTest, EveryTextNamesASquareInTheChosenForm) {
    const std::vector<std::string> column_row = {"2 1: empty.",
                                                 "Invalid number.",
                                                 "4 is already at 4 1, in the same row.",
                                                 "2 1 can take 2.",
                                                 "Nothing to undo.",
                                                 "2 goes at 2 1: the only number that fits there.",
                                                 "Go to square: column, then row.",
                                                 "3 2: empty.",
                                                 "There is no square D9."};
    EXPECT_EQ(heard(SquareForm::column_row, "3 2"), column_row);
    EXPECT_EQ(heard(SquareForm::row_column, "2 3"),
              (std::vector<std::string>{
                  "1 2: empty.", "Invalid number.", "4 is already at 1 4, in the same row.",
                  "1 2 can take 2.", "Nothing to undo.",
                  "2 goes at 1 2: the only number that fits there.",
                  "Go to square: row, then column.", "2 3: empty.", "There is no square D9."}));
    EXPECT_EQ(
        heard(SquareForm::letter_number, "c2"),
        (std::vector<std::string>{
            "B1: empty.", "Invalid number.", "4 is already at D1, in the same row.",
            "B1 can take 2.", "Nothing to undo.", "2 goes at B1: the only number that fits there.",
            "Go to square: column letter, then row number.", "C2: empty.",
            "There is no square D9."}));
}

TEST_F(SettingsTest, UndoRedoAndClashesNameTheSquareInTheChosenForm) {
    Settings chosen;
    chosen.squares = SquareForm::letter_number;
    use_settings(chosen);
    Play play(Game(Board(4, Column(4)), Board(4, Column(4)), {2, 2}, 0.5));
    play.handle({V::place, 3});
    play.handle({V::right});
    play.handle({V::type_number}, "3");
    EXPECT_EQ(play.handle({V::clashes}).said.at(0).text,
              "3 twice in row 1, at A1 and B1. 3 twice in box 1, at A1 and B1.");
    play.handle({V::left});
    EXPECT_EQ(play.handle({V::undo}).said.at(0).text, "Undone. B1: empty.");
    EXPECT_EQ(play.handle({V::redo}).said.at(0).text, "Redone. B1: 3");
}

TEST_F(SettingsTest, ArrowsCanSayTheSquareOnlyWhileSpaceSaysBoth) {
    Settings chosen;
    chosen.arrows = ArrowsSay::square_only;
    use_settings(chosen);
    Play play(Game(puzzle, puzzle, {2, 2}, 0.5));
    EXPECT_EQ(play.handle({V::right}).said.at(0).text, "empty.");
    EXPECT_EQ(play.handle({V::right}).said.at(0).text, "3");
    EXPECT_EQ(play.handle({V::say_square}).said.at(0).text, "3 1: 3");
    play.handle({V::left});
    play.handle({V::note, 2});
    EXPECT_EQ(play.handle({V::right}).said.at(0).text, "3");
    EXPECT_EQ(play.handle({V::left}).said.at(0).text, "empty. Notes 2.");
}

TEST_F(SettingsTest, DigitsAreSaidAsWordsOrNumerals) {
    Settings chosen;
    Play words(Game(puzzle, puzzle, {2, 2}, 0.5), {1, 0});
    EXPECT_EQ(words.handle({V::place, 2}).said.at(0).text, "two");
    chosen.digits = DigitsAs::numbers;
    use_settings(chosen);
    Play numerals(Game(puzzle, puzzle, {2, 2}, 0.5), {1, 0});
    EXPECT_EQ(numerals.handle({V::place, 2}).said.at(0).text, "2");
}

TEST(Settings, ColumnsAreLetteredAsSpreadsheetsDo) {
    const std::vector<std::pair<int, std::string>> cases = {
        {1, "A"}, {3, "C"}, {26, "Z"}, {27, "AA"}, {28, "AB"}, {52, "AZ"}, {53, "BA"}, {81, "CC"}};
    for (const auto& [column, letters] : cases) {
        EXPECT_EQ(texts::column_letters(column), letters) << column;
    }
}

TEST(Settings, ATypedSquareIsReadInTheChosenForm) {
    using K = TypedSquare::Kind;
    Board board(81, Column(81));
    const Game wide(board, board, {9, 9}, 0.5);
    const std::vector<std::pair<std::string, TypedSquare>> cases = {
        {"CC81", {K::on_board, {80, 80}, {}}},
        {" aa 3", {K::on_board, {26, 2}, {}}},
        {"b,2", {K::on_board, {1, 1}, {}}},
        {"CD1", {K::off_board, {}, "CD1"}},
        {"3 4", {K::off_board, {}, "3 4"}},
        {"C", {K::off_board, {}, "C"}},
        {"C0", {K::off_board, {}, "C0"}},
        {"ZZZZZZZZZZZZZZ1", {K::off_board, {}, "ZZZZZZZZZZZZZZ1"}},
    };
    for (const auto& [typed, square] : cases) {
        EXPECT_EQ(read_square(wide, typed, SquareForm::letter_number), square) << typed;
    }
    EXPECT_EQ(read_square(wide, "3 40", SquareForm::row_column),
              (TypedSquare{K::on_board, {39, 2}, {}}));
}

TEST(Settings, EachListsItemIsChosenAndReadBack) {
    for (std::size_t list = 0; list < setting_count; ++list) {
        const int items = static_cast<int>(setting_lists()[list].items.size());
        for (int item = 0; item < items; ++item) {
            Settings settings;
            EXPECT_EQ(chosen_item(settings, list), 0);
            choose_item(settings, list, item);
            EXPECT_EQ(chosen_item(settings, list), item);
            choose_item(settings, list, items);
            EXPECT_EQ(chosen_item(settings, list), item);
        }
    }
    EXPECT_EQ(pause_of(Settings{}.pause).count(), 1000);
}

}  // namespace
}  // namespace sudoku
