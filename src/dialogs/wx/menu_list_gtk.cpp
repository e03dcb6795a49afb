#include "dialogs/wx/menu_list.h"

#include <gtk/gtk.h>
#include <wx/dataview.h>

#include <utility>

#include "dialogs/wx/accessible_name.h"

namespace {

void make_row_current(wxDataViewListCtrl& list, int row) {
    // wx's SetCurrentItem leaves GTK without a cursor here, and without one
    // Enter activates nothing; so set GTK's own cursor.
    GtkTreePath* path = gtk_tree_path_new_from_indices(row, -1);
    gtk_tree_view_set_cursor(GTK_TREE_VIEW(list.GtkGetTreeView()), path, nullptr, FALSE);
    gtk_tree_path_free(path);
}

}  // namespace

wxDataViewListCtrl* make_menu_list(wxWindow* parent, const wxString& heading,
                                   const std::vector<std::string>& entries) {
    auto* list =
        new wxDataViewListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxDV_SINGLE);
    // Readable without a magnifier: the theme's font, larger.
    list->SetFont(list->GetFont().Scaled(readable_scale));
    list->AppendTextColumn(heading, wxDATAVIEW_CELL_INERT, wxCOL_WIDTH_AUTOSIZE);
    for (const std::string& entry : entries) {
        wxVector<wxVariant> row;
        row.push_back(wxVariant(wxString::FromUTF8(entry)));
        list->AppendItem(row);
    }
    list->SetMinSize(list->FromDIP(wxSize(540, 270)));
    make_row_current(*list, 0);
    list->SelectRow(0);
    set_accessible_name(*list, heading);
    return list;
}

int current_row(const wxDataViewListCtrl& list) {
    // wx reports the selected row here, but Ctrl+arrows move GTK's cursor
    // alone, and the cursor is what the screen reader has just read out.
    GtkTreePath* path = nullptr;
    gtk_tree_view_get_cursor(GTK_TREE_VIEW(const_cast<wxDataViewListCtrl&>(list).GtkGetTreeView()),
                             &path, nullptr);
    if (path == nullptr) {
        return -1;
    }
    const int row = gtk_tree_path_get_indices(path)[0];
    gtk_tree_path_free(path);
    return row;
}

void set_current_row(wxDataViewListCtrl& list, int row) {
    make_row_current(list, row);
    list.SelectRow(row);
}

void on_row_chosen(wxDataViewListCtrl& list, std::function<void(int row)> chosen) {
    list.Bind(wxEVT_DATAVIEW_ITEM_ACTIVATED,
              [&list, chosen = std::move(chosen)](wxDataViewEvent& event) {
                  const int row = list.ItemToRow(event.GetItem());
                  if (row != wxNOT_FOUND) {
                      chosen(row);
                  }
              });
}
