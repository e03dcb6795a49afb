// How hard a puzzle is: the easiest rung of the technique ladder that solves
// it by logic alone, the same ladder the hint climbs.
#pragma once

#include "sudoku/board.h"

namespace sudoku {

// Each level adds techniques to the one before: easy has the naked and
// hidden singles, the others the rows of theirs in the ladder (ladder.cpp).
// `any` is below easy for a choice (any puzzle will do) and above expert
// for a rating (no level finishes it).
enum class Level { any, easy, medium, hard, expert };

// The lowest level whose techniques fill the whole board; Level::any when
// none does: the puzzle needs guessing, has several solutions or none, or is
// not a board of that size.
Level rate(const Board& puzzle, BoxSize size);

}  // namespace sudoku
