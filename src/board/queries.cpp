#include "board/texts.h"
#include "dialogs/speech.h"
#include "dialogs/tell.h"
#include "shell/mywin.h"

void Mywin::numb(wxCommandEvent&) {
    speak(texts::empty_count(game.empty_count()));
}

void Mywin::hint() {
    speak(texts::hint(sudoku::find_hint(game.board(), game.original(), game.size())));
}

void Mywin::complete() {
    if (!game.is_complete()) {
        return;
    }
    tell(texts::completed, texts::wow);
    wxCommandEvent placeholder;
    gohome(placeholder);
}
