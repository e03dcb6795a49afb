// The window and the main menu as the player meets them.
#include <wx/dataview.h>
#include <wx/grid.h>
#include <wx/panel.h>

#include "dialogs/wx/menu_list.h"
#include "gui_harness.h"

namespace gui_test {
namespace {

using sudoku::Board;

class Shell : public GuiTest {
  protected:
    std::vector<wxString> menu_entries() const {
        std::vector<wxString> entries;
        for (int row = 0; row < window->items->GetItemCount(); ++row) {
            entries.push_back(window->items->GetTextValue(static_cast<unsigned>(row), 0));
        }
        return entries;
    }

    int panels() const {
        int count = 0;
        for (wxWindow* child : window->GetChildren()) {
            count += wxDynamicCast(child, wxPanel) != nullptr && !child->IsBeingDeleted();
        }
        return count;
    }

    // After a game left unfinished, "Continue Game." comes first.
    void expect_fresh_menu(bool game_kept = false) {
        std::vector<wxString> entries = {
            "New Game.",   "Daily Puzzle.", "Load Game.", "Enter a Puzzle.",
            "Statistics.", "Settings.",     "Exit."};
        if (game_kept) {
            entries.insert(entries.begin(), "Continue Game.");
        }
        EXPECT_EQ(menu_entries(), entries);
        EXPECT_EQ(current_row(*window->items), 0);
        EXPECT_EQ(window->items->GetSelectedRow(), 0);
        EXPECT_TRUE(pump_until([this] { return window->items->HasFocus(); }))
            << "the menu list does not hold the keyboard focus";
        EXPECT_FALSE(window->GetAcceleratorTable()->IsOk()) << "the menu must have no shortcuts";
        EXPECT_EQ(panels(), 1);
    }

    const Board small = from_rows({{1, 0, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 0}});
};

TEST_F(Shell, StartsFullScreenOnTheMainMenu) {
    EXPECT_EQ(window->GetTitle(), "Sudoku. By Quillmoor.");
    EXPECT_EQ(window->GetName(), "Sudoku. By Quillmoor.");
    EXPECT_TRUE(window->IsFullScreen());
    EXPECT_EQ(window->items->GetColumn(0)->GetTitle(), "Main Menu.");
    EXPECT_EQ(window->items->GetName(), "Main Menu.");
    expect_fresh_menu();
    EXPECT_TRUE(spoken->texts().empty()) << "the menu is read by the screen reader, not the game";
}

TEST_F(Shell, ArrowsMoveThroughTheMenuWithoutRunningAnything) {
    wxPanel* menu = window->panel;
    press(WXK_DOWN);
    ASSERT_TRUE(pump_until([this] { return current_row(*window->items) == 1; }));
    press(WXK_DOWN);
    press(WXK_UP);
    EXPECT_TRUE(pump_until([this] { return current_row(*window->items) == 1; }));
    EXPECT_EQ(window->panel, menu);
    EXPECT_TRUE(spoken->texts().empty());
}

TEST_F(Shell, GoingHomeLeavesExactlyOneFreshMenu) {
    start_game(small, small, {2, 2});
    EXPECT_EQ(panels(), 1);
    press(WXK_DOWN);
    window->gohome();
    settle();
    EXPECT_EQ(window->grid, nullptr);
    EXPECT_EQ(wxWindow::FindWindowByName("Game board", window), nullptr);
    expect_fresh_menu(true);
    EXPECT_TRUE(window->IsFullScreen());
}

TEST_F(Shell, BoardKeysAreDeadOnTheMenu) {
    start_game(small, small, {2, 2});
    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    expect_fresh_menu(true);
    spoken->clear();
    const Board before = window->session.play().game().board();
    for (int key : {int('2'), int('n'), int(WXK_BACK)}) {
        press(key);
    }
    EXPECT_TRUE(spoken->texts().empty());
    EXPECT_EQ(window->session.play().game().board(), before);
}

TEST_F(Shell, ControlEGoesHomeToo) {
    start_game(small, small, {2, 2});
    press('E', wxMOD_CONTROL);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    expect_fresh_menu(true);
}

TEST_F(Shell, ShowpanelWithoutTheFlagKeepsTheShortcuts) {
    start_game(small, small, {2, 2});
    wxAcceleratorEntry entry(wxACCEL_CTRL, 'q', wxID_EXIT);
    window->SetAcceleratorTable(wxAcceleratorTable(1, &entry));
    auto* extra = new wxPanel(window);
    window->showpanel(extra, false);
    EXPECT_TRUE(window->GetAcceleratorTable()->IsOk());
    EXPECT_TRUE(extra->IsShown());
    EXPECT_TRUE(window->IsFullScreen());
    extra->Destroy();
    window->showpanel(window->panel);
    EXPECT_FALSE(window->GetAcceleratorTable()->IsOk());
}

TEST_F(Shell, EscapeThenContinueBringsTheBoardBackExactly) {
    const Board open = from_rows({{1, 0, 3, 4}, {3, 4, 0, 2}, {0, 1, 4, 3}, {4, 3, 2, 0}});
    start_game(open, open, {2, 2});
    press('=', wxMOD_CONTROL | wxMOD_SHIFT);
    const int zoomed = window->grid->GetColSize(0);
    ASSERT_EQ(press_and_hear(WXK_RIGHT), "2 1: empty.");
    ASSERT_EQ(press_and_hear('3', wxMOD_CONTROL), "Note 3 added.");
    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    expect_fresh_menu(true);
    spoken->clear();
    press(WXK_RETURN);
    ASSERT_TRUE(pump_until([this] { return window->grid != nullptr; }));
    ASSERT_TRUE(wait_for_speech(1));
    EXPECT_EQ(spoken->texts().front(), "2 1: empty. Notes 3.") << "the cursor where it was";
    EXPECT_EQ(window->grid->GetColSize(0), zoomed);
    EXPECT_EQ(press_and_hear('z', wxMOD_CONTROL), "Undone. 2 1: empty.") << "and its history";
    EXPECT_EQ(press_and_hear('t').rfind("Playing for ", 0), 0u);
}

}  // namespace
}  // namespace gui_test
