// Undo by real keys: the grid's cursor follows the step, heard once.
#include <wx/grid.h>

#include "gui_harness.h"

namespace gui_test {
namespace {

using sudoku::Board;

// 1 2 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 1, with four squares left to the player.
const Board puzzle = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {0, 1, 4, 3}, {4, 3, 2, 0}});

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

TEST_F(Aids, WForgetsARefusalOnceItsSquareChanged) {
    ASSERT_EQ(press_and_hear('1'), "Invalid number.");
    ASSERT_EQ(press_and_hear('w'), "1 is already at 1 1, in the same row.");
    // Enter places a number without the rule: the square is no longer the refused one.
    wxTEST_DIALOG(press(WXK_RETURN), wxExpectModal<MyDialog>("2"));
    ASSERT_EQ(grid_text(1, 0), "2");
    EXPECT_EQ(press_and_hear('w'), "Nothing to explain.");
}

}  // namespace
}  // namespace gui_test
