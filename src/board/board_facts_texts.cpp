// The words of the whole board's answers and of the player's mistakes.
#include <array>
#include <string>

#include "board/texts.h"

namespace sudoku::texts {
namespace {

std::string number(long long value) {
    return std::to_string(value);
}

// "Row 3": a unit at the start of a sentence.
std::string leading_group_name(sudoku::Group group) {
    static constexpr std::array<const char*, 3> names = {
        for_catalog("Row %1$s"), for_catalog("Column %1$s"), for_catalog("Box %1$s")};
    return tr_fill(names[static_cast<std::size_t>(group.unit)], {number(group.index + 1)});
}

// "3 twice", "7 4 times".
std::string times_left(const sudoku::LeftToPlace& left) {
    const std::string value = number(left.number);
    if (left.left == 1) {
        return tr_fill("%1$s once", {value});
    }
    if (left.left == 2) {
        return tr_fill("%1$s twice", {value});
    }
    return tr_fill("%1$s %2$s times", {value, number(left.left)});
}

}  // namespace

std::string where_is(sudoku::Value number_asked, const sudoku::NumberPlaces& places) {
    const std::string value = number(number_asked);
    if (places.to_place == 0) {
        return tr_fill("Every %1$s is placed.", {value});
    }
    const std::string to_place = number(places.to_place);
    if (places.squares.empty()) {
        return tr_fill("%1$s is not on the board. %2$s to place.", {value, to_place});
    }
    std::vector<std::string> squares;
    for (const sudoku::Square square : places.squares) {
        squares.push_back(position(square));
    }
    return tr_fill("%1$s is at %2$s. %3$s to place.", {value, listed(squares, and_), to_place});
}

std::string beyond_board(sudoku::Value number_asked, int side) {
    return tr_fill("%1$s is outside 1 to %2$s.", {number(number_asked), number(side)});
}

std::string left_to_place(const std::vector<sudoku::LeftToPlace>& left) {
    if (left.empty()) {
        return tr("Nothing left to place.");
    }
    std::string numbers;
    for (const sudoku::LeftToPlace& each : left) {
        if (!numbers.empty()) {
            numbers += ", ";
        }
        numbers += times_left(each);
    }
    return tr_fill("Left to place: %1$s.", {numbers});
}

std::string fullest_units(const sudoku::FullestUnits& fullest) {
    if (fullest.groups.empty()) {
        return empty_count(0);
    }
    std::vector<std::string> names;
    for (const sudoku::Group group : fullest.groups) {
        names.push_back(names.empty() ? leading_group_name(group) : group_name(group));
    }
    const std::string count = number(fullest.empty);
    if (names.size() == 1) {
        return fill(
            tr_plural("%1$s has %2$s empty square.", "%1$s has %2$s empty squares.", fullest.empty),
            {names.front(), count});
    }
    return fill(tr_plural("%1$s have %2$s empty square each.", "%1$s have %2$s empty squares each.",
                          fullest.empty),
                {listed(names, and_), count});
}

std::string mistakes(long long wrong) {
    if (wrong == 0) {
        return tr("No mistakes so far.");
    }
    return fill(
        tr_plural("%1$s of your numbers is wrong.", "%1$s of your numbers are wrong.", wrong),
        {number(wrong)});
}

std::string back_to_right_board(long long undone) {
    return fill(tr_plural("Back to the last right board: %1$s change undone.",
                          "Back to the last right board: %1$s changes undone.", undone),
                {number(undone)});
}

std::string back_to_mark(long long steps) {
    if (steps < 0) {
        return fill(tr_plural("Back to the mark: %1$s change redone.",
                              "Back to the mark: %1$s changes redone.", -steps),
                    {number(-steps)});
    }
    return fill(tr_plural("Back to the mark: %1$s change undone.",
                          "Back to the mark: %1$s changes undone.", steps),
                {number(steps)});
}

}  // namespace sudoku::texts
