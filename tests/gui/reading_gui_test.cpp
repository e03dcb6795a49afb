// Hearing the board without walking it: each reading key pressed for real on
// a 9x9 board, and what the player hears.
#include <algorithm>
#include <functional>
#include <sstream>

#include <wx/grid.h>

#include "board/keys.h"
#include "gui_harness.h"
#include "reading_board.h"

namespace gui_test {
namespace {

// A message box whose text the test reads afterwards.
class ReadMessage : public wxExpectModalBase<wxMessageDialog, ReadMessage> {
  public:
    ReadMessage(std::string& title, std::string& message) : title_(title), message_(message) {}

  protected:
    int OnInvoked(wxMessageDialog* dialog) const override {
        title_ = dialog->GetCaption().utf8_string();
        message_ = dialog->GetMessage().utf8_string();
        return wxID_OK;
    }

  private:
    std::string& title_;
    std::string& message_;
};

class Reading : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        start_game(sudoku::nine_to_read(), sudoku::nine_to_read(), {3, 3});
    }
    sudoku::Square cursor() const {
        return {window->grid->GetGridCursorCol(), window->grid->GetGridCursorRow()};
    }
    // The square 2 3, the open square of the first box.
    void to_second_column_third_row() {
        ASSERT_EQ(press_and_hear(WXK_RIGHT), "2 1: 2");
        ASSERT_EQ(press_and_hear(WXK_DOWN), "2 2: 5");
        ASSERT_EQ(press_and_hear(WXK_DOWN), "2 3: empty.");
    }
};

TEST_F(Reading, RCAndBReadTheRowColumnAndBox) {
    to_second_column_third_row();
    EXPECT_EQ(press_and_hear('r'), "Row 3: 7, empty, 9, 1, empty, 3, 4, 5, empty.");
    EXPECT_EQ(press_and_hear('c'), "Column 2: 2, 5, empty, 3, 6, 9, 4, 7, 1.");
    EXPECT_EQ(press_and_hear('b'), "Box 1: 1, 2, 3, 4, 5, 6, 7, empty, 9.");
}

TEST_F(Reading, MSaysWhatIsMissingAndPWhatFits) {
    EXPECT_EQ(press_and_hear('p'), "1 1 is given.");
    to_second_column_third_row();
    EXPECT_EQ(press_and_hear('m'), "Row 3 needs 2, 6, 8. Column 2 needs 8. Box 1 needs 8.");
    EXPECT_EQ(press_and_hear('p'), "2 3 can take 8.");
}

TEST_F(Reading, EAndShiftEJumpToTheNextAndPreviousEmptySquare) {
    EXPECT_EQ(press_and_hear('e'), "5 2: empty.");
    EXPECT_EQ(press_and_hear('e'), "2 3: empty.");
    EXPECT_EQ(cursor(), (sudoku::Square{1, 2}));
    EXPECT_EQ(press_and_hear('E', wxMOD_SHIFT), "5 2: empty.");
    EXPECT_EQ(press_and_hear('E', wxMOD_SHIFT), "9 9: empty.") << "round the board";
    EXPECT_EQ(cursor(), (sudoku::Square{8, 8}));
}

TEST_F(Reading, SpaceSaysTheSquareAgainWithoutMoving) {
    spoken->clear();
    EXPECT_EQ(press_and_hear(WXK_SPACE), "1 1: 1");
    EXPECT_EQ(cursor(), (sudoku::Square{0, 0}));
}

TEST_F(Reading, AnArrowAtTheEdgeSaysTheSquareAgain) {
    spoken->clear();
    EXPECT_EQ(press_and_hear(WXK_LEFT), "1 1: 1");
    EXPECT_EQ(press_and_hear(WXK_UP), "1 1: 1");
    EXPECT_EQ(press_and_hear(WXK_END, wxMOD_CONTROL), "9 9: empty.");
    EXPECT_EQ(press_and_hear(WXK_RIGHT), "9 9: empty.");
    EXPECT_EQ(press_and_hear(WXK_DOWN), "9 9: empty.");
    settle();
    EXPECT_EQ(spoken->texts().size(), 5u) << "one answer per key";
}

TEST_F(Reading, KSaysWhereTheRuleIsBroken) {
    EXPECT_EQ(press_and_hear('k'), "No clashes.");
    to_second_column_third_row();
    wxTEST_DIALOG(press(WXK_RETURN), wxExpectModal<MyDialog>("7"));
    EXPECT_EQ(press_and_hear('k'),
              "7 twice in row 3, at 1 3 and 2 3. 7 twice in column 2, at 2 3 and 2 8. "
              "7 twice in box 1, at 1 3 and 2 3.");
}

TEST_F(Reading, WExplainsTheRefusedDigitUntilTheCursorLeaves) {
    to_second_column_third_row();
    EXPECT_EQ(press_and_hear('7'), "Invalid number.");
    EXPECT_EQ(press_and_hear('w'), "7 is already at 1 3, in the same row.");
    EXPECT_EQ(press_and_hear(WXK_RIGHT), "3 3: 9");
    EXPECT_EQ(press_and_hear(WXK_LEFT), "2 3: empty.");
    EXPECT_EQ(press_and_hear('w'), "Nothing to explain.");
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

TEST_F(Reading, F1ListsEveryKeyFromTheKeyTable) {
    std::string title;
    std::string message;
    wxTEST_DIALOG(press(WXK_F1), ReadMessage(title, message));
    EXPECT_EQ(title, "Keys");
    std::vector<std::string> lines;
    std::istringstream text(message);
    for (std::string line; std::getline(text, line);) {
        lines.push_back(line);
    }
    for (const char* line :
         {"Ctrl+S: Save the game", "Ctrl+E, Escape: Back to the main menu", "1, Keypad 1: Place 1",
          "Backspace, Delete, Keypad Delete, Keypad decimal point: Clear the "
          "square",
          "e: Go to the next empty square", "Shift+E: Go to the previous empty square",
          "Space: Say the square again", "F1: List the keys", "Keypad Left, Left: Move left"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
    for (const sudoku::keys::Binding& binding : sudoku::keys::bindings()) {
        EXPECT_NE(message.find(": " + sudoku::describe(binding.command)), std::string::npos)
            << sudoku::describe(binding.command);
    }
}

}  // namespace
}  // namespace gui_test
