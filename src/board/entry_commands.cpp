#include <wx/grid.h>

#include "board/rules.h"
#include "board/texts.h"
#include "dialogs/my_dialog.h"
#include "dialogs/speech.h"
#include "dialogs/tell.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

void Mywin::digit(int number) {
    const Square square = cursor();
    if (!is_valid(number)) {
        return;
    }
    speak(std::string(texts::digit_name(number)));
    write_square(square, number);
    complete();
}

void Mywin::customval(wxCommandEvent&) {
    const wxString typed = ask(wx_text(texts::enter_number));
    const sudoku::TypedNumber number = sudoku::read_typed_number(typed.utf8_string());
    using Kind = sudoku::TypedNumber::Kind;
    switch (number.kind) {
        case Kind::nothing:
            return;
        case Kind::not_a_number:
            speak(std::string(texts::not_whole_number));
            return;
        case Kind::below_one:
            tell(texts::not_positive, texts::wow);
            return;
        case Kind::too_large:
            tell(texts::too_large, texts::wow);
            return;
        case Kind::number:
            break;
    }
    const Square square = cursor();
    if (sudoku::is_given(original, square.x, square.y)) {
        speak(std::string(texts::value_given_refused));
        return;
    }
    write_square(square, number.value);
    Refresh();
    speak(std::to_string(number.value));
    complete();
}

void Mywin::backspace(wxCommandEvent&) {
    const Square square = cursor();
    if (!square_at(square)) {
        speak(std::string(texts::nothing_to_clear));
        return;
    }
    if (sudoku::is_given(original, square.x, square.y)) {
        speak(std::string(texts::delete_given_refused));
        return;
    }
    write_square(square, std::nullopt);
    Refresh();
    speak(std::string(texts::cleared));
}
