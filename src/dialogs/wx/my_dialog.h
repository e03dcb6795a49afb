// The text-entry dialog: a prompt, a text box, OK and Cancel.
#pragma once

#include <optional>

#include <wx/dialog.h>

class wxTextCtrl;

class MyDialog : public wxDialog {
  public:
    MyDialog(wxWindow* parent, const wxString& title, const wxString& caption, bool multiline);

    void SetValue(const wxString& value);
    wxString GetValue() const;

    wxTextCtrl* input = nullptr;
};

// Asks for a line of text, `value` in the box to begin with; nothing when the
// player cancels, presses Escape or closes it.
std::optional<wxString> ask_for(const wxString& msg, const wxString& value);
// Asks for a line of text. Returns what the box holds when the player presses
// OK (or Enter), and `default_value` when they cancel, press Escape or close it.
wxString ask(const wxString& msg, const wxString& default_value = wxString(),
             bool multiline = false);
