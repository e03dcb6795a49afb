#include <wx/app.h>
#include <wx/cmdline.h>

#include "board/texts.h"
#include "dialogs/speech.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

namespace {

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
        new Mywin(nullptr, wx_text(texts::window_title));
        return true;
    }

    void OnInitCmdLine(wxCmdLineParser& parser) override {
        wxApp::OnInitCmdLine(parser);
        const wxString voice = wx_text(speech::own_voice());
        parser.AddLongOption("speech",
                             "where the game speaks: auto (the screen reader while one runs, "
                             "else " +
                                 voice + "), screen-reader or " + voice + "; default auto",
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
        wxString value;
        if (!parser.Found("speech", &value) || value == "auto") {
            route_ = speech::Route::automatic;
        } else if (value == "screen-reader") {
            route_ = speech::Route::screen_reader;
        } else if (value == wx_text(speech::own_voice())) {
            route_ = speech::Route::speech_dispatcher;
        } else {
            parser.SetLogo("--speech takes auto, screen-reader or " + wx_text(speech::own_voice()) +
                           ", not \"" + value + "\".");
            parser.Usage();
            return false;
        }
        return true;
    }

  private:
    speech::Route route_ = speech::Route::automatic;
    bool help_shown_ = false;
};

}  // namespace

wxIMPLEMENT_APP(SudokuApp);
