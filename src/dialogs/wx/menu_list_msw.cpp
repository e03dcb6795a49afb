#include <wx/listctrl.h>

#include <utility>

#include "dialogs/wx/accessible_name.h"
#include "dialogs/wx/menu_list.h"

wxListCtrl* make_menu_list(wxWindow* parent, const wxString& heading,
                           const std::vector<std::string>& entries) {
    auto* list = new wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                wxLC_REPORT | wxLC_SINGLE_SEL);
    // Readable without a magnifier: the theme's font, larger.
    list->SetFont(list->GetFont().Scaled(readable_scale));
    list->AppendColumn(heading);
    for (const std::string& entry : entries) {
        list->InsertItem(list->GetItemCount(), wxString::FromUTF8(entry));
    }
    list->SetColumnWidth(0, wxLIST_AUTOSIZE_USEHEADER);
    list->SetMinSize(list->FromDIP(wxSize(540, 270)));
    constexpr long current = wxLIST_STATE_FOCUSED | wxLIST_STATE_SELECTED;
    list->SetItemState(0, current, current);
    set_accessible_name(*list, heading);
    return list;
}

int current_row(const wxListCtrl& list) {
    return static_cast<int>(list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED));
}

void on_row_chosen(wxListCtrl& list, std::function<void(int row)> chosen) {
    list.Bind(wxEVT_LIST_ITEM_ACTIVATED, [chosen = std::move(chosen)](wxListEvent& event) {
        chosen(static_cast<int>(event.GetIndex()));
    });
}
