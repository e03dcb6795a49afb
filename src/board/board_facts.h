// The whole board at once, as a player who cannot see it asks for it: where
// a number stands, what is left to place, which units are nearly full, and
// the square one box along. Read-only queries; texts.h gives their words.
#pragma once

#include <vector>

#include "board/game.h"

namespace sudoku {

// Where `number` stands, in reading order, and how many more of it the board needs.
struct NumberPlaces {
    std::vector<Square> squares;
    long long to_place = 0;
    bool operator==(const NumberPlaces&) const = default;
};
NumberPlaces where_is(const Game& game, Value number);

// A number and how many of it are still to place.
struct LeftToPlace {
    Value number = 0;
    long long left = 0;
    bool operator==(const LeftToPlace&) const = default;
};
// Every number not yet placed N times, the fewest left first, then by number.
std::vector<LeftToPlace> left_to_place(const Game& game);

// The rows, columns and boxes (in that order) with the fewest empty squares,
// at least one; `empty` is 0 and `groups` empty on a full board.
struct FullestUnits {
    long long empty = 0;
    std::vector<Group> groups;
    bool operator==(const FullestUnits&) const = default;
};
FullestUnits fullest_units(const Game& game);

// The same square of the box `dx` boxes across and `dy` down; the square
// itself when there is no such box.
Square box_step(const Geometry& geometry, Square square, int dx, int dy);

}  // namespace sudoku
