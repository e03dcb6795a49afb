// The game files: Save Game. and Load Game., and a file given to open.
#include <chrono>
#include <optional>
#include <string>

#include <wx/filedlg.h>
#include <wx/filename.h>

#include "board/texts.h"
#include "dialogs/wx/file_choice.h"
#include "dialogs/wx/tell.h"
#include "lifecycle/game_file.h"
#include "lifecycle/saved_game.h"
#include "shell/wx/mywin.h"
#include "shell/wx/wx_text.h"
#include "speech/speech.h"

namespace {

enum class SavePath { ready, declined, impossible };

// The load dialog lists only *.sudoku files, so a game saved under a bare name
// could never be found again: give it the ending. Whether to replace a file is
// asked here, about the final name (the dialog could only ask about the name it
// was given); a folder of that name can never be replaced, so that fails at once.
SavePath settle_save_path(wxString& path) {
    if (!path.Lower().EndsWith(wx_text(sudoku::texts::file_extension))) {
        path += wx_text(sudoku::texts::file_extension);
    }
    if (wxDirExists(path)) {
        return SavePath::impossible;
    }
    if (!wxFileName::Exists(path)) {
        return SavePath::ready;
    }
    return ask_yes(sudoku::texts::replace_question(wxFileName(path).GetFullName().utf8_string()),
                   sudoku::texts::replace_title())
               ? SavePath::ready
               : SavePath::declined;
}

}  // namespace

void Mywin::savegame() {
    // The game as it is when asked, not after the dialog.
    const std::optional<std::string> text = session.save_text(std::chrono::steady_clock::now());
    wxFileDialog dialog(this, wx_text(sudoku::texts::save_prompt()), wxString(), wxString(),
                        wx_text(sudoku::texts::file_wildcard()), wxFD_SAVE);
    const std::optional<wxString> chosen = choose_file(dialog);
    if (!chosen) {
        return;
    }
    wxString path = *chosen;
    const SavePath settled = settle_save_path(path);
    if (settled == SavePath::declined) {
        return;
    }
    if (settled == SavePath::impossible || !text ||
        !sudoku::write_file_atomically(file_path(path), *text)) {
        tell(sudoku::texts::save_failed(), sudoku::texts::save_failed_title());
        return;
    }
    speak(std::string(sudoku::texts::game_saved()));
}

void Mywin::loadgame() {
    wxFileDialog dialog(this, wx_text(sudoku::texts::load_prompt()), wxString(), wxString(),
                        wx_text(sudoku::texts::file_wildcard()), wxFD_OPEN);
    if (const std::optional<wxString> chosen = choose_file(dialog)) {
        load_file(*chosen);
    }
}

void Mywin::load_file(const wxString& path) {
    const auto text = sudoku::read_file_limited(file_path(path), sudoku::max_saved_game_bytes);
    if (!text || !session.load(*text)) {
        // Refused before anything changes: the menu and the game in memory stay as they were.
        tell(sudoku::texts::load_failed(), sudoku::texts::oops_title());
        return;
    }
    run_game();
}
