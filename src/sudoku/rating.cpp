#include "sudoku/rating.h"

#include "sudoku/climber.h"
#include "sudoku/solver.h"
#include "sudoku/sudoku.h"

namespace sudoku {

Level rate(const Board& puzzle, BoxSize size) {
    if (!is_box_side(size.first) || !is_box_side(size.second) ||
        !Sudoku(size.first, size.second, puzzle).validate()) {
        return Level::any;
    }
    const Climb result =
        climb(hints::Layout(size), puzzle, Solver(size.first, size.second).candidates(puzzle), {});
    return result.solved ? result.hardest : Level::any;
}

}  // namespace sudoku
