#include "dialogs/wx/enter_answers.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>

void answer_enter_at_once(wxDialog& dialog) {
    dialog.Bind(wxEVT_CHAR_HOOK, [&dialog](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        wxWindow* focus = wxWindow::FindFocus();
        auto* text = dynamic_cast<wxTextCtrl*>(focus);
        if ((key != WXK_RETURN && key != WXK_NUMPAD_ENTER) || event.HasAnyModifiers() ||
            !dialog.IsModal() || (text != nullptr && text->IsMultiLine())) {
            event.Skip();
            return;
        }
        auto* button = dynamic_cast<wxButton*>(focus);
        dialog.EndModal(button != nullptr ? button->GetId() : dialog.GetAffirmativeId());
    });
}
