// A new game as the new-game dialog offers it: the rows of its three lists,
// what a row means, and the game made from the rows chosen.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/play.h"
#include "sudoku/board.h"
#include "sudoku/rating.h"

namespace sudoku {

struct NewGameChoice {
    BoxSize size;
    // The share of squares left empty, from 0.1 to 0.9.
    double difficulty = 0.0;
    Level level = Level::any;
};

// The rows of the dialog's lists, in order: box sizes from 2x2 to the
// largest, shares from 10 to 90 percent empty, and the levels from any.
std::vector<std::string> size_rows();
std::vector<std::string> share_rows();
std::vector<std::string> level_rows();

// What the rows under the lists' cursors ask for; nothing while a list has
// no row under its cursor, or a row is out of its list.
std::optional<NewGameChoice> choice_of_rows(int size_row, int share_row, int level_row);

struct NewGame {
    Play play;
    // Said before the first square: the share chosen was moved into the
    // level's range, and to which share; or the level asked could not be
    // made, and which one was. Empty when the puzzle is as chosen.
    std::string notice;
};

// A fresh puzzle as chosen, its givens a copy of the puzzle as made. With a
// level, a share outside the level's range (level_range) becomes the nearest
// one inside.
NewGame make_game(const NewGameChoice& choice);

}  // namespace sudoku
