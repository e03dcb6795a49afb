#include "shell/wx/one_copy.h"

#include <chrono>
#include <filesystem>
#include <system_error>
#include <utility>

#include <wx/log.h>
#include <wx/snglinst.h>
#include <wx/weakref.h>
#include <wx/window.h>

#ifdef __WXMSW__
#include <wx/msw/wrapwin.h>
#endif

#include "lifecycle/game_file.h"
#include "lifecycle/open_request.h"
#include "shell/wx/wx_text.h"

OneCopy::OneCopy() : folder_(sudoku::state_folder()) {
    if (!folder_) {
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(
        std::filesystem::path(std::u8string(folder_->begin(), folder_->end())), ignored);
    // A folder where no lock can be made cannot keep a game either: then no
    // copy can write over another's, and nothing needs saying here.
    const wxLogNull quiet;
    checker_ = std::make_unique<wxSingleInstanceChecker>();
    if (!checker_->Create(wx_text(sudoku::running_copy_name(*folder_)), wx_text(*folder_))) {
        checker_.reset();
    }
}

OneCopy::~OneCopy() = default;

bool OneCopy::handed_over(const std::string& file) {
    const wxLogNull quiet;
    if (!checker_ || !checker_->IsAnotherRunning()) {
        return false;
    }
#ifdef __WXMSW__
    // The copy starting has the foreground; it lets the running one take it.
    ::AllowSetForegroundWindow(ASFW_ANY);
#endif
    // The running copy looks twice a second; a few seconds allow for one busy
    // making a big puzzle.
    return sudoku::ask_running_copy(*folder_, file, std::chrono::seconds(5));
}

void OneCopy::listen(wxWindow& window, std::function<void(const std::string&)> arrived) {
    if (!checker_) {
        return;
    }
    // A look at one small file twice a second: simpler and sturdier than a
    // socket or a watch, and quick enough for a window to come forward.
    constexpr int every_ms = 500;
    timer_.Bind(wxEVT_TIMER, [this, alive = wxWeakRef<wxWindow>(&window),
                              arrived = std::move(arrived)](wxTimerEvent&) {
        if (!alive) {
            timer_.Stop();
            return;
        }
        if (const std::optional<std::string> request = sudoku::take_open_request(*folder_)) {
            arrived(*request);
        }
    });
    timer_.Start(every_ms);
}
