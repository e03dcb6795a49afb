#include "sudoku/geometry.h"

#include <stdexcept>

namespace sudoku {

int checked_box_side(int side) {
    if (!is_box_side(side)) {
        throw std::invalid_argument("a box side must be from 1 to 9");
    }
    return side;
}

Group Geometry::group_of(Unit unit, Square square) const {
    switch (unit) {
        case Unit::row:
            return {unit, square.y};
        case Unit::column:
            return {unit, square.x};
        case Unit::box:
            break;
    }
    return {Unit::box, box_of(square)};
}

std::array<Group, 3> Geometry::groups_of(Square square) const {
    return {group_of(Unit::row, square), group_of(Unit::column, square),
            group_of(Unit::box, square)};
}

Square Geometry::square_in(Group group, int i) const {
    switch (group.unit) {
        case Unit::row:
            return {i, group.index};
        case Unit::column:
            return {group.index, i};
        case Unit::box:
            break;
    }
    const Square origin = box_origin(group.index);
    return {origin.x + i % box_width(), origin.y + i / box_width()};
}

std::vector<Square> Geometry::squares_of(Group group) const {
    std::vector<Square> squares;
    squares.reserve(static_cast<std::size_t>(n_));
    for (int i = 0; i < n_; ++i) {
        squares.push_back(square_in(group, i));
    }
    return squares;
}

std::vector<Group> Geometry::groups() const {
    std::vector<Group> all;
    all.reserve(static_cast<std::size_t>(3 * n_));
    for (const Unit unit : {Unit::row, Unit::column, Unit::box}) {
        for (int index = 0; index < n_; ++index) {
            all.push_back({unit, index});
        }
    }
    return all;
}

}  // namespace sudoku
