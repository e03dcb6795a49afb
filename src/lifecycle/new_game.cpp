#include "dialogs/size_dlg.h"
#include "lifecycle/sudoku.h"
#include "shell/mywin.h"

void Mywin::new_game() {
    const std::optional<SizeChoice> choice = size_select();
    if (!choice) {
        return;
    }
    const double fraction = choice->difficulty;
    size = choice->size;
    const sudoku::Sudoku puzzle = sudoku::Sudoku(size.first, size.second).difficulty(fraction);
    board = puzzle.board;
    original = puzzle.board;
    difficulty = fraction;
    run_game();
}
