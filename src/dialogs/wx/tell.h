// The game's one kind of message box: a text, a short exclamation as its
// title, an OK button and the information icon, with no parent window.
#pragma once

#include <string_view>

#include <wx/msgdlg.h>

#include "shell/wx_text.h"

inline void tell(std::string_view message, std::string_view title) {
    wxMessageBox(wx_text(message), wx_text(title), wxOK | wxICON_INFORMATION);
}
