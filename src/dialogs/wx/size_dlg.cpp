#include "dialogs/wx/size_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include "board/texts.h"
#include "dialogs/wx/escape_cancels.h"
#include "dialogs/wx/fit_lists.h"
#include "dialogs/wx/menu_list.h"
#include "shell/wx/wx_text.h"

// The title is what the screen reader says when the dialog opens; without
// one it says only "frame.".
size_dlg::size_dlg() : wxDialog(nullptr, wxID_ANY, wx_text(sudoku::texts::new_game_title())) {
    bmenu = make_menu_list(this, wx_text(sudoku::texts::board_size()), sudoku::size_rows());
    dmenu = make_menu_list(this, wx_text(sudoku::texts::board_difficulty()), sudoku::share_rows());
    lmenu = make_menu_list(this, wx_text(sudoku::texts::solving_level()), sudoku::level_rows());
    auto* go = new wxButton(this, wxID_ANY, wx_text(sudoku::texts::go()));
    go->SetFont(go->GetFont().Scaled(readable_scale));
    go->Bind(wxEVT_BUTTON, &size_dlg::endit, this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    // Each list as tall as its own rows: a share of the sizer would give
    // every item the tallest one's height and push Go! off a scaled screen.
    for (MenuList* list : {bmenu, dmenu, lmenu}) {
        sizer->Add(list, 0, wxEXPAND | wxALL, FromDIP(5));
        // Enter in any list presses Go!, with what the lists show.
        on_row_chosen(*list, [this](int) {
            wxCommandEvent pressed;
            endit(pressed);
        });
    }
    sizer->Add(go, 0, wxEXPAND | wxALL, FromDIP(5));
    SetSizerAndFit(sizer);
    fit_lists_to_screen(*this, {bmenu, dmenu, lmenu});
    CentreOnScreen();
    escape_cancels(*this);
    bmenu->SetFocus();
}

void size_dlg::endit(wxCommandEvent&) {
    if (const std::optional<SizeChoice> chosen =
            sudoku::choice_of_rows(current_row(*bmenu), current_row(*dmenu), current_row(*lmenu))) {
        s = chosen;
        EndModal(1);
    }
}

std::optional<SizeChoice> size_select() {
    auto* dialog = new size_dlg();
    dialog->ShowModal();
    std::optional<SizeChoice> choice = dialog->GetValue();
    dialog->Destroy();
    return choice;
}
