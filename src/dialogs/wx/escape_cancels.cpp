#include "dialogs/wx/escape_cancels.h"

#include <wx/dialog.h>

void escape_cancels(wxDialog& dialog) {
    dialog.Bind(wxEVT_CHAR_HOOK, [&dialog](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) {
            dialog.EndModal(wxID_CANCEL);
        } else {
            event.Skip();
        }
    });
}
