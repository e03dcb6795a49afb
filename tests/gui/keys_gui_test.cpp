// Every binding of the key table pressed once, by real keys, on a real board:
// each reaches its command, for the window does what the play session says
// that command does.
#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/grid.h>

#include "board/keys.h"
#include "board/wx/key_events.h"
#include "dialogs/wx/settings_dlg.h"
#include "gui_harness.h"
#include "reading_board.h"

namespace gui_test {
namespace {

namespace keys = sudoku::keys;

// Whatever prompt the box shows, the player backs out.
class Asked : public wxExpectModalBase<MyDialog, Asked> {
  public:
    explicit Asked(std::string_view prompt) : prompt_(prompt) {}

  protected:
    int OnInvoked(MyDialog* dialog) const override {
        EXPECT_EQ(dialog->GetTitle().utf8_string(), prompt_);
        return wxID_CANCEL;
    }

  private:
    std::string prompt_;
};

// The settings dialog opens, and the player leaves it unchanged.
class SettingsLeft : public wxExpectModalBase<settings_dlg, SettingsLeft> {
  protected:
    int OnInvoked(settings_dlg*) const override { return wxID_CANCEL; }
};

// The keypad's digits and decimal point need NumLock on; its arrows, Home,
// End and Delete need it off.
bool needs_numlock(int code) {
    return (code >= keys::keypad_0 && code <= keys::keypad_9) || code == keys::keypad_decimal;
}

class EveryKey : public GuiTest {
  protected:
    // 5 3 is empty: 2 fits there, every other digit is refused.
    void fresh_board() {
        const sudoku::Board board = sudoku::nine_to_read();
        start_game(sudoku::Play(sudoku::Game(board, board, {3, 3}, 0.5), {4, 2}));
        spoken->clear();
    }

    void press_key(keys::Key key) {
        if (needs_numlock(key.code) != numlock_) {
            press(WXK_NUMLOCK);
            numlock_ = !numlock_;
        }
        const WxKey pressed = wx_key(key);
        press(pressed.code, pressed.modifiers);
    }

    int square_size() const { return window->grid->GetColSize(0); }

    bool numlock_ = false;
};

TEST_F(EveryKey, EachBindingReachesItsCommand) {
    fresh_board();
    const int usual = square_size();
    for (const keys::Binding& binding : keys::bindings()) {
        SCOPED_TRACE(keys::name(binding.key));
        // Ctrl+0 shows itself only on a board zoomed in.
        window->zoom = binding.command.verb == sudoku::Verb::zoom_reset ? 2 : 0;
        fresh_board();
        sudoku::Play expected = window->session.play();
        const sudoku::Answer answer = expected.handle(binding.command);
        const int size = square_size();
        if (!answer.ask.empty()) {
            wxTEST_DIALOG(press_key(binding.key), Asked(answer.ask));
        } else if (!answer.said.empty() && !answer.said[0].title.empty()) {
            wxTEST_DIALOG(press_key(binding.key),
                          ExpectMessage(answer.said[0].text, std::string(answer.said[0].title)));
        } else if (answer.effect == sudoku::Effect::save) {
            wxTEST_DIALOG(press_key(binding.key), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
        } else if (answer.effect == sudoku::Effect::settings) {
            wxTEST_DIALOG(press_key(binding.key), SettingsLeft());
        } else {
            press_key(binding.key);
        }
        settle();
        if (answer.effect == sudoku::Effect::go_home) {
            EXPECT_TRUE(pump_until([this] { return window->grid == nullptr; }));
            continue;
        }
        std::vector<std::string> heard;
        for (const sudoku::texts::Feedback& said : answer.said) {
            if (said.title.empty()) {
                heard.push_back(said.text);
            }
        }
        if (answer.effect == sudoku::Effect::copy_board) {
            heard.push_back(sudoku::texts::board_copied());
        }
        if (binding.command.verb == sudoku::Verb::say_time) {
            // The clock runs on: the words may be a second apart.
            ASSERT_EQ(spoken->texts().size(), 1u);
            EXPECT_EQ(spoken->texts()[0].rfind("Playing for ", 0), 0u);
        } else {
            EXPECT_EQ(spoken->texts(), heard);
        }
        EXPECT_EQ(window->session.play().cursor(), expected.cursor());
        EXPECT_EQ(window->session.play().refusal(), expected.refusal());
        EXPECT_EQ(window->session.play().game().board(), expected.game().board());
        EXPECT_EQ(window->session.play().game().notes(), expected.game().notes());
        switch (answer.effect) {
            case sudoku::Effect::zoom_in:
                EXPECT_GT(square_size(), size);
                break;
            case sudoku::Effect::zoom_out:
                EXPECT_LT(square_size(), size);
                break;
            case sudoku::Effect::zoom_reset:
                EXPECT_LT(square_size(), size);
                EXPECT_EQ(square_size(), usual);
                break;
            default:
                EXPECT_EQ(square_size(), size);
                break;
        }
    }
    window->zoom = 0;
    if (numlock_) {
        press(WXK_NUMLOCK);
    }
}

// The keys a player finds a mistake with, pressed one after another: where
// 8 stands, a wrong 8 placed, counted by x and taken back by Ctrl+Backspace.
TEST_F(EveryKey, AWrongNumberFoundAndTakenBack) {
    fresh_board();
    for (const int key : {'F', '8', '8', 'X'}) {
        press(key);
    }
    press(WXK_BACK, wxMOD_CONTROL);
    settle();
    EXPECT_EQ(spoken->texts(), (std::vector<std::string>{
                                   "8 is at 8 1, 7 4, 4 5, 1 6, 6 7 and 3 8. 3 to place.", "eight",
                                   "1 of your numbers is wrong.",
                                   "Back to the last right board: 1 change undone. 5 3: empty."}));
    EXPECT_EQ(window->session.play().game().board(), sudoku::nine_to_read());
}

}  // namespace
}  // namespace gui_test
