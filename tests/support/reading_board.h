// The board the reading tests listen to, in the core and on screen.
#pragma once

#include "board_rows.h"

namespace sudoku {

// A solved 9x9 grid with five squares open: 5 2, 2 3, 5 3, 9 3 and 9 9.
inline Board nine_to_read() {
    return from_rows({
        {1, 2, 3, 4, 5, 6, 7, 8, 9},
        {4, 5, 6, 7, 0, 9, 1, 2, 3},
        {7, 0, 9, 1, 0, 3, 4, 5, 0},
        {2, 3, 4, 5, 6, 7, 8, 9, 1},
        {5, 6, 7, 8, 9, 1, 2, 3, 4},
        {8, 9, 1, 2, 3, 4, 5, 6, 7},
        {3, 4, 5, 6, 7, 8, 9, 1, 2},
        {6, 7, 8, 9, 1, 2, 3, 4, 5},
        {9, 1, 2, 3, 4, 5, 6, 7, 0},
    });
}

}  // namespace sudoku
