// The board as low-vision and sighted players see it: a wxGrid whose squares
// are drawn large and square, boxes outlined, givens bold, rule-breaking
// numbers underlined, and the cursor filled, framed and crossed by a light
// shade of its row, column and box. Colours come from the desktop theme. What
// the grid holds and what a screen reader reads of it stay the grid's own.
#pragma once

class wxGrid;
namespace sudoku {
class Game;
}

// Draws `grid` as `game`'s board from now on, at zoom step `zoom`.
void dress_board(wxGrid& grid, const sudoku::Game& game, int zoom);

// Sizes the squares for zoom step `zoom` and keeps the cursor in view; returns
// the step in effect (steps beyond the limits change nothing).
int zoom_board(wxGrid& grid, int zoom);
