#include "dialogs/menu_list.h"

#include <wx/dataview.h>

#include "dialogs/accessible_name.h"

wxDataViewListCtrl* make_menu_list(wxWindow* parent, const wxString& heading,
                                   const std::vector<std::string>& entries) {
    auto* list =
        new wxDataViewListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxDV_SINGLE);
    list->AppendTextColumn(heading, wxDATAVIEW_CELL_INERT, wxCOL_WIDTH_AUTOSIZE);
    for (const std::string& entry : entries) {
        wxVector<wxVariant> row;
        row.push_back(wxVariant(wxString::FromUTF8(entry)));
        list->AppendItem(row);
    }
    list->SetCurrentItem(list->RowToItem(0));
    list->SelectRow(0);
    set_accessible_name(*list, heading);
    return list;
}

int current_row(const wxDataViewListCtrl& list) {
    return list.ItemToRow(list.GetCurrentItem());
}
