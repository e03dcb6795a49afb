// One climb of the technique ladder over a puzzle, for the rating and the
// generator: every single on the board at once, and when none is left the
// easiest elimination, until the board is full or nothing up to the level
// asked for helps.
#pragma once

#include <cstdint>

#include "lifecycle/hint_techniques.h"

namespace sudoku {

struct Climb {
    bool solved = false;
    Level hardest = Level::easy;  // the hardest technique the climb needed
    // Work done, in steps of about one candidate set looked at, so that a
    // budget of it stands for time on any machine alike.
    std::uint64_t work = 0;
};

// `candidates` are the board's, as Solver::candidates gives them.
Climb climb(const hints::Layout& layout, const Board& board, CandidateBoard candidates, Level most);

}  // namespace sudoku
