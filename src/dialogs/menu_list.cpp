#include "dialogs/menu_list.h"

#include <wx/dataview.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "dialogs/accessible_name.h"

namespace {

void make_row_current(wxDataViewListCtrl& list, int row) {
#ifdef __WXGTK__
    // wx's SetCurrentItem leaves GTK without a cursor here, and without one
    // Enter activates nothing; so set GTK's own cursor.
    GtkTreePath* path = gtk_tree_path_new_from_indices(row, -1);
    gtk_tree_view_set_cursor(GTK_TREE_VIEW(list.GtkGetTreeView()), path, nullptr, FALSE);
    gtk_tree_path_free(path);
#else
    list.SetCurrentItem(list.RowToItem(row));
#endif
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
#ifdef __WXGTK__
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
#else
    return list.ItemToRow(list.GetCurrentItem());
#endif
}
