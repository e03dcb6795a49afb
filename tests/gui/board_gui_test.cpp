// Playing on the board screen by keys alone, hearing every square and move.
#include <cstdlib>
#include <thread>

#include <wx/grid.h>

#include "board/texts.h"
#include "gui_harness.h"
#include "sudoku/sudoku.h"

namespace gui_test {
namespace {

using sudoku::Board;

// 1 2 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 1, with four squares left to the player.
const Board solution = from_rows({{1, 2, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}});
const Board puzzle = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {0, 1, 4, 3}, {4, 3, 2, 0}});
const Board empty_nine = Board(9, sudoku::Column(9));

class Board4 : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        start_game(puzzle, puzzle, {2, 2});
    }
    // Moves the cursor with arrow keys, hearing each square on the way.
    void go_to(int x, int y) {
        while (window->grid->GetGridCursorCol() < x) {
            ASSERT_NE(press_and_hear(WXK_RIGHT), "");
        }
        while (window->grid->GetGridCursorCol() > x) {
            ASSERT_NE(press_and_hear(WXK_LEFT), "");
        }
        while (window->grid->GetGridCursorRow() < y) {
            ASSERT_NE(press_and_hear(WXK_DOWN), "");
        }
        while (window->grid->GetGridCursorRow() > y) {
            ASSERT_NE(press_and_hear(WXK_UP), "");
        }
    }
};

TEST_F(Board4, TheScreenMirrorsTheBoard) {
    wxGrid* grid = window->grid;
    EXPECT_TRUE(grid->GetGridWindow()->HasFocus()) << "the board takes the keys";
    EXPECT_EQ(grid->GetNumberRows(), 4);
    EXPECT_EQ(grid->GetNumberCols(), 4);
    EXPECT_FALSE(grid->GetRowLabelSize() > 0 || grid->GetColLabelSize() > 0);
    EXPECT_FALSE(grid->IsEditable());
    EXPECT_EQ(grid->GetName(), "Game board");
    EXPECT_EQ(grid_text(3, 0), "4");
    EXPECT_EQ(grid_text(1, 0), "");
    EXPECT_EQ(grid->GetGridCursorRow(), 0);
    EXPECT_EQ(grid->GetGridCursorCol(), 0);
    EXPECT_EQ(spoken->texts(), std::vector<std::string>{"1 1: 1"});
}

TEST_F(Board4, EnterOnAGivenOpensNothing) {
    spoken->clear();
    {
        const NoDialog nothing_to_type;
        EXPECT_EQ(press_and_hear(WXK_RETURN), "You can't change this number.");
    }
    EXPECT_EQ(grid_text(0, 0), "1");
    EXPECT_EQ(spoken->texts().size(), 1u);
}

TEST_F(Board4, TheLastRightDigitWinsAndReturnsToTheMenu) {
    go_to(1, 0);
    EXPECT_EQ(press_and_hear('2'), "two");
    go_to(2, 1);
    EXPECT_EQ(press_and_hear('1'), "one");
    go_to(0, 2);
    EXPECT_EQ(press_and_hear('2'), "two");
    go_to(3, 3);
    spoken->clear();
    wxTEST_DIALOG(press('1'), ExpectMessage("You completed the board! What a genius!", "Oh, wow!"));
    ASSERT_EQ(spoken->texts().size(), 2u);
    EXPECT_EQ(spoken->texts()[0], "one") << "the name comes first";
    EXPECT_EQ(spoken->texts()[1].rfind("New best time for 4x4 any level: ", 0), 0u)
        << "the first win is the best so far";
    EXPECT_EQ(window->grid, nullptr);
    ASSERT_NE(window->items, nullptr);
    EXPECT_EQ(window->session.play().game().board(), solution)
        << "the finished game stays in memory";
}

TEST_F(Board4, KeysOutsideTheTableChangeNothing) {
    go_to(1, 0);
    spoken->clear();
    for (int key : {int('a'), int('0'), int('q')}) {
        press(key);
    }
    EXPECT_FALSE(window->grid->IsCellEditControlShown());
    EXPECT_EQ(window->session.play().game().board(), puzzle);
    EXPECT_EQ(grid_text(1, 0), "");
    EXPECT_EQ(spoken->texts(), std::vector<std::string>{});
}

TEST_F(Board4, OnlyTheNewestBoardAnswersAndEachMoveIsHeardOnce) {
    for (int game = 0; game < 3; ++game) {
        press(WXK_ESCAPE);
        ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
        start_game(empty_nine, empty_nine, {3, 3});
    }
    spoken->clear();
    EXPECT_EQ(press_and_hear(WXK_RIGHT), "2 1: empty.");
    EXPECT_EQ(press_and_hear('5'), "five");
    settle();
    EXPECT_EQ(spoken->texts().size(), 2u);
    EXPECT_EQ(square(1, 0), 5);
}

class EmptyBoard : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        start_game(empty_nine, empty_nine, {3, 3});
    }
};

// The number box as the player meets it: real keys typed into it.
void answer_number_box(std::function<void()> keys) {
    when_dialog_shows([keys](wxDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Enter the number you wish to place.");
        keys();
    });
}

void type_in_number_box(const std::string& text) {
    answer_number_box([text] { type_and_enter(text); });
}

TEST_F(EmptyBoard, ATypedNumberIsPlacedWithoutTheRuleAndSpokenInNumerals) {
    spoken->clear();
    type_in_number_box("  12 ");
    EXPECT_EQ(press_and_hear(WXK_RETURN), "12");
    EXPECT_EQ(square(0, 0), 12);
    EXPECT_EQ(grid_text(0, 0), "12");
    EXPECT_EQ(press_and_hear(WXK_RIGHT), "2 1: empty.");
    type_in_number_box("+3");
    EXPECT_EQ(press_and_hear(WXK_RETURN), "3");
    type_in_number_box("12");
    EXPECT_EQ(press_and_hear(WXK_RETURN), "12");
    EXPECT_EQ(square(1, 0), 12) << "a repeat in the row is stored without a warning";
}

TEST_F(EmptyBoard, EscapeCancelAndTheCloseBoxPlaceNothingAndSayNothing) {
    const auto type_then = [](std::function<void()> close) {
        return [close] {
            wxUIActionSimulator().Text("5");
            settle();
            close();
        };
    };
    const std::vector<std::function<void()>> ways = {
        [] { wxUIActionSimulator().Char(WXK_ESCAPE); },
        [] {
            wxUIActionSimulator tabs;
            for (int tab = 0; tab < 4 && wxWindow::FindFocus()->GetId() != wxID_CANCEL; ++tab) {
                tabs.Char(WXK_TAB);
                settle();
            }
            tabs.Char(WXK_SPACE);
        },
        [] { wxUIActionSimulator().Char(WXK_F4, wxMOD_ALT); },  // the window manager's close
    };
    for (const auto& close : ways) {
        spoken->clear();
        answer_number_box(type_then(close));
        press(WXK_RETURN);
        ASSERT_TRUE(pump_until([this] { return window->IsActive(); }));
        settle();
        EXPECT_EQ(square(0, 0), std::nullopt);
        EXPECT_EQ(grid_text(0, 0), "");
        EXPECT_TRUE(spoken->texts().empty());
    }
}

TEST_F(EmptyBoard, TypedTextThatIsNoPlaceableNumber) {
    spoken->clear();
    for (const char* text : {"abc", "3.5", "7abc", "0x3", "1e1", "1 2"}) {
        type_in_number_box(text);
        EXPECT_EQ(press_and_hear(WXK_RETURN), "That is not a whole number.") << text;
    }
    type_in_number_box("");
    press(WXK_RETURN);
    for (const char* text : {"0", "-4", "-123456789012345678901234567890"}) {
        wxTEST_DIALOG(
            press(WXK_RETURN), wxExpectModal<MyDialog>(text),
            ExpectMessage("You must enter a positive number that is greater than 0.", "Oh, wow!"));
    }
    wxTEST_DIALOG(press(WXK_RETURN), wxExpectModal<MyDialog>("123456789012345678901234567890"),
                  ExpectMessage("That number is too large to place.", "Oh, wow!"));
    EXPECT_EQ(window->session.play().game().board(), empty_nine);
    EXPECT_EQ(grid_text(0, 0), "");
    EXPECT_EQ(spoken->texts().size(), 6u) << "an empty box says nothing";
}

// A player who types on without waiting: keys typed into a box, its Enter,
// and a tenth of a second later the next key, which belongs to the board.
// xdotool types from its own process, as a keyboard does, while the game runs.
class TypingOn : public EmptyBoard {
  protected:
    void TearDown() override {
        finish_typing();
        EmptyBoard::TearDown();
    }
    void type_on_past_the_box(const std::string& in_box, const std::string& after) {
        when_dialog_shows([this, in_box, after](wxDialog&) {
            typist = std::thread([in_box, after] {
                const std::string typed =
                    "xdotool key " + in_box + " Return sleep 0.1 key " + after;
                EXPECT_EQ(std::system(typed.c_str()), 0) << typed;
            });
        });
    }
    void finish_typing() {
        if (typist.joinable()) {
            typist.join();
        }
    }
    std::thread typist;
};

TEST_F(TypingOn, KeysPressedAsABoxClosesReachTheBoard) {
    spoken->clear();
    type_on_past_the_box("7", "Right");
    press(WXK_RETURN);
    wait_for_speech(2);
    finish_typing();
    EXPECT_EQ(spoken->texts(), (std::vector<std::string>{"7", "2 1: empty."}));

    spoken->clear();
    type_on_past_the_box("4 space 5", "ctrl+1");
    press('g', wxMOD_CONTROL);
    wait_for_speech(2);
    finish_typing();
    EXPECT_EQ(spoken->texts(), (std::vector<std::string>{"4 5: empty.", "Note 1 added."}));
}

// Boards only a loaded file can bring: they must read like any other.
class OddBoard : public GuiTest {};

TEST_F(OddBoard, ABigBoardFinishedWithEnterIsWon) {
    const Board solved = sudoku::Sudoku(4, 4).difficulty(0.0, 5).board;
    Board last_one_open = solved;
    int x = 0;
    while (*solved[static_cast<std::size_t>(x)][0] < 10) {
        ++x;
    }
    last_one_open[static_cast<std::size_t>(x)][0].reset();
    start_game(last_one_open, last_one_open, {4, 4});
    window->grid->SetGridCursor(0, x);
    settle();
    const auto number = std::to_string(*solved[static_cast<std::size_t>(x)][0]);
    wxTEST_DIALOG(press(WXK_RETURN), wxExpectModal<MyDialog>(number),
                  ExpectMessage("You completed the board! What a genius!", "Oh, wow!"));
    EXPECT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    EXPECT_EQ(window->session.play().game().board(), solved);
}

TEST_F(OddBoard, SixteenBySixteenSquareHoldingTwelve) {
    Board board(16, sudoku::Column(16));
    board[0][0] = 12;
    start_game(board, board, {4, 4});
    EXPECT_EQ(spoken->texts(), std::vector<std::string>{"1 1: 12"});
    EXPECT_EQ(grid_text(0, 0), "12");
    EXPECT_EQ(window->grid->GetNumberCols(), 16);
}

}  // namespace
}  // namespace gui_test
