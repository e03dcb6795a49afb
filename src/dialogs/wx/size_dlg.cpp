#include "dialogs/wx/size_dlg.h"

#include <algorithm>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/display.h>
#include <wx/sizer.h>

#include "board/texts.h"
#include "dialogs/wx/menu_list.h"
#include "shell/wx_text.h"
#include "sudoku/geometry.h"

namespace {

constexpr int smallest_box = 2;
constexpr int difficulty_steps = 9;

std::vector<std::string> size_items() {
    std::vector<std::string> result;
    for (int box = smallest_box; box <= sudoku::largest_box_side; ++box) {
        result.push_back(sudoku::texts::size_item(box));
    }
    return result;
}

std::vector<std::string> level_items() {
    std::vector<std::string> result;
    for (int level = 0; level <= static_cast<int>(sudoku::Level::expert); ++level) {
        result.emplace_back(sudoku::texts::level_item(static_cast<sudoku::Level>(level)));
    }
    return result;
}

std::vector<std::string> difficulty_items() {
    std::vector<std::string> result;
    for (int step = 1; step <= difficulty_steps; ++step) {
        result.push_back(sudoku::texts::difficulty_item(step * 10));
    }
    return result;
}

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
    bmenu = make_menu_list(this, wx_text(sudoku::texts::board_size()), size_items());
    dmenu = make_menu_list(this, wx_text(sudoku::texts::board_difficulty()), difficulty_items());
    lmenu = make_menu_list(this, wx_text(sudoku::texts::solving_level()), level_items());
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
    const int size_row = current_row(*bmenu);
    const int difficulty_row = current_row(*dmenu);
    const int level_row = current_row(*lmenu);
    if (size_row < 0 || difficulty_row < 0 || level_row < 0) {
        return;
    }
    const int box = smallest_box + size_row;
    s = SizeChoice{{box, box}, (difficulty_row + 1) / 10.0, static_cast<sudoku::Level>(level_row)};
    EndModal(1);
}

std::optional<SizeChoice> size_select() {
    auto* dialog = new size_dlg();
    dialog->ShowModal();
    std::optional<SizeChoice> choice = dialog->GetValue();
    dialog->Destroy();
    return choice;
}
