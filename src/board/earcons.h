// The short sounds that stand in for words: which one a square, a refusal,
// the edge of the board, a finished row and the win each get. The play
// session puts them in its answers; the front end plays them (src/sound).
#pragma once

#include "board/game.h"

namespace sudoku {

enum class Earcon { empty, given, own_number, notes, refused, edge, unit_done, win };
inline constexpr int earcon_count = 8;

// What the cursor meets on the square: empty, notes, a given or the player's number.
Earcon square_earcon(const Game& game, Square square);

// True when the square's row, column or box is full and keeps the rule: the
// number just placed there finished it.
bool finishes_unit(const Game& game, Square square);

}  // namespace sudoku
