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

    void expect_fresh_menu() {
        EXPECT_EQ(menu_entries(), (std::vector<wxString>{"New Game.", "Load Game.", "Exit."}));
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
    wxCommandEvent placeholder;
    window->gohome(placeholder);
    settle();
    EXPECT_EQ(window->grid, nullptr);
    EXPECT_EQ(wxWindow::FindWindowByName("Game board", window), nullptr);
    expect_fresh_menu();
    EXPECT_TRUE(window->IsFullScreen());
}

TEST_F(Shell, BoardKeysAreDeadOnTheMenu) {
    start_game(small, small, {2, 2});
    press(WXK_ESCAPE);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    expect_fresh_menu();
    spoken->clear();
    const Board before = window->play.game().board();
    for (int key : {int('2'), int('n'), int(WXK_BACK)}) {
        press(key);
    }
    EXPECT_TRUE(spoken->texts().empty());
    EXPECT_EQ(window->play.game().board(), before);
}

TEST_F(Shell, ControlEGoesHomeToo) {
    start_game(small, small, {2, 2});
    press('E', wxMOD_CONTROL);
    ASSERT_TRUE(pump_until([this] { return window->grid == nullptr; }));
    expect_fresh_menu();
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

}  // namespace
}  // namespace gui_test
