#include <wx/msgdlg.h>

#include "board/rules.h"
#include "board/texts.h"
#include "dialogs/speech.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

void Mywin::numb(wxCommandEvent&) {
    speak(texts::empty_count(sudoku::count_empty(board)));
}

void Mywin::complete() {
    if (!sudoku::is_complete(board, size)) {
        return;
    }
    wxMessageBox(wx_text(texts::completed), wx_text(texts::wow), wxOK | wxICON_INFORMATION);
    wxCommandEvent placeholder;
    gohome(placeholder);
}
