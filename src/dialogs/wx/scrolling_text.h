// A box's text: shown whole where the screen has room for it, else in a view
// that scrolls with the arrows and page keys while the buttons keep the focus
// (the key help on a scaled or small screen). It is one static text either
// way, so a screen reader reads it whole.
#pragma once

#include <wx/string.h>

class wxDialog;
class wxSizer;

void add_box_text(wxDialog& box, wxSizer& sizer, const wxString& text);
