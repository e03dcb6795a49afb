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

// The whole chosen path: a path typed into the name box names its own folder,
// which the folder the dialog was showing (GetDirectory) is not. GTK has no
// path for a dialog answered without ever being shown (a scripted answer);
// there folder and name are all there is, and they agree.
wxString chosen_path(const wxFileDialog& dialog) {
    const wxString path = dialog.GetPath();
    return !path.empty() ? path
                         : wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
}

enum class SavePath { ready, declined, impossible };

// The load dialog lists only *.sudoku files, so a game saved under a bare name
// could never be found again: give it the ending. The dialog's own overwrite
// question was about the bare name, so ask again for the final one; a folder of
// that name can never be replaced, so that fails at once.
SavePath settle_save_path(wxString& path) {
    if (!path.Lower().EndsWith(wx_text(texts::file_extension))) {
        path += wx_text(texts::file_extension);
    } else if (!wxDirExists(path)) {
        return SavePath::ready;
    }
    if (wxDirExists(path)) {
        return SavePath::impossible;
    }
    if (!wxFileName::Exists(path)) {
        return SavePath::ready;
    }
    const int answer =
        wxMessageBox(wx_text(texts::replace_question(wxFileName(path).GetFullName().utf8_string())),
                     wx_text(texts::replace_title), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    return answer == wxYES ? SavePath::ready : SavePath::declined;
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
    const SavePath settled = settle_save_path(path);
    if (settled == SavePath::declined) {
        return;
    }
    if (settled == SavePath::impossible ||
        !sudoku::write_file_atomically(std::string(path.fn_str()),
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
