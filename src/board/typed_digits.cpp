#include "board/typed_digits.h"

namespace sudoku {

TypedDigits::Step TypedDigits::digit(int digit) {
    if (digit < 0 || digit > 9 || (digit == 0 && !typing())) {
        return {};
    }
    number_ = number_ * 10 + digit;
    // Another digit would make a number above the board's largest.
    if (number_ * 10 > largest_) {
        return end();
    }
    return {Kind::pending, number_};
}

TypedDigits::Step TypedDigits::back_space() {
    if (!typing()) {
        return {};
    }
    number_ /= 10;
    return typing() ? Step{Kind::pending, number_} : Step{Kind::dropped, 0};
}

TypedDigits::Step TypedDigits::escape() {
    if (!typing()) {
        return {};
    }
    number_ = 0;
    return {Kind::dropped, 0};
}

TypedDigits::Step TypedDigits::end() {
    if (!typing()) {
        return {};
    }
    const int typed = number_;
    number_ = 0;
    return {Kind::place, typed};
}

}  // namespace sudoku
