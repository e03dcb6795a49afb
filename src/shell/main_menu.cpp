#include <cstdlib>

#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include "board/texts.h"
#include "dialogs/wx/menu_list.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

void Mywin::home() {
    panel = new wxPanel(this);
    panel->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    auto* vbox = new wxBoxSizer(wxVERTICAL);
    auto* hbox1 = new wxBoxSizer(wxHORIZONTAL);

    choices = {Choice::new_game, Choice::load_game, Choice::exit};
    std::vector<std::string> names = {std::string(sudoku::texts::new_game()),
                                      std::string(sudoku::texts::load_game()),
                                      std::string(sudoku::texts::exit())};
    if (kept) {
        choices.insert(choices.begin(), Choice::continue_game);
        names.insert(names.begin(), std::string(sudoku::texts::continue_game()));
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
    if (row < 0 || static_cast<std::size_t>(row) >= choices.size()) {
        return;
    }
    switch (choices[static_cast<std::size_t>(row)]) {
        case Choice::exit:
            // Leave at once: nothing is asked and nothing is saved.
            std::_Exit(0);
        case Choice::load_game:
            // Deferred, like every screen switch: a game replaces the menu, and
            // the menu list is handling this event.
            CallAfter(&Mywin::loadgame);
            break;
        case Choice::new_game:
            CallAfter(&Mywin::new_game);
            break;
        case Choice::continue_game:
            CallAfter(&Mywin::run_game);
            break;
    }
}
