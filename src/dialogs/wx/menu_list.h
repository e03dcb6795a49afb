// A one-column list the screen reader reads item by item, headed and named
// `heading`, with row 0 current and selected. The kind of list is chosen here,
// once per platform: on GTK a data view (a native GTK tree view that Orca
// reads), on Windows a report-mode list control (a native list view that
// NVDA and JAWS read). Callers use only the functions below.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/string.h>

#ifdef __WXMSW__
#include <wx/listctrl.h>
using MenuList = wxListCtrl;
#else
#include <wx/dataview.h>
using MenuList = wxDataViewListCtrl;
#endif

// How much larger than the theme's font the lists and their dialog's button are.
inline constexpr float readable_scale = 1.8f;

MenuList* make_menu_list(wxWindow* parent, const wxString& heading,
                         const std::vector<std::string>& entries);

// The row under the list's keyboard cursor (not necessarily the selected one),
// or -1 when there is none.
int current_row(const MenuList& list);

// Makes `row` the current and selected row, as row 0 is at first.
void set_current_row(MenuList& list, int row);

// Calls `chosen` with the row the player activates (Enter or a double click).
void on_row_chosen(MenuList& list, std::function<void(int row)> chosen);
