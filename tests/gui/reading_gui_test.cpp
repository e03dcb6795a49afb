// Moving on the 9x9 board by the grid's own keys and by a typed square, as
// the player meets them: the keys the play session leaves to the grid, and
// the "Go to square" box typed into for real.
#include <functional>

#include <wx/grid.h>

#include "gui_harness.h"
#include "reading_board.h"

namespace gui_test {
namespace {

class Reading : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        start_game(sudoku::nine_to_read(), sudoku::nine_to_read(), {3, 3});
    }
    sudoku::Square cursor() const {
        return {window->grid->GetGridCursorCol(), window->grid->GetGridCursorRow()};
    }
};

TEST_F(Reading, TheGridsOwnKeysMoveTheCursorOfPlay) {
    spoken->clear();
    EXPECT_EQ(press_and_hear(WXK_END, wxMOD_CONTROL), "9 9: empty.");
    EXPECT_EQ(window->session.play().cursor(), (sudoku::Square{8, 8}));
    EXPECT_EQ(press_and_hear(WXK_RIGHT), "9 9: empty.") << "the edge, from where the grid left it";
    EXPECT_EQ(press_and_hear(WXK_HOME), "1 9: 9");
    settle();
    EXPECT_EQ(spoken->texts().size(), 3u) << "one answer per key";
}

// The "Go to square" box, answered with real keys.
void answer_go_to(std::function<void()> keys) {
    when_dialog_shows([keys](wxDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Go to square: column, then row.");
        keys();
    });
}

TEST_F(Reading, CtrlGGoesToATypedSquare) {
    answer_go_to([] { type_and_enter("5 3"); });
    EXPECT_EQ(press_and_hear('g', wxMOD_CONTROL), "5 3: empty.");
    EXPECT_EQ(cursor(), (sudoku::Square{4, 2}));
    answer_go_to([] { type_and_enter("12 40"); });
    EXPECT_EQ(press_and_hear('g', wxMOD_CONTROL), "There is no square 12 40.");
    spoken->clear();
    answer_go_to([] { wxUIActionSimulator().Char(WXK_ESCAPE); });
    press('g', wxMOD_CONTROL);
    ASSERT_TRUE(pump_until([this] { return window->IsActive(); }));
    settle();
    EXPECT_TRUE(spoken->texts().empty()) << "Cancel says nothing";
    EXPECT_EQ(cursor(), (sudoku::Square{4, 2}));
}

}  // namespace
}  // namespace gui_test
