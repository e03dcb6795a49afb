#include "dialogs/wx/size_dlg.h"

#include <algorithm>
#include <vector>

#include <wx/button.h>
#include <wx/display.h>
#include <wx/sizer.h>

#include "board/texts.h"
#include "dialogs/wx/menu_list.h"
#include "shell/wx/wx_text.h"

namespace {

// The lists share the screen's height that the rest of the dialog leaves:
// each keeps all its rows where they fit, else the tallest are cut to one
// height and scroll, so a short list stays whole and Go! stays on the screen.
void fit_lists_to_screen(wxDialog& dialog, const std::vector<MenuList*>& lists) {
    std::vector<int> heights;
    int total = 0;
    for (const MenuList* list : lists) {
        heights.push_back(list->GetMinSize().y);
        total += heights.back();
    }
    const int screen = wxDisplay(&dialog).GetClientArea().height * 9 / 10;
    // From the sizer's own height, not the dialog's: the system may already
    // have cut a dialog taller than the screen to the screen's height.
    const int whole = dialog.ClientToWindowSize(dialog.GetSizer()->GetMinSize()).y;
    int room = screen - (whole - total);
    if (total <= room) {
        return;
    }
    std::vector<int> ascending = heights;
    std::sort(ascending.begin(), ascending.end());
    int left = static_cast<int>(ascending.size());
    int cap = 0;
    for (const int height : ascending) {
        cap = room / left;
        if (height > cap) {
            break;
        }
        room -= height;
        --left;
    }
    // A list keeps its heading and a row or two, even on a tiny screen.
    cap = std::max(cap, dialog.FromDIP(80));
    for (MenuList* list : lists) {
        list->SetMinSize(wxSize(list->GetMinSize().x, std::min(list->GetMinSize().y, cap)));
    }
    dialog.GetSizer()->SetSizeHints(&dialog);
}

}  // namespace

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
    // Without a Cancel button wx gives Escape no meaning here; a player who
    // cannot see the close box must still be able to back out.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) {
            EndModal(wxID_CANCEL);
        } else {
            event.Skip();
        }
    });
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
