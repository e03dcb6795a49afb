// Candidates set by hand for the technique tests: a 9x9 board whose open
// squares start with every number, then lose some.
#pragma once

#include <algorithm>
#include <vector>

#include "board/board_reading.h"
#include "sudoku/solver.h"

namespace sudoku {

// A 9x9 board of open squares that can each still take every number.
inline CandidateBoard all_open() {
    Candidates every;
    for (std::size_t k = 0; k < 9; ++k) {
        every.set(k);
    }
    return CandidateBoard(9, std::vector<Candidates>(9, every));
}

inline void drop(CandidateBoard& candidates, Square square, int number) {
    candidates[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)].reset(
        static_cast<std::size_t>(number - 1));
}

// Drops `number` from every square of row 1 but those in the columns `keep`.
inline void keep_in_row0(CandidateBoard& candidates, int number, std::vector<int> keep) {
    for (int x = 0; x < 9; ++x) {
        if (std::find(keep.begin(), keep.end(), x) == keep.end()) {
            drop(candidates, {x, 0}, number);
        }
    }
}

// Leaves `square` with exactly `numbers`.
inline void only(CandidateBoard& candidates, Square square, const std::vector<int>& numbers) {
    Candidates& set =
        candidates[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
    set.reset();
    for (const int number : numbers) {
        set.set(static_cast<std::size_t>(number - 1));
    }
}

// Drops `number` from every square of `group` but `keep`.
inline void keep_in(CandidateBoard& candidates, int number, Group group,
                    const std::vector<Square>& keep) {
    for (const Square square : Geometry({3, 3}).squares_of(group)) {
        if (std::find(keep.begin(), keep.end(), square) == keep.end()) {
            drop(candidates, square, number);
        }
    }
}

}  // namespace sudoku
