#include "dialogs/wx/fit_lists.h"

#include <algorithm>

#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/sizer.h>

// The lists share the screen's height that the rest of the dialog leaves:
// each keeps all its rows where they fit, else the tallest are cut to one
// height and scroll, so a short list stays whole and the button stays on the
// screen.
void fit_lists_to_screen(wxDialog& dialog, const std::vector<MenuList*>& lists) {
    std::vector<int> heights;
    int total = 0;
    for (const MenuList* list : lists) {
        heights.push_back(list->GetMinSize().y);
        total += heights.back();
    }
    const int screen = wxDisplay(&dialog).GetClientArea().height * 9 / 10;
    // From the sizer's own height, not the dialog's: the system may already
    // have cut a dialog taller than the screen to the screen's height.
    const int whole = dialog.ClientToWindowSize(dialog.GetSizer()->GetMinSize()).y;
    int room = screen - (whole - total);
    if (total <= room) {
        return;
    }
    std::vector<int> ascending = heights;
    std::sort(ascending.begin(), ascending.end());
    int left = static_cast<int>(ascending.size());
    int cap = 0;
    for (const int height : ascending) {
        cap = room / left;
        if (height > cap) {
            break;
        }
        room -= height;
        --left;
    }
    // A list keeps its heading and a row or two, even on a tiny screen.
    cap = std::max(cap, dialog.FromDIP(80));
    for (MenuList* list : lists) {
        list->SetMinSize(wxSize(list->GetMinSize().x, std::min(list->GetMinSize().y, cap)));
    }
    dialog.GetSizer()->SetSizeHints(&dialog);
}
