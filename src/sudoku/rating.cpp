#include "sudoku/rating.h"

#include "sudoku/ladder.h"
#include "sudoku/solver.h"
#include "sudoku/sudoku.h"

namespace sudoku {

Level rate(const Board& puzzle, BoxSize size) {
    if (size.first < 1 || size.first > largest_box_side || size.second < 1 || size.second > largest_box_side ||
        !Sudoku(size.first, size.second, puzzle).validate()) {
        return Level::any;
    }
    const Climb result =
        climb(hints::Layout(size), puzzle, Solver(size.first, size.second).candidates(puzzle), {});
    return result.solved ? result.hardest : Level::any;
}

}  // namespace sudoku
