#include "dialogs/wx/my_dialog.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "dialogs/wx/accessible_name.h"
#include "dialogs/wx/enter_answers.h"
#include "speech/speech.h"

MyDialog::MyDialog(wxWindow* parent, const wxString& title, const wxString& caption, bool multiline)
    // The title bar carries the prompt too, so the window manager and the
    // screen reader announce the question when the dialog opens.
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    auto* label = new wxStaticText(this, wxID_ANY, caption);
    input = new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                           multiline ? wxTE_MULTILINE : 0);
    input->SetInitialSize(FromDIP(wxSize(400, 300)));
    set_accessible_name(*input, caption);
    wxSizer* buttons = CreateButtonSizer(wxOK | wxCANCEL);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(label, 0, wxALL, FromDIP(5));
    sizer->Add(input, 1, wxEXPAND | wxALL, FromDIP(5));
    sizer->Add(buttons, 0, wxEXPAND | wxALL, FromDIP(5));
    SetSizerAndFit(sizer);
    input->SetFocus();
}

void MyDialog::SetValue(const wxString& value) {
    input->SetValue(value);
    input->SelectAll();
}

wxString MyDialog::GetValue() const {
    return input->GetValue();
}

namespace {

std::optional<wxString> ask_in_box(const wxString& msg, const wxString& value, bool multiline) {
    auto* dialog = new MyDialog(nullptr, msg, msg, multiline);
    dialog->SetName(msg);
    dialog->SetValue(value);
    answer_enter_at_once(*dialog);
    speak_box(msg.utf8_string(), msg.utf8_string());
    // Only OK (or Enter in the box) gives the typed text: a player who changes
    // their mind and presses Escape, Cancel or the close box must get nothing.
    const bool confirmed = dialog->ShowModal() == wxID_OK;
    std::optional<wxString> typed;
    if (confirmed) {
        typed = dialog->GetValue();
    }
    dialog->Destroy();
    return typed;
}

}  // namespace

std::optional<wxString> ask_for(const wxString& msg, const wxString& value) {
    return ask_in_box(msg, value, false);
}

wxString ask(const wxString& msg, const wxString& default_value, bool multiline) {
    return ask_in_box(msg, default_value, multiline).value_or(default_value);
}
