#include "dialogs/wx/settings_dlg.h"

#include <string>

#include <wx/button.h>
#include <wx/sizer.h>

#include "board/texts.h"
#include "dialogs/wx/escape_cancels.h"
#include "dialogs/wx/fit_lists.h"
#include "shell/wx/wx_text.h"

namespace {

std::vector<std::string> items_of(const sudoku::SettingList& list) {
    std::vector<std::string> items;
    for (const char* item : list.items) {
        items.push_back(sudoku::texts::tr(item));
    }
    return items;
}

}  // namespace

// Built as the new-game dialog is: its title is what the screen reader says
// when it opens, each list is headed and named, and Enter in any is OK.
settings_dlg::settings_dlg(const sudoku::Settings& now)
    : wxDialog(nullptr, wxID_ANY, wx_text(sudoku::texts::settings_title())), now_(now) {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    for (std::size_t index = 0; index < sudoku::setting_count; ++index) {
        const sudoku::SettingList& setting = sudoku::setting_lists()[index];
        MenuList* list =
            make_menu_list(this, wx_text(sudoku::texts::tr(setting.heading)), items_of(setting));
        // As tall as its rows: the lists are short, and OK stays on the screen.
        list->SetMinSize(wxSize(list->GetMinSize().x, list->GetBestSize().y));
        set_current_row(*list, sudoku::chosen_item(now, index));
        on_row_chosen(*list, [this](int) { press_ok(); });
        sizer->Add(list, 0, wxEXPAND | wxALL, FromDIP(5));
        lists.push_back(list);
    }
    auto* ok = new wxButton(this, wxID_ANY, wx_text(sudoku::texts::ok()));
    ok->SetFont(ok->GetFont().Scaled(readable_scale));
    ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { press_ok(); });
    sizer->Add(ok, 0, wxEXPAND | wxALL, FromDIP(5));
    SetSizerAndFit(sizer);
    fit_lists_to_screen(*this, lists);
    CentreOnScreen();
    escape_cancels(*this);
    lists.front()->SetFocus();
}

void settings_dlg::press_ok() {
    sudoku::Settings chosen = now_;
    for (std::size_t index = 0; index < lists.size(); ++index) {
        sudoku::choose_item(chosen, index, current_row(*lists[index]));
    }
    chosen_ = chosen;
    EndModal(wxID_OK);
}

std::optional<sudoku::Settings> settings_select(const sudoku::Settings& now) {
    auto* dialog = new settings_dlg(now);
    dialog->ShowModal();
    std::optional<sudoku::Settings> chosen = dialog->GetValue();
    dialog->Destroy();
    return chosen;
}
