#include "gui_harness.h"

#include <thread>

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/grid.h>
#include <wx/init.h>
#include <wx/timer.h>

#include "board/texts.h"
#include "board/wx/board_view.h"
#include "shell/wx/wx_text.h"

namespace gui_test {

void SpeechRecorder::speak(const std::string& text, bool) {
    std::lock_guard lock(mutex_);
    texts_.push_back(text);
}

std::vector<std::string> SpeechRecorder::texts() const {
    std::lock_guard lock(mutex_);
    return texts_;
}

std::string SpeechRecorder::last() const {
    std::lock_guard lock(mutex_);
    return texts_.empty() ? std::string() : texts_.back();
}

void SpeechRecorder::clear() {
    std::lock_guard lock(mutex_);
    texts_.clear();
}

namespace {

// One round of "let everything that is queued happen": X requests reach the
// server, its events reach GTK, GTK's reach wx, and wx runs its idle work.
void drain_once() {
    gdk_display_sync(gdk_display_get_default());
    while (gtk_events_pending()) {
        gtk_main_iteration_do(FALSE);
    }
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
}

}  // namespace

bool pump_until(const std::function<bool()>& done, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        drain_once();
        if (!done()) {
            // Nothing left to process: give the X server a moment to deliver.
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    return true;
}

namespace {

class DialogWatch : public wxTimer {
  public:
    DialogWatch(std::function<void(wxDialog&)> act, std::function<bool(wxDialog&)> wanted)
        : act_(std::move(act)), wanted_(std::move(wanted)) {}
    void Notify() override {
        wxWindow* focus = wxWindow::FindFocus();
        auto* dialog = focus ? dynamic_cast<wxDialog*>(wxGetTopLevelParent(focus)) : nullptr;
        if (dialog == nullptr || !dialog->IsModal() || !dialog->IsActive() ||
            (wanted_ && !wanted_(*dialog))) {
            return;
        }
        Stop();
        act_(*dialog);
        delete this;
    }

  private:
    std::function<void(wxDialog&)> act_;
    std::function<bool(wxDialog&)> wanted_;
};

// The file dialog is a native GTK chooser: wx cannot see its focus, GTK can.
GtkWindow* visible_file_chooser() {
    GList* windows = gtk_window_list_toplevels();
    GtkWindow* found = nullptr;
    for (GList* item = windows; item != nullptr && found == nullptr; item = item->next) {
        auto* window = GTK_WINDOW(item->data);
        if (GTK_IS_FILE_CHOOSER_DIALOG(window) && gtk_widget_get_visible(GTK_WIDGET(window))) {
            found = window;
        }
    }
    g_list_free(windows);
    return found;
}

bool file_chooser_shown(bool with_focus = false) {
    GtkWindow* window = visible_file_chooser();
    return window != nullptr && (!with_focus || (gtk_window_is_active(window) &&
                                                 gtk_window_get_focus(window) != nullptr));
}

class FileDialogWatch : public wxTimer {
  public:
    explicit FileDialogWatch(std::function<void()> act) : act_(std::move(act)) {}
    void Notify() override {
        if (!file_chooser_shown(/*with_focus=*/true)) {
            return;
        }
        Stop();
        act_();
        delete this;
    }

  private:
    std::function<void()> act_;
};

}  // namespace

void when_dialog_shows(std::function<void(wxDialog&)> act, std::function<bool(wxDialog&)> wanted) {
    (new DialogWatch(std::move(act), std::move(wanted)))->Start(20);
}

void when_file_dialog_shows(std::function<void()> act) {
    (new FileDialogWatch(std::move(act)))->Start(20);
}

void* shown_file_chooser() {
    return visible_file_chooser();
}

namespace {

std::string focused_entry_text() {
    GList* windows = gtk_window_list_toplevels();
    std::string text;
    for (GList* item = windows; item != nullptr; item = item->next) {
        auto* window = GTK_WINDOW(item->data);
        GtkWidget* focus = gtk_window_is_active(window) ? gtk_window_get_focus(window) : nullptr;
        if (focus != nullptr && GTK_IS_ENTRY(focus)) {
            text = gtk_entry_get_text(GTK_ENTRY(focus));
        }
    }
    g_list_free(windows);
    return text;
}

}  // namespace

void type_and_enter(const std::string& text, const std::function<void()>& before_enter) {
    wxUIActionSimulator typing;
    typing.Text(text.c_str());
    pump_until([&] { return focused_entry_text() == text; }, std::chrono::seconds(5));
    if (before_enter) {
        before_enter();
    }
    typing.Char(WXK_RETURN);
    // The file chooser reads a typed folder in the background and ignores an
    // Enter that comes before it has (a person types far slower than XTest),
    // so press it again while the chooser stays.
    for (int attempt = 0; attempt < 5 && file_chooser_shown(); ++attempt) {
        if (!pump_until([] { return !file_chooser_shown(); }, std::chrono::seconds(2))) {
            typing.Char(WXK_RETURN);
        }
    }
}

void settle() {
    for (int round = 0; round < 5; ++round) {
        drain_once();
    }
}

void GuiTest::SetUp() {
    state = std::make_unique<test_support::ScratchFolder>();
    setenv("XDG_STATE_HOME", state->path().c_str(), 1);
    // The settings too: no test writes the player's own.
    setenv("XDG_CONFIG_HOME", state->path().c_str(), 1);
    spoken = std::make_shared<SpeechRecorder>();
    sudoku::speech::set_backend(spoken);
    window = new Mywin(nullptr, wx_text(sudoku::texts::window_title()));
    ASSERT_TRUE(pump_until([this] { return window->IsShown() && window->IsActive(); }))
        << "the window never became active";
    settle();
}

void GuiTest::TearDown() {
    if (window != nullptr) {
        window->Destroy();
        settle();
    }
    sudoku::speech::set_backend(nullptr);
}

void GuiTest::press(int key, int modifiers) {
    keys.Char(key, modifiers);
    settle();
}

void GuiTest::type(const std::string& text) {
    keys.Text(text.c_str());
    settle();
}

bool GuiTest::wait_for_speech(std::size_t count) {
    return pump_until([&] { return spoken->texts().size() >= count; });
}

std::string GuiTest::press_and_hear(int key, int modifiers) {
    const std::size_t before = spoken->texts().size();
    keys.Char(key, modifiers);
    if (!wait_for_speech(before + 1)) {
        return {};
    }
    return spoken->texts()[before];
}

void GuiTest::start_game(const sudoku::Board& board, const sudoku::Board& original,
                         sudoku::BoxSize size) {
    start_game(sudoku::Game(board, original, size, 0.5));
}

void GuiTest::start_game(sudoku::Game game) {
    start_game(sudoku::Play(std::move(game)));
}

void GuiTest::start_game(sudoku::Play play) {
    window->session.take(std::move(play));
    spoken->clear();
    window->run_game();
    ASSERT_TRUE(wait_for_speech(1)) << "the first square was never announced";
    ASSERT_TRUE(pump_until([this] { return window->grid->GetGridWindow()->HasFocus(); }));
    settle();
}

sudoku::Cell GuiTest::square(int x, int y) const {
    return window->session.play().game().at({x, y});
}

wxString GuiTest::grid_text(int x, int y) const {
    return number_text(window->session.play().game(), {x, y});
}

}  // namespace gui_test

namespace {

class TestApp : public wxApp {
  public:
    bool OnInit() override { return true; }
};

// A failed wx assertion fails the test instead of opening a dialog.
void fail_on_assert(const wxString& file, int line, const wxString& func, const wxString& cond,
                    const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_string().c_str(), line)
        << "wx assertion " << cond << " in " << func << ": " << msg;
}

}  // namespace

namespace gui_test {

int run_with_app(int argc, char** argv, const std::function<int()>& body) {
    wxSetAssertHandler(fail_on_assert);
    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        return 2;
    }
    wxTheApp->SetExitOnFrameDelete(false);
    int result = 0;
    {
        // Tests drive the GUI by hand; an active loop lets modal dialogs and
        // wxYield work as they do in the game.
        wxEventLoop loop;
        wxEventLoopActivator active(&loop);
        result = body();
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}

}  // namespace gui_test
