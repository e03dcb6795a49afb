// New Game.: the dialog's choice, made into a game by the session, on a fresh
// board; Daily Puzzle.: today's, kept or made afresh.
#include "dialogs/wx/size_dlg.h"
#include "shell/wx/mywin.h"

void Mywin::new_game() {
    const std::optional<SizeChoice> choice = size_select();
    if (!choice) {
        return;
    }
    session.new_game(*choice);
    run_game();
}

void Mywin::daily_puzzle() {
    session.daily(sudoku::today());
    run_game();
}
