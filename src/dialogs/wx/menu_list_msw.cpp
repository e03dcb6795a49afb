#include <wx/listctrl.h>
#include <wx/settings.h>

#include <algorithm>
#include <utility>

#include "dialogs/wx/accessible_name.h"
#include "dialogs/wx/menu_list.h"

namespace {

// The column as wide as its heading and its longest item, which are never cut
// in any language, and the list as tall as all its rows: a dialog that lacks
// the room shrinks it (fit_lists_to_screen), and then it scrolls.
void fit_to_texts(wxListCtrl& list, const wxString& heading) {
    int widest = list.GetTextExtent(heading).x;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        widest = std::max(widest, list.GetTextExtent(list.GetItemText(row)).x);
    }
    const wxSize frame = list.GetSize() - list.GetClientSize();
    // Room for a scroll bar beside the column, so it stays whole when the list scrolls.
    const int beside = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, &list) + frame.x;
    // The header's and the items' own margins round the text.
    const int column = std::max(widest + list.FromDIP(24), list.FromDIP(540) - beside);
    list.SetColumnWidth(0, column);
    wxRect last;
    list.GetItemRect(list.GetItemCount() - 1, last);
    list.SetMinSize(wxSize(column + beside, last.GetBottom() + 1 + frame.y));
}

}  // namespace

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
    fit_to_texts(*list, heading);
    constexpr long current = wxLIST_STATE_FOCUSED | wxLIST_STATE_SELECTED;
    list->SetItemState(0, current, current);
    set_accessible_name(*list, heading);
    return list;
}

int current_row(const wxListCtrl& list) {
    return static_cast<int>(list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_FOCUSED));
}

void set_current_row(wxListCtrl& list, int row) {
    constexpr long current = wxLIST_STATE_FOCUSED | wxLIST_STATE_SELECTED;
    list.SetItemState(row, current, current);
    list.EnsureVisible(row);
}

void on_row_chosen(wxListCtrl& list, std::function<void(int row)> chosen) {
    list.Bind(wxEVT_LIST_ITEM_ACTIVATED, [chosen = std::move(chosen)](wxListEvent& event) {
        chosen(static_cast<int>(event.GetIndex()));
    });
}
