// Undo, redo, notes and the hint by real keys, each heard as the player hears it.
#include <wx/grid.h>

#include "gui_harness.h"

namespace gui_test {
namespace {

using sudoku::Board;

// 1 2 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 1, with four squares left to the player.
const Board puzzle = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {0, 1, 4, 3}, {4, 3, 2, 0}});
// The same with only 2 1 left open.
const Board one_left = from_rows({{1, 0, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}});

class Aids : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        start_game(puzzle, puzzle, {2, 2});
        ASSERT_EQ(press_and_hear(WXK_RIGHT), "2 1: empty.");
    }
    // Places 2 in 2 1, then leaves it for 2 2.
    void place_and_leave() {
        ASSERT_EQ(press_and_hear('2'), "two");
        ASSERT_EQ(press_and_hear(WXK_DOWN), "2 2: 4");
    }
    bool cursor_at(int x, int y) const {
        return window->grid->GetGridCursorCol() == x && window->grid->GetGridCursorRow() == y;
    }
};

TEST_F(Aids, CtrlZUndoesAtItsSquare) {
    place_and_leave();
    spoken->clear();
    EXPECT_EQ(press_and_hear('z', wxMOD_CONTROL), "Undone. 2 1: empty.");
    EXPECT_TRUE(cursor_at(1, 0));
    EXPECT_EQ(grid_text(1, 0), "");
    EXPECT_EQ(press_and_hear('z', wxMOD_CONTROL), "Nothing to undo.");
    EXPECT_EQ(spoken->texts().size(), 2u) << "the cursor's move is not announced twice";
}

TEST_F(Aids, CtrlYRedoes) {
    place_and_leave();
    press('z', wxMOD_CONTROL);
    ASSERT_EQ(press_and_hear(WXK_DOWN), "2 2: 4");
    EXPECT_EQ(press_and_hear('y', wxMOD_CONTROL), "Redone. 2 1: 2");
    EXPECT_TRUE(cursor_at(1, 0));
    EXPECT_EQ(grid_text(1, 0), "2");
    EXPECT_EQ(press_and_hear('y', wxMOD_CONTROL), "Nothing to redo.");
}

TEST_F(Aids, CtrlShiftZRedoesAndARedoThatFillsTheLastSquareWins) {
    // Only a game made by hand can hold a winning step in its redo list: by
    // keys, the last right number wins at once.
    sudoku::Game game(one_left, one_left, {2, 2}, 0.5);
    game.place_digit({1, 0}, 2);
    game.undo();
    start_game(game);
    spoken->clear();
    wxTEST_DIALOG(press('z', wxMOD_CONTROL | wxMOD_SHIFT),
                  ExpectMessage("You completed the board! What a genius!", "Oh, wow!"));
    EXPECT_EQ(spoken->texts(), std::vector<std::string>{"Redone. 2 1: 2"});
    EXPECT_TRUE(pump_until([this] { return window->grid == nullptr; }));
}

TEST_F(Aids, CtrlDigitsToggleNotes) {
    const Board empty(9, sudoku::Column(9));
    start_game(empty, empty, {3, 3});
    for (int digit = 1; digit <= 9; ++digit) {
        EXPECT_EQ(press_and_hear('0' + digit, wxMOD_CONTROL),
                  "Note " + std::to_string(digit) + " added.");
    }
    EXPECT_EQ(press_and_hear('5', wxMOD_CONTROL), "Note 5 removed.");
    EXPECT_EQ(press_and_hear(WXK_RIGHT), "2 1: empty.");
    EXPECT_EQ(press_and_hear(WXK_LEFT), "1 1: empty. Notes 1, 2, 3, 4, 6, 7, 8, 9.");
    EXPECT_EQ(press_and_hear('5'), "five");
    EXPECT_EQ(press_and_hear('3', wxMOD_CONTROL), "Notes are for empty squares.");
}

TEST_F(Aids, CtrlNFillsNotes) {
    EXPECT_EQ(press_and_hear('n', wxMOD_CONTROL), "Notes filled.");
    EXPECT_EQ(press_and_hear(WXK_DOWN), "2 2: 4");
    EXPECT_EQ(press_and_hear(WXK_UP), "2 1: empty. Notes 2.");
    EXPECT_EQ(press_and_hear('n'), "There are 4 empty squares.") << "n still counts";
}

TEST_F(Aids, HSaysTheNextStepWithoutTakingIt) {
    EXPECT_EQ(press_and_hear('h'), "2 goes at 2 1: the only number that fits there.");
    EXPECT_EQ(square(1, 0), std::nullopt);
    wxTEST_DIALOG(press(WXK_RETURN), wxExpectModal<MyDialog>("4"));
    EXPECT_EQ(press_and_hear('h'), "The board cannot be completed. Check 4 at 2 1.");
}

}  // namespace
}  // namespace gui_test
