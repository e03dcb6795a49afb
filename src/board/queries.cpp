#include "board/rules.h"
#include "board/texts.h"
#include "dialogs/speech.h"
#include "dialogs/tell.h"
#include "shell/mywin.h"

void Mywin::numb(wxCommandEvent&) {
    speak(texts::empty_count(sudoku::count_empty(board)));
}

void Mywin::complete() {
    if (!sudoku::is_complete(board, size)) {
        return;
    }
    tell(texts::completed, texts::wow);
    wxCommandEvent placeholder;
    gohome(placeholder);
}
