#include <cmath>

#include "board/texts.h"
#include "dialogs/wx/size_dlg.h"
#include "shell/mywin.h"
#include "sudoku/sudoku.h"

void Mywin::new_game() {
    const std::optional<SizeChoice> choice = size_select();
    if (!choice) {
        return;
    }
    const sudoku::BoxSize size = choice->size;
    const sudoku::Sudoku puzzle =
        sudoku::Sudoku(size.first, size.second).difficulty(choice->difficulty, choice->level);
    // The givens are a copy of the puzzle as made: no move on the board reaches them.
    play = sudoku::Play(sudoku::Game(puzzle.board, puzzle.board, size, choice->difficulty), {}, {},
                        choice->level == sudoku::Level::any ? sudoku::Level::any : puzzle.level(),
                        puzzle.solution());
    if (choice->level != sudoku::Level::any && puzzle.level() != choice->level) {
        notice = sudoku::texts::level_fallback(
            puzzle.level(), choice->level, static_cast<int>(std::lround(choice->difficulty * 100)));
    }
    run_game();
}
