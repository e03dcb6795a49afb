#include "dialogs/wx/scrolling_text.h"

#include <algorithm>

#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

// The height of the screen a box may take.
int screen_room(const wxWindow& window) {
    return wxDisplay(&window).GetClientArea().height * 9 / 10;
}

class ScrollingText : public wxScrolledWindow {
  public:
    ScrollingText(wxDialog& box, const wxString& text, int room)
        : wxScrolledWindow(&box, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                           wxVSCROLL | wxBORDER_THEME) {
        auto* label = new wxStaticText(this, wxID_ANY, text);
        auto* inside = new wxBoxSizer(wxVERTICAL);
        inside->Add(label, 0, wxALL, FromDIP(10));
        SetSizer(inside);
        line_ = std::max(1, label->GetCharHeight());
        SetScrollRate(0, line_);
        const wxSize whole = inside->GetMinSize();
        const int bar = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
        SetMinSize(wxSize(whole.x + bar, std::min(whole.y, std::max(room, line_ * 3))));
        box.Bind(wxEVT_CHAR_HOOK, &ScrollingText::scroll, this);
    }

  private:
    void scroll(wxKeyEvent& event) {
        int x = 0;
        int y = 0;
        GetViewStart(&x, &y);
        const int page = std::max(1, GetClientSize().y / line_ - 1);
        switch (event.GetKeyCode()) {
            case WXK_UP:
                Scroll(x, std::max(0, y - 1));
                break;
            case WXK_DOWN:
                Scroll(x, y + 1);
                break;
            case WXK_PAGEUP:
                Scroll(x, std::max(0, y - page));
                break;
            case WXK_PAGEDOWN:
                Scroll(x, y + page);
                break;
            case WXK_HOME:
                Scroll(x, 0);
                break;
            case WXK_END:
                Scroll(x, GetVirtualSize().y / line_);
                break;
            default:
                event.Skip();
        }
    }

    int line_ = 1;
};

}  // namespace

void add_box_text(wxDialog& box, wxSizer& sizer, const wxString& text) {
    const int margin = box.FromDIP(10);
    auto* label = new wxStaticText(&box, wxID_ANY, text);
    // Room for the title bar, the buttons and the margins.
    const int rest = label->GetCharHeight() * 8;
    const int room = screen_room(box) - rest;
    if (label->GetBestSize().y <= room) {
        sizer.Add(label, 1, wxEXPAND | wxALL, margin);
        return;
    }
    label->Destroy();
    sizer.Add(new ScrollingText(box, text, room), 1, wxEXPAND | wxALL, margin);
}
