#include "dialogs/wx/tell.h"

#include <wx/button.h>
#include <wx/sizer.h>

#ifdef __WXGTK__
#include <gtk/gtk.h>
#endif

#include "dialogs/wx/enter_answers.h"
#include "dialogs/wx/scrolling_text.h"
#include "shell/wx/wx_text.h"
#include "speech/speech.h"

TellDialog::TellDialog(const wxString& message, const wxString& title, long buttons)
    : wxDialog(nullptr, wxID_ANY, title), message_(message) {
    SetName(title);
#ifdef __WXGTK__
    // A plain window is a "frame" to a screen reader, which says only its
    // title and the focused button. An alert is said with its title and then
    // its description: the text.
    AtkObject* box = gtk_widget_get_accessible(GetHandle());
    atk_object_set_role(box, ATK_ROLE_ALERT);
    atk_object_set_description(box, message.utf8_str());
#endif
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    add_box_text(*this, *sizer, message);
    sizer->Add(CreateButtonSizer(buttons), 0, wxEXPAND | wxALL, FromDIP(5));
    SetSizerAndFit(sizer);
    CentreOnScreen();
    // Yes and No end the box with their own answer, as OK does.
    for (const int id : {wxID_YES, wxID_NO}) {
        Bind(
            wxEVT_BUTTON, [this, id](wxCommandEvent&) { EndModal(id); }, id);
    }
    if ((buttons & wxYES_NO) != 0) {
        SetEscapeId(wxID_NO);
    }
}

namespace {

int show_box(std::string_view message, std::string_view title, long buttons) {
    TellDialog box(wx_text(message), wx_text(title), buttons);
    answer_enter_at_once(box);
    speak_box(title, message);
    return box.ShowModal();
}

}  // namespace

void tell(std::string_view message, std::string_view title) {
    show_box(message, title, wxOK);
}

bool ask_yes(std::string_view question, std::string_view title) {
    return show_box(question, title, wxYES_NO | wxNO_DEFAULT) == wxID_YES;
}
