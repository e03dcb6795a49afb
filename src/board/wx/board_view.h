// The board as low-vision and sighted players see it: a wxGrid whose squares
// are drawn large and square, boxes outlined, givens bold, rule-breaking
// numbers underlined, and the cursor filled, framed and crossed by a light
// shade of its row, column and box. Colours come from the desktop theme.
// Everything drawn comes from the game in play: the grid holds no numbers, and
// its cursor only follows the play's.
#pragma once

#include <wx/string.h>

#include "sudoku/geometry.h"

class wxGrid;
namespace sudoku {
class Game;
class Play;
}  // namespace sudoku

// Draws `grid` as `play`'s board from now on, at zoom step `zoom`. `play`
// must outlive the grid.
void dress_board(wxGrid& grid, const sudoku::Play& play, int zoom);

// What a square shows: its number in decimal, or nothing.
wxString number_text(const sudoku::Game& game, sudoku::Square square);

// Sizes the squares for zoom step `zoom` and keeps the cursor in view; returns
// the step in effect (steps beyond the limits change nothing).
int zoom_board(wxGrid& grid, int zoom);
