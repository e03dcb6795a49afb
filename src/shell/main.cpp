#include <wx/app.h>

#include "board/texts.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

namespace {

class SudokuApp : public wxApp {
  public:
    bool OnInit() override {
        // The window shows itself; the app only has to create it.
        new Mywin(nullptr, wx_text(texts::window_title));
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP(SudokuApp);
