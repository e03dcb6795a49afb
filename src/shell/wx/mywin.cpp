#include "shell/wx/mywin.h"

#include <chrono>
#include <cstdlib>
#include <memory>

#include <wx/panel.h>

#ifdef __WXGTK__
#include <glib-unix.h>
#include <csignal>
#endif

#include "board/settings.h"
#include "board/texts.h"
#include "sound/sound.h"
#include "speech/speech.h"

namespace {

// The game's autosave, whose failure is said once, on the window's thread.
std::unique_ptr<sudoku::Autosave> autosave_for(Mywin& window) {
    auto autosave = std::make_unique<sudoku::Autosave>(sudoku::Autosave::default_path());
    autosave->on_failure([&window] {
        // From the autosave's thread: said on the window's.
        window.CallAfter([] { speak(sudoku::texts::cannot_keep()); });
    });
    return autosave;
}

#ifdef __WXGTK__
// The session ending sends SIGTERM: the game is kept, then the program ends
// as Exit. ends it, whatever dialog is open.
gboolean on_terminate(gpointer window) {
    static_cast<Mywin*>(window)->session.close(std::chrono::steady_clock::now());
    std::_Exit(0);
}
#endif

}  // namespace

Mywin::Mywin(wxWindow* parent, const wxString& title)
    : wxFrame(parent, wxID_ANY, title),
      session(autosave_for(*this), sudoku::StatisticsStore::default_path()) {
    SetName(title);
    Bind(wxEVT_CLOSE_WINDOW, &Mywin::onclose, this);
    Bind(wxEVT_ACTIVATE, &Mywin::onactivate, this);
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { end_typing_after_pause(); }, typing_timer.GetId());
#ifdef __WXGTK__
    g_unix_signal_add(SIGTERM, on_terminate, this);
#endif
    // The earcons ready before the first key that plays one.
    if (sudoku::settings().sounds != sudoku::SoundsPlay::off) {
        sudoku::sound::start();
    }
    home();
}

void Mywin::called_again(bool with_file) {
    if (IsIconized()) {
        Iconize(false);
    }
    Raise();
    RequestUserAttention();
    if (with_file) {
        speak(sudoku::texts::already_running());
    }
}

void Mywin::onclose(wxCloseEvent& event) {
    const auto now = std::chrono::steady_clock::now();
    // A number typed within the pause is kept as placed, as the pause would have.
    if (grid != nullptr && session.play().typing()) {
        session.handle({sudoku::Verb::end_number}, {}, now);
    }
    session.close(now);
    event.Skip();
}

void Mywin::onactivate(wxActivateEvent& event) {
    event.Skip();
    session.run_clock(grid != nullptr && event.GetActive(), std::chrono::steady_clock::now());
}

void Mywin::showpanel(wxPanel* new_panel, bool t) {
    if (t) {
        // An empty table drops the shortcuts of the screen being replaced.
        accel_tbl = wxAcceleratorTable();
        SetAcceleratorTable(accel_tbl);
    }
    new_panel->Show();
    new_panel->Fit();
    new_panel->Layout();
    new_panel->Update();
    Show();
    Fit();
    Update();
    Refresh();
    Center();
    ShowFullScreen(true);
    // The panel fills the whole screen, so its sizer centres what it holds.
    // Fitting the panel instead would shrink it into the top left corner
    // where the window is full screen at once (as on Windows).
    Layout();
    Refresh();
}

void Mywin::gohome() {
    // Deferred: the board may be handling the very key that asked for this,
    // and no window may be destroyed inside its own event.
    CallAfter([this] {
        session.pause(std::chrono::steady_clock::now());
        panel->Destroy();
        panel = nullptr;
        grid = nullptr;
        myGrid = nullptr;
        home();
    });
}
