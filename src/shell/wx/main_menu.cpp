#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include "board/texts.h"
#include "dialogs/wx/menu_list.h"
#include "shell/wx/mywin.h"
#include "shell/wx/wx_text.h"

void Mywin::home() {
    panel = new wxPanel(this);
    panel->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    auto* vbox = new wxBoxSizer(wxVERTICAL);
    auto* hbox1 = new wxBoxSizer(wxHORIZONTAL);

    std::vector<std::string> names;
    for (const sudoku::MenuItem& item : session.menu()) {
        names.push_back(item.name);
    }
    items = make_menu_list(panel, wx_text(sudoku::texts::main_menu()), names);
    hbox1->Add(items, 1, wxEXPAND | wxALIGN_LEFT | wxALL, panel->FromDIP(5));
    on_row_chosen(*items, [this](int row) { mainmenu(row); });
    items->SetFocus();
    // Centred on the full screen, where the eye looks first.
    vbox->AddStretchSpacer();
    vbox->Add(hbox1, 0, wxALIGN_CENTER_HORIZONTAL);
    vbox->AddStretchSpacer();
    panel->SetSizer(vbox);
    showpanel(panel);
}

void Mywin::mainmenu(int row) {
    const std::optional<sudoku::MenuAction> action = session.chosen(row);
    if (!action) {
        return;
    }
    switch (*action) {
        case sudoku::MenuAction::exit:
            // Leave at once: nothing is asked and nothing is saved.
            std::_Exit(0);
        case sudoku::MenuAction::load_game:
            // Deferred, like every screen switch: a game replaces the menu, and
            // the menu list is handling this event.
            CallAfter(&Mywin::loadgame);
            break;
        case sudoku::MenuAction::new_game:
            CallAfter(&Mywin::new_game);
            break;
        case sudoku::MenuAction::continue_game:
            CallAfter(&Mywin::run_game);
            break;
        case sudoku::MenuAction::enter_puzzle:
            CallAfter(&Mywin::enter_puzzle);
            break;
        case sudoku::MenuAction::settings:
            CallAfter(&Mywin::open_settings);
            break;
    }
}
