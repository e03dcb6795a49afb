#include <wx/grid.h>

#include "board/board_keys.h"
#include "board/key_help.h"
#include "board/texts.h"
#include "dialogs/my_dialog.h"
#include "dialogs/speech.h"
#include "dialogs/tell.h"
#include "shell/mywin.h"
#include "shell/wx_text.h"

void Mywin::readgroup(sudoku::Unit unit) {
    const sudoku::Group group = sudoku::group_of(unit, cursor(), game.size());
    speak(texts::reading(group, sudoku::read_group(game, group)));
}

void Mywin::missing() {
    speak(texts::missing(sudoku::missing_around(game, cursor())));
}

void Mywin::options() {
    const sudoku::Square square = cursor();
    speak(texts::options(square, sudoku::options_for(game, square)));
}

void Mywin::nextempty(bool forward) {
    if (const auto square = sudoku::next_empty(game, cursor(), forward)) {
        go_to(*square);
    } else {
        speak(texts::empty_count(0));
    }
}

void Mywin::sayagain() {
    const sudoku::Square square = cursor();
    speak(texts::announce(game, square));
}

void Mywin::clashes() {
    speak(texts::clashes(sudoku::rule_breaks(game)));
}

void Mywin::why() {
    speak(texts::explanation(sudoku::explain_refusal(game)));
}

void Mywin::gotosquare() {
    const wxString typed = ask(wx_text(texts::go_to_prompt));
    const sudoku::TypedSquare target = sudoku::read_square(game, typed.utf8_string());
    switch (target.kind) {
        case sudoku::TypedSquare::Kind::on_board:
            go_to(target.square);
            break;
        case sudoku::TypedSquare::Kind::off_board:
            speak(texts::no_such_square(target.typed));
            break;
        case sudoku::TypedSquare::Kind::nothing:
            break;
    }
}

void Mywin::keyhelp() {
    tell(key_help(board_keys()), texts::keys_title);
}

void Mywin::arrow(int dx, int dy) {
    const sudoku::Square from = cursor();
    const sudoku::Square to{from.x + dx, from.y + dy};
    go_to(game.contains(to) ? to : from);
}

void Mywin::go_to(sudoku::Square square) {
    if (square == cursor()) {
        sayagain();
    } else {
        grid->GoToCell(square.y, square.x);
    }
}
