// Puzzles as text by real keys: Ctrl+C puts the board on the real clipboard,
// and Enter a Puzzle. in the main menu takes it back, pasted with Ctrl+V, as
// a new game whose givens are the numbers copied; a puzzle it cannot read is
// refused in a box, and the box to type in is back with what was typed.
#include <wx/clipbrd.h>
#include <wx/textctrl.h>

#include "dialogs/wx/my_dialog.h"
#include "dialogs/wx/tell.h"
#include "gui_harness.h"
#include "lifecycle/typed_puzzle.h"

namespace gui_test {
namespace {

// 1 _ 3 4 / 3 4 _ 2 / 2 1 4 3 / _ 3 2 1, and 2 placed by the player.
const sudoku::Board givens = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {2, 1, 4, 3}, {0, 3, 2, 1}});

std::string clipboard_text() {
    wxTextDataObject data;
    if (!wxTheClipboard->Open()) {
        return {};
    }
    const bool read = wxTheClipboard->GetData(data);
    wxTheClipboard->Close();
    return read ? data.GetText().utf8_string() : std::string();
}

using Keys = std::vector<std::pair<int, int>>;

void press_in_dialog(const Keys& keys) {
    wxUIActionSimulator sim;
    for (const auto& [key, modifiers] : keys) {
        sim.Char(key, modifiers);
    }
}

template <class Dialog>
bool is(wxDialog& dialog) {
    return dynamic_cast<Dialog*>(&dialog) != nullptr;
}

// Once the box to type a puzzle in is up: checks what it holds, presses
// `keys`, then `next` for the next dialog.
void in_puzzle_box(const std::string& holds, const Keys& keys, std::function<void()> next = {}) {
    when_dialog_shows(
        [holds, keys, next](wxDialog& dialog) {
            EXPECT_EQ(dialog.GetTitle(),
                      "Type or paste a puzzle: its numbers row by row, with . "
                      "or 0 for an empty square.");
            EXPECT_EQ(dynamic_cast<MyDialog&>(dialog).GetValue().utf8_string(), holds);
            if (next) {
                next();
            }
            press_in_dialog(keys);
        },
        is<MyDialog>);
}

// Once a message box is up: checks it and presses Enter, then `next`.
void in_message_box(const std::string& message, std::function<void()> next) {
    when_dialog_shows(
        [message, next](wxDialog& dialog) {
            EXPECT_EQ(dynamic_cast<TellDialog&>(dialog).GetMessage().utf8_string(), message);
            EXPECT_EQ(dialog.GetTitle(), "Oops.");
            next();
            press_in_dialog({{WXK_RETURN, 0}});
        },
        is<TellDialog>);
}

class PuzzleText : public GuiTest {};

TEST_F(PuzzleText, ACopiedBoardIsPastedBackAsAPuzzle) {
    start_game(givens, givens, {2, 2});
    press(WXK_RIGHT);
    ASSERT_EQ(press_and_hear('2'), "two");
    EXPECT_EQ(press_and_hear('c', wxMOD_CONTROL), "Board copied.");
    EXPECT_EQ(clipboard_text(), "123434.22143.321");

    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    for (int row = 0; row < 4; ++row) {
        press(WXK_DOWN);
    }
    // First the text on the clipboard, shortened by hand, which is refused;
    // then the box is back with it, and the square put back is read.
    in_puzzle_box("", {{'v', wxMOD_CONTROL}, {WXK_BACK, 0}, {WXK_RETURN, 0}}, [] {
        in_message_box("That is not a puzzle I can read: it has 15 squares.", [] {
            in_puzzle_box("123434.22143.32", {{WXK_END, 0}, {'1', 0}, {WXK_RETURN, 0}});
        });
    });
    spoken->clear();
    press(WXK_RETURN);
    ASSERT_TRUE(pump_until([this] { return window->grid != nullptr; }));
    ASSERT_TRUE(wait_for_speech(1));
    EXPECT_EQ(spoken->texts().front(), "This is an easy puzzle. 1 1: 1");
    EXPECT_EQ(window->session.play().game().original(),
              from_rows({{1, 2, 3, 4}, {3, 4, 0, 2}, {2, 1, 4, 3}, {0, 3, 2, 1}}));
}

TEST_F(PuzzleText, AWonPuzzleIsCountedOnTheStatisticsScreen) {
    for (int row = 0; row < 3; ++row) {
        press(WXK_DOWN);
    }
    // One square left: 2 at 2 1.
    const std::string one_left = "1.34341221434321";
    when_dialog_shows([one_left](wxDialog&) { type_and_enter(one_left); }, is<MyDialog>);
    press(WXK_RETURN);
    ASSERT_TRUE(pump_until([this] { return window->grid != nullptr; }));
    press(WXK_RIGHT);
    spoken->clear();
    wxTEST_DIALOG(press('2'), ExpectMessage("You completed the board! What a genius!", "Oh, wow!"));
    ASSERT_TRUE(wait_for_speech(2));
    EXPECT_EQ(spoken->texts()[1].rfind("New best time for 4x4 easy: ", 0), 0u) << spoken->last();

    ASSERT_TRUE(pump_until([this] { return window->items != nullptr; }));
    for (int row = 0; row < 4; ++row) {
        press(WXK_DOWN);
    }
    press(WXK_RETURN);
    ASSERT_TRUE(pump_until([this] { return window->items == nullptr; }));
    auto* lines = dynamic_cast<MenuList*>(wxWindow::FindFocus());
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->GetName(), "Statistics.");
    ASSERT_EQ(lines->GetItemCount(), 1);
    EXPECT_EQ(lines->GetTextValue(0, 0).rfind("4x4 easy: 1 won of 1, best ", 0), 0u);
    press(WXK_ESCAPE);
    EXPECT_TRUE(pump_until([this] { return window->items != nullptr; })) << "back to the menu";
}

}  // namespace
}  // namespace gui_test
