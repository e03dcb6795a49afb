#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h>

#include "board/texts.h"
#include "dialogs/speech.h"
#include "dialogs/tell.h"
#include "lifecycle/game_file.h"
#include "lifecycle/saved_game.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

namespace {

wxString chosen_path(const wxFileDialog& dialog) {
    return wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
}

// The load dialog lists only *.sudoku files, so a game saved under a bare name
// could never be found again: give it the ending. The dialog's own overwrite
// question was about the bare name, so ask again for the final one.
bool settle_save_path(wxString& path) {
    if (path.Lower().EndsWith(wx_text(texts::file_extension))) {
        return true;
    }
    path += wx_text(texts::file_extension);
    if (!wxFileName::Exists(path)) {
        return true;
    }
    const int answer =
        wxMessageBox(wx_text(texts::replace_question(wxFileName(path).GetFullName().utf8_string())),
                     wx_text(texts::replace_title), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    return answer == wxYES;
}

}  // namespace

void Mywin::savegame(wxCommandEvent&) {
    const sudoku::SavedGame game{board, original, difficulty, size};
    wxFileDialog dialog(this, wx_text(texts::save_prompt), wxString(), wxString(),
                        wx_text(texts::file_wildcard), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() == wxID_CANCEL) {
        return;
    }
    wxString path = chosen_path(dialog);
    if (!settle_save_path(path)) {
        return;
    }
    if (!sudoku::write_file_atomically(std::string(path.fn_str()),
                                       sudoku::encode_saved_game(game))) {
        tell(texts::save_failed, texts::save_failed_title);
        return;
    }
    speak(std::string(texts::game_saved));
}

void Mywin::loadgame() {
    wxFileDialog dialog(this, wx_text(texts::load_prompt), wxString(), wxString(),
                        wx_text(texts::file_wildcard), wxFD_OPEN);
    if (dialog.ShowModal() == wxID_CANCEL) {
        return;
    }
    const auto text = sudoku::read_file_limited(std::string(chosen_path(dialog).fn_str()),
                                                sudoku::max_saved_game_bytes);
    const auto game = text ? sudoku::decode_saved_game(*text) : std::nullopt;
    if (!game) {
        // Checked before anything changes: the menu and the game in memory stay as they were.
        tell(texts::load_failed, texts::load_failed_title);
        return;
    }
    board = game->board;
    difficulty = game->difficulty;
    original = game->original;
    size = game->size;
    run_game();
}
