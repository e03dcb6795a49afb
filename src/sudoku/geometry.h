// Where the squares of a board lie: its side, its boxes, its rows, columns and
// boxes. The one place that knows the box arithmetic, for the engine, the
// solver, the rule, the reading answers, notes, hints and the drawn board.
//
// A board of boxes d1 columns wide (first) and d2 rows tall (second) has
// N = d1 * d2 columns and rows; d2 boxes stand side by side and d1 one above
// another. Boxes are numbered row by row from the top left, from 0.
#pragma once

#include <array>
#include <vector>

#include "sudoku/board.h"

namespace sudoku {

// The widest and tallest a box may be: 9 x 9 boxes make the 81x81 board, the
// largest whose numbers the game can show and type.
constexpr int largest_box_side = 9;
// The smallest board a player is offered, or can type in: 2 x 2 boxes, 4x4.
constexpr int smallest_box_side = 2;
constexpr int largest_board_side = largest_box_side * largest_box_side;

constexpr bool is_box_side(int side) {
    return side >= 1 && side <= largest_box_side;
}
// `side`; throws std::invalid_argument when it is no box side.
int checked_box_side(int side);

// A square: x the column, y the row, both from 0.
struct Square {
    int x = 0;
    int y = 0;
    bool operator==(const Square&) const = default;
};

enum class Unit { row, column, box };

// A row, column or box, counted from 0: rows from the top, columns from the
// left, boxes row by row from the top left.
struct Group {
    Unit unit = Unit::row;
    int index = 0;
    bool operator==(const Group&) const = default;
};

class Geometry {
  public:
    explicit Geometry(BoxSize size) : size_(size), n_(size.first * size.second) {}

    BoxSize size() const { return size_; }
    int n() const { return n_; }
    int box_width() const { return size_.first; }
    int box_height() const { return size_.second; }

    bool contains(Square square) const {
        return square.x >= 0 && square.y >= 0 && square.x < n_ && square.y < n_;
    }
    // The box the square lies in; 0 on a board without boxes.
    int box_of(Square square) const {
        return n_ == 0 ? 0 : (square.y / size_.second) * size_.second + square.x / size_.first;
    }
    // The box's top left square.
    Square box_origin(int box) const {
        return n_ == 0 ? Square{}
                       : Square{(box % size_.second) * size_.first,
                                (box / size_.second) * size_.second};
    }
    bool same_box(Square a, Square b) const { return box_of(a) == box_of(b); }

    // The square's row, column or box.
    Group group_of(Unit unit, Square square) const;
    // The square's row, column and box, in that order.
    std::array<Group, 3> groups_of(Square square) const;
    // The group's squares in reading order, row by row.
    std::vector<Square> squares_of(Group group) const;
    // The i-th of those, without making them all.
    Square square_in(Group group, int i) const;
    // Every group: the rows, then the columns, then the boxes.
    std::vector<Group> groups() const;

    // Units numbered as groups() lists them, from 0: row y is y, column x is
    // N + x, box b is 2N + b. The solver, the techniques and the generator
    // keep per-unit tables indexed so.
    int unit_number(Group group) const { return static_cast<int>(group.unit) * n_ + group.index; }
    Group unit_group(int number) const { return {static_cast<Unit>(number / n_), number % n_}; }
    // The numbers of the square's row, column and box, in that order.
    std::array<int, 3> unit_numbers(Square square) const {
        return {square.y, n_ + square.x, 2 * n_ + box_of(square)};
    }

    // Calls visit with each other square of the square's column, row and box, once.
    template <class Visit>
    void for_each_peer(Square square, Visit visit) const {
        for (int i = 0; i < n_; ++i) {
            if (i != square.y) {
                visit(Square{square.x, i});
            }
            if (i != square.x) {
                visit(Square{i, square.y});
            }
        }
        // The box's squares outside the square's own column and row.
        const Square origin = box_origin(box_of(square));
        for (int x = origin.x; x < origin.x + box_width() && n_ > 0; ++x) {
            for (int y = origin.y; y < origin.y + box_height(); ++y) {
                if (x != square.x && y != square.y) {
                    visit(Square{x, y});
                }
            }
        }
    }

  private:
    BoxSize size_;
    int n_;
};

}  // namespace sudoku
