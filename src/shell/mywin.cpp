#include "shell/mywin.h"

#include <wx/panel.h>

Mywin::Mywin(wxWindow* parent, const wxString& title)
    : wxFrame(parent, wxID_ANY, title, wxDefaultPosition, wxSize(350, 250)) {
    SetName(title);
    Bind(wxEVT_MENU, &Mywin::on_command, this);
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

void Mywin::on_command(wxCommandEvent& event) {
    const auto command = commands_.find(event.GetId());
    if (command == commands_.end()) {
        event.Skip();
        return;
    }
    auto run = command->second;  // a copy: the command may replace the table
    run(event);
}

void Mywin::gohome(wxCommandEvent&) {
    panel->Destroy();
    panel = nullptr;
    grid = nullptr;
    myGrid = nullptr;
    home();
}
