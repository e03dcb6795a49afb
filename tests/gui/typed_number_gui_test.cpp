// Numbers above 9 typed straight on a 16x16 board with real keys: the digits
// form one number, placed at the last digit that could come, after the pause,
// or dropped.
#include <wx/grid.h>

#include "board/settings.h"
#include "gui_harness.h"

namespace gui_test {
namespace {

using sudoku::Board;

class Sixteen : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        const Board empty(16, sudoku::Column(16));
        start_game(empty, empty, {4, 4});
        spoken->clear();
    }
    bool placed(sudoku::Value number) {
        return pump_until([&] { return square(0, 0) == number; });
    }
    // Longer than the pause: whatever it would place is placed by then.
    void wait_out_the_pause() {
        pump_until([] { return false; }, sudoku::pause_of(sudoku::settings().pause) * 2);
    }
    NoDialog no_box;
};

TEST_F(Sixteen, OneThenTwoPlacesTwelve) {
    press('1');
    press('2');
    ASSERT_TRUE(placed(12));
    EXPECT_EQ(grid_text(0, 0), "12");
    EXPECT_EQ(spoken->texts(), (std::vector<std::string>{"1", "12"}));
}

TEST_F(Sixteen, OneAndThePausePlacesOne) {
    press('1');
    EXPECT_EQ(square(0, 0), std::nullopt) << "10 to 16 may still follow";
    ASSERT_TRUE(placed(1));
    EXPECT_EQ(grid_text(0, 0), "1");
    EXPECT_EQ(spoken->texts(), (std::vector<std::string>{"1", "one"}));
}

TEST_F(Sixteen, CtrlOneCtrlTwoAddsNoteTwelve) {
    press('1', wxMOD_CONTROL);
    press('2', wxMOD_CONTROL);
    ASSERT_TRUE(wait_for_speech(2));
    EXPECT_TRUE(window->session.play().game().notes_at({0, 0}).test(11));
    EXPECT_EQ(window->session.play().game().notes_at({0, 0}).count(), 1U);
    EXPECT_EQ(spoken->texts(), (std::vector<std::string>{"1", "Note 12 added."}));
}

TEST_F(Sixteen, BackspaceAndEscapeDropWhatIsPending) {
    press('1');
    press(WXK_BACK);
    press('1');
    press(WXK_ESCAPE);
    wait_out_the_pause();
    EXPECT_EQ(square(0, 0), std::nullopt);
    ASSERT_NE(window->grid, nullptr) << "Escape dropped the number and stayed on the board";
    EXPECT_EQ(spoken->texts(),
              (std::vector<std::string>{"1", "Number dropped.", "1", "Number dropped."}));
}

}  // namespace
}  // namespace gui_test
