// The settings dialog by real keys: F2 on the board opens it, its lists are
// changed and OK pressed as a player would, and a new start of the game
// finds what was chosen.
#include <filesystem>

#include <wx/dataview.h>

#include "dialogs/wx/settings_dlg.h"
#include "gui_harness.h"
#include "shell/wx/settings_store.h"

namespace gui_test {
namespace {

// 1 _ 3 4 / 3 4 1 2 / 2 1 4 3 / 4 3 2 _
const sudoku::Board four = from_rows({{1, 0, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 0}});

bool no_modal_dialog() {
    for (const wxWindow* window : wxTopLevelWindows) {
        const auto* dialog = dynamic_cast<const wxDialog*>(window);
        if (dialog != nullptr && dialog->IsModal()) {
            return false;
        }
    }
    return true;
}

class Settings : public GuiTest {
  protected:
    void TearDown() override {
        GuiTest::TearDown();
        sudoku::use_settings({});
    }

    // F2, then `keys` in the dialog once it is up, which they close.
    void keys_in_dialog(const std::vector<int>& pressed) {
        bool shown = false;
        when_dialog_shows([&shown, pressed](wxDialog& dialog) {
            auto* settings = dynamic_cast<settings_dlg*>(&dialog);
            ASSERT_NE(settings, nullptr);
            EXPECT_EQ(dialog.GetTitle(), "Settings");
            EXPECT_EQ(settings->lists.size(), 6u);
            EXPECT_EQ(settings->lists.at(0)->GetName(), "Squares are said.");
            EXPECT_EQ(settings->lists.at(5)->GetName(), "Language.");
            EXPECT_TRUE(settings->lists.at(0)->HasFocus());
            wxUIActionSimulator sim;
            for (const int key : pressed) {
                sim.Char(key);
            }
            shown = true;
        });
        press(WXK_F2);
        EXPECT_TRUE(pump_until([&shown] { return shown; })) << "F2 opened no dialog";
        EXPECT_TRUE(pump_until(no_modal_dialog)) << "the dialog stayed open";
        settle();
    }

    // The window closed and the game started again, reading the kept settings.
    void restart() {
        window->Destroy();
        settle();
        sudoku::use_settings({});
        start_with_settings("en");
        window = new Mywin(nullptr, "Sudoku. By Quillmoor.");
        ASSERT_TRUE(pump_until([this] { return window->IsShown() && window->IsActive(); }));
        settle();
        start_game(four, four, {2, 2});
    }
};

TEST_F(Settings, ChosenByKeysFollowedAtOnceAndKeptAfterARestart) {
    start_game(four, four, {2, 2});
    // Letter and number, Tab, the square only, Tab past the rest (the sounds among them) to OK.
    keys_in_dialog(
        {WXK_DOWN, WXK_DOWN, WXK_TAB, WXK_DOWN, WXK_TAB, WXK_TAB, WXK_TAB, WXK_TAB, WXK_TAB,
         WXK_SPACE});
    EXPECT_EQ(press_and_hear(WXK_RIGHT), "empty.");
    EXPECT_EQ(press_and_hear(' '), "B1: empty.");
    EXPECT_TRUE(std::filesystem::exists(state->path() / "sudoku" / "settings.conf"));

    restart();
    EXPECT_EQ(press_and_hear(WXK_RIGHT), "empty.");
    EXPECT_EQ(press_and_hear(' '), "B1: empty.");
    // Enter in any list is OK: back to column then row.
    keys_in_dialog({WXK_UP, WXK_UP, WXK_RETURN});
    EXPECT_EQ(press_and_hear(' '), "2 1: empty.");
}

TEST_F(Settings, EscapeChangesNothingAndKeepsNothing) {
    start_game(four, four, {2, 2});
    keys_in_dialog({WXK_DOWN, WXK_DOWN, WXK_ESCAPE});
    EXPECT_EQ(press_and_hear(WXK_RIGHT), "2 1: empty.");
    EXPECT_FALSE(std::filesystem::exists(state->path() / "sudoku" / "settings.conf"));
}

}  // namespace
}  // namespace gui_test
