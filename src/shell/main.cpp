#include <wx/app.h>
#include <wx/cmdline.h>

#include <algorithm>

#include "board/texts.h"
#include "dialogs/speech.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

namespace {

// The routes --speech takes after "auto", as "screen-reader or sapi".
wxString other_routes() {
    const auto named = speech::routes().subspan(1);
    wxString names;
    for (std::size_t i = 0; i < named.size(); ++i) {
        names += (i == 0 ? "" : i + 1 == named.size() ? " or " : ", ") + wx_text(named[i].name);
    }
    return names;
}

class SudokuApp : public wxApp {
  public:
    bool OnInit() override {
        if (!wxApp::OnInit()) {
            return false;
        }
        if (help_shown_) {
            return true;
        }
        speech::use_route(route_);
        // The window shows itself; the app only has to create it.
        new Mywin(nullptr, wx_text(texts::window_title()));
        return true;
    }

    void OnInitCmdLine(wxCmdLineParser& parser) override {
        wxApp::OnInitCmdLine(parser);
        parser.AddLongOption("speech",
                             "where the game speaks: auto (the screen reader while one runs, "
                             "else " +
                                 wx_text(speech::own_voice()) + "), " + other_routes() +
                                 "; default auto",
                             wxCMD_LINE_VAL_STRING);
    }

    // --help is a success, not an error: show the options and leave with 0.
    bool OnCmdLineHelp(wxCmdLineParser& parser) override {
        parser.Usage();
        help_shown_ = true;
        return true;
    }

    int OnRun() override { return help_shown_ ? 0 : wxApp::OnRun(); }

    bool OnCmdLineParsed(wxCmdLineParser& parser) override {
        if (!wxApp::OnCmdLineParsed(parser)) {
            return false;
        }
        wxString value = "auto";
        parser.Found("speech", &value);
        const auto named = speech::routes();
        const auto chosen = std::ranges::find_if(named, [&value](const speech::NamedRoute& route) {
            return value == wx_text(route.name);
        });
        if (chosen == named.end()) {
            parser.SetLogo("--speech takes auto, " + other_routes() + ", not \"" + value + "\".");
            parser.Usage();
            return false;
        }
        route_ = chosen->route;
        return true;
    }

  private:
    speech::Route route_ = speech::Route::automatic;
    bool help_shown_ = false;
};

}  // namespace

wxIMPLEMENT_APP(SudokuApp);
