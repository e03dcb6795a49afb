// A game in play as a saved-game file holds it, and back.
#pragma once

#include "board/play.h"
#include "lifecycle/saved_game.h"

namespace sudoku {

// The game, its time played by `now`, its level and its solution when known;
// the cursor too for the autosave, which brings the board back exactly.
SavedGame saved_game_of(const Play& play, Clock::Time now, bool with_cursor);

// A game to play from a saved one, its cursor where it was left.
Play play_of(SavedGame saved);

}  // namespace sudoku
