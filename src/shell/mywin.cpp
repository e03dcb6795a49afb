#include "shell/mywin.h"

#include <wx/panel.h>

Mywin::Mywin(wxWindow* parent, const wxString& title)
    : wxFrame(parent, wxID_ANY, title, wxDefaultPosition, wxSize(350, 250)) {
    SetName(title);
    home();
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
    new_panel->Fit();
    Refresh();
}

void Mywin::gohome(wxCommandEvent&) {
    // Deferred: the board may be handling the very key that asked for this,
    // and no window may be destroyed inside its own event.
    CallAfter([this] {
        panel->Destroy();
        panel = nullptr;
        grid = nullptr;
        myGrid = nullptr;
        home();
    });
}
