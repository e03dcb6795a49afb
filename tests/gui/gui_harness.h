// What every GUI test needs: a running wx application, a recording speech
// backend, real key presses, and waiting for the GUI without fixed sleeps.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/uiaction.h>

// Dialog expectations report through GoogleTest, never through an assert
// dialog that nobody could close.
#define wxTEST_DIALOG_HOOK_CLASS gui_test::GtestModalHook
#include <wx/testing.h>

#include <wx/textctrl.h>

#include "board_rows.h"
#include "dialogs/wx/my_dialog.h"
#include "dialogs/wx/tell.h"
#include "scratch.h"
#include "shell/wx/mywin.h"
#include "speech/speech.h"

namespace gui_test {

class GtestModalHook : public wxTestingModalHook {
  public:
    using wxTestingModalHook::wxTestingModalHook;

  protected:
    void ReportFailure(const wxString& message) override { ADD_FAILURE() << message; }
};

// A message box with exactly this text and title, answered with `answer`.
class ExpectMessage : public wxExpectModalBase<TellDialog, ExpectMessage> {
  public:
    ExpectMessage(std::string message, std::string title, int answer = wxID_OK)
        : message_(std::move(message)), title_(std::move(title)), answer_(answer) {}

  protected:
    int OnInvoked(TellDialog* dialog) const override {
        EXPECT_EQ(dialog->GetMessage().utf8_string(), message_);
        EXPECT_EQ(dialog->GetTitle().utf8_string(), title_);
        return answer_;
    }
    wxString GetDefaultDescription() const override { return "message box \"" + message_ + "\""; }

  private:
    std::string message_;
    std::string title_;
    int answer_;
};

}  // namespace gui_test

// The number dialog: the player types `typed` and closes it with `answer`.
template <>
class wxExpectModal<MyDialog> : public wxExpectModalBase<MyDialog> {
  public:
    explicit wxExpectModal(wxString typed, int answer = wxID_OK)
        : typed_(std::move(typed)), answer_(answer) {}

  protected:
    int OnInvoked(MyDialog* dialog) const override {
        EXPECT_EQ(dialog->GetTitle(), "Enter the number you wish to place.");
        dialog->input->SetValue(typed_);
        return answer_;
    }

  private:
    wxString typed_;
    int answer_;
};

namespace gui_test {

// While it lives, any modal dialog fails the test and is closed at once.
class NoDialog : public wxModalDialogHook {
  public:
    NoDialog() { Register(); }
    ~NoDialog() override { Unregister(); }

  protected:
    int Enter(wxDialog* dialog) override {
        ADD_FAILURE() << "a dialog opened: " << dialog->GetTitle();
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

// Keeps every text the game speaks.
class SpeechRecorder : public sudoku::speech::Output {
  public:
    void speak(const std::string& text, bool interrupt) override;
    std::vector<std::string> texts() const;
    std::string last() const;
    void clear();

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> texts_;
};

// Processes pending GUI events until `done` holds or the deadline passes.
bool pump_until(const std::function<bool()>& done,
                std::chrono::milliseconds deadline = std::chrono::seconds(10));
// Processes what is pending now, and what that causes, briefly.
void settle();

// Once a modal dialog is up and has the keyboard focus, runs `act` on it from
// inside the dialog's own event loop (there the test presses real keys).
// `wanted`, when given, picks the dialog: others are passed by.
void when_dialog_shows(std::function<void(wxDialog&)> act,
                       std::function<bool(wxDialog&)> wanted = {});

// Once the toolkit's own file chooser is up, active and focused, runs `act`
// from inside its modal loop (there the test types a path with real keys).
void when_file_dialog_shows(std::function<void()> act);
// The file chooser now on screen (a GtkWindow*), or nullptr.
void* shown_file_chooser();
// Types `text` into the focused text entry with real keys, waits until the
// entry holds it (so no completion popup swallows the Enter), then presses Enter.
// `before_enter` runs just before the first Enter (timing programs start
// their clock there).
void type_and_enter(const std::string& text, const std::function<void()>& before_enter = {});

// A window as the player meets it, with speech recorded.
class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Real key events through the X server, then waits until they arrived.
    void press(int key, int modifiers = wxMOD_NONE);
    void type(const std::string& keys);
    // Waits for the next spoken text after `press`; "" when none came.
    std::string press_and_hear(int key, int modifiers = wxMOD_NONE);
    bool wait_for_speech(std::size_t count);

    // Puts a game in the window's state and builds the board screen.
    void start_game(const sudoku::Board& board, const sudoku::Board& original,
                    sudoku::BoxSize size);
    void start_game(sudoku::Game game);
    void start_game(sudoku::Play play);
    sudoku::Cell square(int x, int y) const;
    // The number the board draws in the square.
    wxString grid_text(int x, int y) const;

    Mywin* window = nullptr;
    std::shared_ptr<SpeechRecorder> spoken;
    // The game's state folder, the test's own: no test meets another's autosave.
    std::unique_ptr<test_support::ScratchFolder> state;
    wxUIActionSimulator keys;
};

// Starts wx, runs `body` with an active event loop, and shuts wx down.
int run_with_app(int argc, char** argv, const std::function<int()>& body);

using sudoku::from_rows;

}  // namespace gui_test
