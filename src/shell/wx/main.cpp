#include <wx/app.h>
#include <wx/cmdline.h>
#include <wx/filename.h>

#include <algorithm>
#include <memory>

#include "board/texts.h"
#include "shell/wx/language.h"
#include "shell/wx/mywin.h"
#include "shell/wx/one_copy.h"
#include "shell/wx/settings_store.h"
#include "shell/wx/wx_text.h"
#include "speech/speech.h"

namespace {

// The routes --speech takes after "auto", as "screen-reader or sapi".
std::string other_routes() {
    std::vector<std::string> names;
    for (const sudoku::speech::NamedRoute& route : sudoku::speech::routes().subspan(1)) {
        names.emplace_back(route.name);
    }
    return sudoku::texts::listed(names, sudoku::texts::or_);
}

// "de, en, es or fr"
std::string language_list() {
    return sudoku::texts::listed({std::begin(languages), std::end(languages)}, sudoku::texts::or_);
}

// What --language=xx says, before the options are parsed: the help and
// every error are in that language already. Empty without one.
wxString asked_language(int argc, const wxCmdLineArgsArray& argv) {
    const wxString option = "--language=";
    for (int i = 1; i < argc; ++i) {
        const wxString arg = argv[i];
        if (arg.StartsWith(option)) {
            return arg.Mid(option.size());
        }
    }
    return {};
}

class SudokuApp : public wxApp {
  public:
    bool OnInit() override {
        if (!wxApp::OnInit()) {
            return false;
        }
        if (finished_) {
            return true;
        }
        one_copy_ = std::make_unique<OneCopy>();
        if (one_copy_->handed_over(file_path(file_))) {
            // The running copy comes forward instead; this one ends at once.
            finished_ = true;
            return true;
        }
        sudoku::speech::use_route(route_);
        if (language_ != "en") {
            sudoku::speech::use_language(language_);
        }
        // The window shows itself; the app only has to create it.
        auto* window = new Mywin(nullptr, wx_text(sudoku::texts::window_title()));
        one_copy_->listen(
            *window, [window](const std::string& file) { window->called_again(!file.empty()); });
        if (!file_.empty()) {
            // Once the menu is up: a file that cannot be loaded leaves the player there.
            window->CallAfter([window, file = file_] { window->load_file(file); });
        }
        return true;
    }

    void OnInitCmdLine(wxCmdLineParser& parser) override {
        language_ = start_with_settings(asked_language(argc, argv));
        wxApp::OnInitCmdLine(parser);
        parser.AddLongOption("speech",
                             wx_text(sudoku::texts::tr_fill(
                                 "where the game speaks: auto (the screen reader while one "
                                 "runs, else %1$s), %2$s; default auto",
                                 {sudoku::speech::own_voice(), other_routes()})),
                             wxCMD_LINE_VAL_STRING);
        parser.AddLongOption(
            "language",
            wx_text(sudoku::texts::tr_fill("the language of the game: %1$s; default the system's",
                                           {language_list()})),
            wxCMD_LINE_VAL_STRING);
        parser.AddParam(wx_text(sudoku::texts::tr("a saved game to open")), wxCMD_LINE_VAL_STRING,
                        wxCMD_LINE_PARAM_OPTIONAL);
        parser.AddUsageText(
            wx_text(sudoku::texts::tr_fill("The settings are kept in %1$s.", {settings_place()})));
    }

    // --help is a success, not an error: show the options and leave with 0.
    bool OnCmdLineHelp(wxCmdLineParser& parser) override {
        parser.Usage();
        finished_ = true;
        return true;
    }

    int OnRun() override { return finished_ ? 0 : wxApp::OnRun(); }

    bool OnCmdLineParsed(wxCmdLineParser& parser) override {
        if (!wxApp::OnCmdLineParsed(parser)) {
            return false;
        }
        wxString value = "auto";
        parser.Found("speech", &value);
        const auto named = sudoku::speech::routes();
        const auto chosen =
            std::ranges::find_if(named, [&value](const sudoku::speech::NamedRoute& route) {
                return value == wx_text(route.name);
            });
        if (chosen == named.end()) {
            return refuse(parser, sudoku::texts::tr_fill("--speech takes auto, %1$s, not \"%2$s\".",
                                                         {other_routes(), value.utf8_string()}));
        }
        route_ = chosen->route;
        wxString language;
        if (parser.Found("language", &language) &&
            std::ranges::find(languages, language.utf8_string()) == std::end(languages)) {
            return refuse(parser,
                          sudoku::texts::tr_fill("--language takes %1$s, not \"%2$s\".",
                                                 {language_list(), language.utf8_string()}));
        }
        if (parser.GetParamCount() > 0) {
            file_ = wxFileName(parser.GetParam(0)).GetAbsolutePath();
        }
        return true;
    }

  private:
    static bool refuse(wxCmdLineParser& parser, const std::string& why) {
        parser.SetLogo(wx_text(why));
        parser.Usage();
        return false;
    }

    sudoku::speech::Route route_ = sudoku::speech::Route::automatic;
    std::string language_ = "en";
    // The file given on the command line, as a whole path; empty without one.
    wxString file_;
    // Nothing more to run: --help was shown, or another copy took the request.
    bool finished_ = false;
    std::unique_ptr<OneCopy> one_copy_;
};

}  // namespace

wxIMPLEMENT_APP(SudokuApp);
