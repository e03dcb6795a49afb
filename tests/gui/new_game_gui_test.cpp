// The new-game dialog driven by real keys, and the games it starts.
#include <wx/dataview.h>
#include <wx/grid.h>

#include "dialogs/wx/size_dlg.h"
#include "gui_harness.h"
#include "sudoku/level_bank.h"
#include "sudoku/rules.h"
#include "sudoku/sudoku.h"

namespace gui_test {
namespace {

struct Key {
    int code;
    int modifiers = wxMOD_NONE;
};

// Presses `keys` in the size dialog once it is up, as a player would.
void keys_for_dialog(std::vector<Key> keys) {
    when_dialog_shows([keys](wxDialog& dialog) {
        EXPECT_NE(dynamic_cast<size_dlg*>(&dialog), nullptr);
        wxUIActionSimulator sim;
        for (const Key& key : keys) {
            sim.Char(key.code, key.modifiers);
        }
    });
}

const std::vector<Key> go_now = {{WXK_TAB}, {WXK_TAB}, {WXK_TAB}, {WXK_SPACE}};

std::vector<Key> downs(int count) {
    return std::vector<Key>(static_cast<std::size_t>(count), {WXK_DOWN});
}

std::vector<Key> operator+(std::vector<Key> a, const std::vector<Key>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class SizeDialog : public ::testing::Test {};

TEST_F(SizeDialog, ListsNamedAndFilledFirstItemsCurrentFocusOnSizes) {
    size_dlg dialog;
    EXPECT_EQ(dialog.GetTitle(), "New game");
    ASSERT_EQ(dialog.bmenu->GetItemCount(), 8);
    ASSERT_EQ(dialog.dmenu->GetItemCount(), 9);
    EXPECT_EQ(dialog.bmenu->GetTextValue(0, 0), "2x2");
    EXPECT_EQ(dialog.bmenu->GetTextValue(7, 0), "9x9");
    EXPECT_EQ(dialog.dmenu->GetTextValue(0, 0), "10 percent empty");
    EXPECT_EQ(dialog.dmenu->GetTextValue(8, 0), "90 percent empty");
    EXPECT_EQ(dialog.bmenu->GetName(), "Board size.");
    EXPECT_EQ(dialog.dmenu->GetName(), "Board difficulty.");
    EXPECT_EQ(dialog.bmenu->GetColumn(0)->GetTitle(), "Board size.");
    EXPECT_EQ(dialog.dmenu->GetColumn(0)->GetTitle(), "Board difficulty.");
    ASSERT_EQ(dialog.lmenu->GetItemCount(), 5);
    EXPECT_EQ(dialog.lmenu->GetTextValue(0, 0), "Any level");
    EXPECT_EQ(dialog.lmenu->GetTextValue(4, 0), "Expert");
    EXPECT_EQ(dialog.lmenu->GetName(), "Solving level.");
    EXPECT_EQ(dialog.lmenu->GetColumn(0)->GetTitle(), "Solving level.");
    EXPECT_EQ(dialog.bmenu->GetSelectedRow(), 0);
    EXPECT_EQ(dialog.dmenu->GetSelectedRow(), 0);
    EXPECT_EQ(dialog.lmenu->GetSelectedRow(), 0);
    EXPECT_FALSE(dialog.GetValue().has_value());
}

TEST_F(SizeDialog, GoAtOnceGivesTheFirstItems) {
    keys_for_dialog(go_now);
    const auto choice = size_select();
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->size, (sudoku::BoxSize{2, 2}));
    EXPECT_EQ(choice->difficulty, 0.1);
}

TEST_F(SizeDialog, TheLastItemsGiveNineByNineAndNinetyPercent) {
    keys_for_dialog(downs(7) + std::vector<Key>{{WXK_TAB}} + downs(8) +
                    std::vector<Key>{{WXK_TAB}, {WXK_TAB}, {WXK_SPACE}});
    const auto choice = size_select();
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->size, (sudoku::BoxSize{9, 9}));
    EXPECT_EQ(choice->difficulty, 0.9);
}

TEST_F(SizeDialog, TheThirdDifficultyIsThreeTenths) {
    keys_for_dialog(std::vector<Key>{{WXK_TAB}} + downs(2) +
                    std::vector<Key>{{WXK_TAB}, {WXK_RETURN}});
    const auto choice = size_select();
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->difficulty, 3.0 / 10);
}

TEST_F(SizeDialog, TheLevelListIsThirdAndEnterInAnyListPressesGo) {
    const std::vector<std::pair<std::vector<Key>, SizeChoice>> cases = {
        {{{WXK_TAB}, {WXK_TAB}, {WXK_DOWN}, {WXK_DOWN}, {WXK_RETURN}},
         {{2, 2}, 0.1, sudoku::Level::medium}},
        {{{WXK_DOWN}, {WXK_RETURN}}, {{3, 3}, 0.1, sudoku::Level::any}},
        {{{WXK_TAB}, {WXK_DOWN}, {WXK_RETURN}}, {{2, 2}, 0.2, sudoku::Level::any}},
        {{{WXK_TAB},
          {WXK_TAB},
          {WXK_DOWN},
          {WXK_DOWN},
          {WXK_DOWN},
          {WXK_DOWN},
          {WXK_TAB},
          {WXK_SPACE}},
         {{2, 2}, 0.1, sudoku::Level::expert}},
    };
    for (const auto& [keys, expected] : cases) {
        keys_for_dialog(keys);
        const auto choice = size_select();
        ASSERT_TRUE(choice.has_value());
        EXPECT_EQ(choice->size, expected.size);
        EXPECT_EQ(choice->difficulty, expected.difficulty);
        EXPECT_EQ(choice->level, expected.level);
    }
}

TEST_F(SizeDialog, TheItemUnderTheCursorCountsNotTheSelectedOne) {
    // Ctrl+Down moves the list cursor and leaves the selection on the first item.
    keys_for_dialog({{WXK_DOWN, wxMOD_CONTROL},
                     {WXK_DOWN, wxMOD_CONTROL},
                     {WXK_TAB},
                     {WXK_TAB},
                     {WXK_TAB},
                     {WXK_SPACE}});
    const auto choice = size_select();
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->size, (sudoku::BoxSize{4, 4}));
}

TEST_F(SizeDialog, EscapeOrClosingGivesNoChoice) {
    keys_for_dialog({{WXK_DOWN}, {WXK_ESCAPE}});
    EXPECT_FALSE(size_select().has_value());
    when_dialog_shows([](wxDialog& dialog) { dialog.Close(); });
    EXPECT_FALSE(size_select().has_value());
}

class NewGame : public GuiTest {
  protected:
    void start_from_menu(const std::vector<Key>& dialog_keys) {
        keys_for_dialog(dialog_keys);
        spoken->clear();
        if (window->session.kept()) {
            press(WXK_DOWN);  // past "Continue Game."
        }
        press(WXK_RETURN);  // "New Game." is the current menu entry
        ASSERT_TRUE(wait_for_speech(1));
    }
};

TEST_F(NewGame, BoxSizesGiveTheirBoardsWithTheRightEmptyCount) {
    struct Case {
        int downs;
        int size;
        double fraction;
    };
    for (const Case& c : {Case{0, 2, 0.1}, Case{1, 3, 0.5}, Case{7, 9, 0.9}}) {
        const int difficulty_downs = static_cast<int>(c.fraction * 10 + 0.5) - 1;
        start_from_menu(downs(c.downs) + std::vector<Key>{{WXK_TAB}} + downs(difficulty_downs) +
                        std::vector<Key>{{WXK_TAB}, {WXK_TAB}, {WXK_SPACE}});
        const int n = c.size * c.size;
        EXPECT_EQ(window->session.play().game().size(), (sudoku::BoxSize{c.size, c.size}));
        EXPECT_EQ(window->session.play().game().difficulty(), c.fraction);
        ASSERT_EQ(window->session.play().game().board().size(), static_cast<std::size_t>(n));
        EXPECT_EQ(window->grid->GetNumberCols(), n);
        EXPECT_EQ(sudoku::count_empty(window->session.play().game().board()),
                  std::lround(c.fraction * n * n));
        EXPECT_EQ(window->session.play().game().original(), window->session.play().game().board());
        EXPECT_TRUE(
            sudoku::Sudoku(c.size, c.size, window->session.play().game().board()).validate());
        EXPECT_EQ(spoken->texts().front().rfind("1 1: ", 0), 0u);
        press(WXK_ESCAPE);
        ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
        ASSERT_TRUE(pump_until([this] { return window->items->HasFocus(); }));
    }
}

// Hard on 9x9 with the share left at 10 percent, too few holes for a hard
// puzzle: the share is moved to the nearest a hard puzzle holds, said before
// the first square, and the puzzle is hard.
TEST_F(NewGame, AShareOutsideTheLevelsRangeIsMovedAndSaid) {
    const std::optional<sudoku::ShareRange> range =
        sudoku::level_range({3, 3}, sudoku::Level::hard);
    ASSERT_TRUE(range.has_value());
    ASSERT_GT(range->lowest, 10);
    start_from_menu(downs(1) + std::vector<Key>{{WXK_TAB}, {WXK_TAB}} + downs(3) +
                    std::vector<Key>{{WXK_TAB}, {WXK_SPACE}});
    const std::string lowest = std::to_string(range->lowest);
    EXPECT_EQ(spoken->texts().front().rfind(
                  "A hard puzzle needs " + lowest + " to " + std::to_string(range->highest) +
                      " percent empty: this one is " + lowest + " percent empty. 1 1: ",
                  0),
              0u)
        << spoken->texts().front();
    EXPECT_EQ(window->session.play().game().difficulty(), range->lowest / 100.0);
    EXPECT_EQ(window->session.play().level(), sudoku::Level::hard);
    EXPECT_EQ(sudoku::rate(window->session.play().game().board(), {3, 3}), sudoku::Level::hard);
}

TEST_F(NewGame, ClosingTheDialogKeepsThePreviousGame) {
    start_from_menu(go_now);
    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    const auto board = window->session.play().game().board();
    const auto original = window->session.play().game().original();
    wxPanel* menu = window->panel;
    keys_for_dialog({{WXK_DOWN}, {WXK_ESCAPE}});
    spoken->clear();
    press(WXK_DOWN);
    press(WXK_RETURN);
    ASSERT_TRUE(pump_until([this] { return window->IsActive(); }));
    settle();
    EXPECT_EQ(window->panel, menu);
    EXPECT_EQ(window->session.play().game().board(), board);
    EXPECT_EQ(window->session.play().game().original(), original);
    EXPECT_EQ(window->session.play().game().size(), (sudoku::BoxSize{2, 2}));
    EXPECT_TRUE(spoken->texts().empty());
}

// A fresh 81x81 board at 70 percent empty, which no search solves in the time
// of a key press: h gives a step, or a number from the solution the game was
// made from, never the words for a full board.
TEST_F(NewGame, TheHintOnAFreshLargeBoardGivesAStep) {
    start_from_menu(downs(7) + std::vector<Key>{{WXK_TAB}} + downs(6) +
                    std::vector<Key>{{WXK_TAB}, {WXK_TAB}, {WXK_SPACE}});
    ASSERT_EQ(window->session.play().game().size(), (sudoku::BoxSize{9, 9}));
    ASSERT_EQ(window->session.play().game().difficulty(), 0.7);
    const std::string said = press_and_hear('h');
    const bool step = said.find(" goes at ") != std::string::npos ||
                      said.find(" cannot take ") != std::string::npos;
    const bool from_solution = said.rfind("No step by logic is left here. ", 0) == 0 &&
                               said.ends_with(" keeps the board solvable.");
    EXPECT_TRUE(step || from_solution) << said;
}

// Daily Puzzle.: the date's own 9x9, its day and level said first; chosen
// again the same day, it continues the game kept from it.
TEST_F(NewGame, TheDailyPuzzleIsTheDatesOwnAndContinuedTheSameDay) {
    setenv("SUDOKU_TODAY", "2026-12-09", 1);
    spoken->clear();
    press(WXK_DOWN);
    press(WXK_RETURN);
    ASSERT_TRUE(pump_until([this] { return window->grid != nullptr; }));
    ASSERT_TRUE(wait_for_speech(1));
    EXPECT_EQ(spoken->texts().front(), "Daily puzzle for Wednesday, 9 December: medium. 1 1: 3");
    for (int step = 0; step < 3; ++step) {
        press(WXK_RIGHT);
    }
    const auto number = (*window->session.play().solution())[3][0].value();
    ASSERT_NE(press_and_hear(static_cast<int>('0' + number)), "");
    const auto board = window->session.play().game().board();

    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    for (int row = 0; row < 2; ++row) {  // past "Continue Game." and "New Game."
        press(WXK_DOWN);
    }
    spoken->clear();
    press(WXK_RETURN);
    ASSERT_TRUE(pump_until([this] { return window->grid != nullptr; }));
    ASSERT_TRUE(wait_for_speech(1));
    EXPECT_EQ(spoken->texts().front(), "4 1: " + std::to_string(number));
    EXPECT_EQ(window->session.play().game().board(), board);
    unsetenv("SUDOKU_TODAY");
}

}  // namespace
}  // namespace gui_test
