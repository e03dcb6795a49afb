#include "dialogs/wx/message_box.h"

#include <algorithm>

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/dcscreen.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/msgdlg.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

// The height of the screen a box may take.
int screen_room(const wxDisplay& display) {
    return display.GetClientArea().height * 9 / 10;
}

// Whether the toolkit's box would fit the screen: the text in the message
// font, and room for the title bar and the OK button.
bool fits(const wxString& text) {
    wxScreenDC dc;
    dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    const int buttons = dc.GetCharHeight() * 8;
    return dc.GetMultiLineTextExtent(text).y + buttons <= screen_room(wxDisplay());
}

// The text is one static text, as in the toolkit's box, so a screen reader
// reads it whole when the box opens; only its view scrolls.
class ScrollingBox : public wxDialog {
  public:
    ScrollingBox(const wxString& text, const wxString& title)
        : wxDialog(nullptr, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
                   wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
        view_ = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                     wxVSCROLL | wxBORDER_THEME);
        auto* label = new wxStaticText(view_, wxID_ANY, text);
        auto* inside = new wxBoxSizer(wxVERTICAL);
        inside->Add(label, 0, wxALL, FromDIP(10));
        view_->SetSizer(inside);
        line_ = label->GetCharHeight();
        view_->SetScrollRate(0, line_);
        auto* ok = new wxButton(this, wxID_OK);
        ok->SetDefault();
        auto* body = new wxBoxSizer(wxHORIZONTAL);
        body->Add(
            new wxStaticBitmap(this, wxID_ANY,
                               wxArtProvider::GetBitmap(wxART_INFORMATION, wxART_MESSAGE_BOX)),
            0, wxALL, FromDIP(10));
        body->Add(view_, 1, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, FromDIP(10));
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(body, 1, wxEXPAND);
        sizer->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(10));
        const wxSize whole = inside->GetMinSize();
        const int bar = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, view_);
        view_->SetMinSize(wxSize(whole.x + bar, line_));
        SetSizerAndFit(sizer);
        // What the screen leaves beside the rest of the box goes to the text.
        const int room = screen_room(wxDisplay(this)) - (GetSize().y - line_);
        view_->SetMinSize(wxSize(whole.x + bar, std::min(whole.y, std::max(room, line_ * 3))));
        SetSizerAndFit(sizer);
        CentreOnScreen();
        ok->SetFocus();
        // The OK button keeps the focus; the arrows and page keys scroll the text.
        Bind(wxEVT_CHAR_HOOK, &ScrollingBox::scroll, this);
    }

  private:
    void scroll(wxKeyEvent& event) {
        int x = 0;
        int y = 0;
        view_->GetViewStart(&x, &y);
        const int page = std::max(1, view_->GetClientSize().y / line_ - 1);
        switch (event.GetKeyCode()) {
            case WXK_UP:
                view_->Scroll(x, std::max(0, y - 1));
                break;
            case WXK_DOWN:
                view_->Scroll(x, y + 1);
                break;
            case WXK_PAGEUP:
                view_->Scroll(x, std::max(0, y - page));
                break;
            case WXK_PAGEDOWN:
                view_->Scroll(x, y + page);
                break;
            case WXK_HOME:
                view_->Scroll(x, 0);
                break;
            case WXK_END:
                view_->Scroll(x, view_->GetVirtualSize().y / line_);
                break;
            default:
                event.Skip();
        }
    }

    wxScrolledWindow* view_ = nullptr;
    int line_ = 1;
};

}  // namespace

void message_box(const wxString& text, const wxString& title) {
    if (fits(text)) {
        wxMessageBox(text, title, wxOK | wxICON_INFORMATION);
        return;
    }
    ScrollingBox box(text, title);
    box.ShowModal();
}
