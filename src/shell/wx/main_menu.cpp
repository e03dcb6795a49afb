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

MenuList* Mywin::list_screen(const std::string& heading, const std::vector<std::string>& lines) {
    panel = new wxPanel(this);
    panel->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    auto* vbox = new wxBoxSizer(wxVERTICAL);
    auto* hbox1 = new wxBoxSizer(wxHORIZONTAL);
    MenuList* list = make_menu_list(panel, wx_text(heading), lines);
    hbox1->Add(list, 1, wxEXPAND | wxALIGN_LEFT | wxALL, panel->FromDIP(5));
    list->SetFocus();
    // Centred on the full screen, where the eye looks first.
    vbox->AddStretchSpacer();
    vbox->Add(hbox1, 0, wxALIGN_CENTER_HORIZONTAL);
    vbox->AddStretchSpacer();
    panel->SetSizer(vbox);
    showpanel(panel);
    return list;
}

void Mywin::home() {
    std::vector<std::string> names;
    for (const sudoku::MenuItem& item : session.menu()) {
        names.push_back(item.name);
    }
    items = list_screen(sudoku::texts::main_menu(), names);
    on_row_chosen(*items, [this](int row) { mainmenu(row); });
}

void Mywin::show_statistics() {
    panel->Destroy();
    items = nullptr;
    MenuList* lines = list_screen(sudoku::texts::statistics_item(),
                                  sudoku::statistics_lines(session.statistics(), sudoku::today()));
    // Read only: Escape, Enter or a double click go back to the menu.
    on_row_chosen(*lines, [this](int) { gohome(); });
    panel->Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) {
            gohome();
        } else {
            event.Skip();
        }
    });
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
        case sudoku::MenuAction::daily_puzzle:
            CallAfter(&Mywin::daily_puzzle);
            break;
        case sudoku::MenuAction::continue_game:
            CallAfter(&Mywin::run_game);
            break;
        case sudoku::MenuAction::enter_puzzle:
            CallAfter(&Mywin::enter_puzzle);
            break;
        case sudoku::MenuAction::statistics:
            CallAfter(&Mywin::show_statistics);
            break;
        case sudoku::MenuAction::settings:
            CallAfter(&Mywin::open_settings);
            break;
    }
}
