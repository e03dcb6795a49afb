// The game's message boxes: a text, a short exclamation as its title, and OK
// (or Yes and No), with no parent window of their own. The game makes them
// itself rather than taking the toolkit's: GTK names its box after the kind
// of message ("Information"), so a screen reader never said the title. The
// own voice says a box's title and text as it opens. A text too tall for the
// screen (the key help at a large scaling) scrolls inside a box that fits.
#pragma once

#include <string_view>

#include <wx/dialog.h>

class TellDialog : public wxDialog {
  public:
    // buttons: wxOK, or wxYES_NO with No the default.
    TellDialog(const wxString& message, const wxString& title, long buttons);

    const wxString& GetMessage() const { return message_; }

  private:
    wxString message_;
};

// Shows a message with OK; returns when the player has closed it.
void tell(std::string_view message, std::string_view title);

// Asks a question; true for Yes. No, Escape and the close box say no.
bool ask_yes(std::string_view question, std::string_view title);
