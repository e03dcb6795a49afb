#include "shell/mywin.h"

#include <chrono>
#include <cstdlib>

#include <wx/panel.h>

#ifdef __WXGTK__
#include <glib-unix.h>
#include <csignal>
#endif

#include "board/texts.h"
#include "lifecycle/kept_game.h"
#include "speech/speech.h"

namespace {

#ifdef __WXGTK__
// The session ending sends SIGTERM: the game is kept, then the program ends
// as Exit. ends it, whatever dialog is open.
gboolean on_terminate(gpointer window) {
    auto* self = static_cast<Mywin*>(window);
    self->play.clock().stop(std::chrono::steady_clock::now());
    self->keepgame();
    self->autosave->flush();
    std::_Exit(0);
}
#endif

}  // namespace

Mywin::Mywin(wxWindow* parent, const wxString& title)
    : wxFrame(parent, wxID_ANY, title),
      autosave(std::make_unique<sudoku::Autosave>(sudoku::Autosave::default_path())) {
    SetName(title);
    autosave->on_failure([this] {
        // From the autosave's thread: said on the window's.
        CallAfter([] { speak(sudoku::texts::cannot_keep()); });
    });
    if (std::optional<sudoku::SavedGame> left = autosave->resume()) {
        play = sudoku::play_of(std::move(*left));
        kept = true;
        on_disk = sudoku::saved_game_of(play, std::chrono::steady_clock::now(), true);
    }
    Bind(wxEVT_CLOSE_WINDOW, &Mywin::onclose, this);
    Bind(wxEVT_ACTIVATE, &Mywin::onactivate, this);
#ifdef __WXGTK__
    g_unix_signal_add(SIGTERM, on_terminate, this);
#endif
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
    play.clock().stop(std::chrono::steady_clock::now());
    keepgame();
    autosave->flush();
    event.Skip();
}

void Mywin::onactivate(wxActivateEvent& event) {
    event.Skip();
    const auto now = std::chrono::steady_clock::now();
    if (grid != nullptr && event.GetActive()) {
        play.clock().run(now);
    } else {
        play.clock().stop(now);
    }
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

void Mywin::gohome(wxCommandEvent&) {
    // Deferred: the board may be handling the very key that asked for this,
    // and no window may be destroyed inside its own event.
    CallAfter([this] {
        play.clock().stop(std::chrono::steady_clock::now());
        keepgame();
        panel->Destroy();
        panel = nullptr;
        grid = nullptr;
        myGrid = nullptr;
        home();
    });
}
