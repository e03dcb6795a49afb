// Gives a control its name both as its wx window name and as the name the
// screen reader announces. On GTK, SetName alone never reaches the
// accessibility tree, so the ATK object of the widget that takes the keyboard
// focus is named as well; on Windows the control answers MSAA and UI
// Automation with it.
#pragma once

#include <wx/string.h>

class wxWindow;

void set_accessible_name(wxWindow& window, const wxString& name);
