#include <wx/grid.h>

#include "board/texts.h"
#include "dialogs/my_dialog.h"
#include "dialogs/speech.h"
#include "dialogs/tell.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

void Mywin::digit(int number) {
    // The game judges the digit, and remembers a refusal for "why".
    const sudoku::Square square = cursor();
    report(game.place_digit(square, number), square);
}

void Mywin::customval(wxCommandEvent&) {
    // A given is refused at once: there is nothing to type.
    if (game.is_given(cursor())) {
        report({sudoku::Command::typed_number, sudoku::Outcome::given}, cursor());
        return;
    }
    const wxString typed = ask(wx_text(texts::enter_number));
    // The cursor is read once the box has closed.
    const sudoku::Square square = cursor();
    report(game.place_typed(square, typed.utf8_string()), square);
}

void Mywin::backspace(wxCommandEvent&) {
    const sudoku::Square square = cursor();
    report(game.clear(square), square);
}

void Mywin::report(const sudoku::Move& move, sudoku::Square square) {
    using sudoku::Outcome;
    // An undo or redo takes the cursor to its square and says the square there;
    // one of Ctrl+N's changed the whole board and leaves the cursor.
    const bool stepped = move.outcome == Outcome::undone || move.outcome == Outcome::redone;
    if (stepped && move.changed_by != sudoku::Command::fill_notes) {
        square = move.square;
        move_quietly(square);
    }
    const texts::Feedback feedback = texts::say(move, game);
    if (stepped || move.outcome == Outcome::placed || move.outcome == Outcome::cleared) {
        grid->SetCellValue(square.y, square.x, cell_text(game.at(square)));
        Refresh();
    }
    if (feedback.title.empty()) {
        if (!feedback.text.empty()) {
            speak(feedback.text);
        }
    } else {
        tell(feedback.text, feedback.title);
    }
    if (move.outcome == Outcome::placed || (stepped && game.at(square))) {
        complete();
    }
}

void Mywin::move_quietly(sudoku::Square square) {
    if (square != cursor()) {
        game.forget_refusal();
    }
    grid->Unbind(wxEVT_GRID_SELECT_CELL, &Mywin::OnCellChange, this);
    grid->GoToCell(square.y, square.x);
    grid->Bind(wxEVT_GRID_SELECT_CELL, &Mywin::OnCellChange, this);
}
