// A one-column list the screen reader reads item by item: a native GTK tree
// view headed and named `heading`, with row 0 current and selected.
#pragma once

#include <string>
#include <vector>

#include <wx/string.h>

class wxDataViewListCtrl;
class wxWindow;

// How much larger than the theme's font the lists and their dialog's button are.
inline constexpr float readable_scale = 1.8f;

wxDataViewListCtrl* make_menu_list(wxWindow* parent, const wxString& heading,
                                   const std::vector<std::string>& entries);

// The row under the list's keyboard cursor (not necessarily the selected one),
// or -1 when there is none.
int current_row(const wxDataViewListCtrl& list);
