#include "board/texts.h"

#include <array>

namespace texts {

std::string size_item(int box) {
    return std::to_string(box) + "x" + std::to_string(box);
}

std::string difficulty_item(int percent) {
    return std::to_string(percent) + " percent empty";
}

std::string_view digit_name(int digit) {
    static constexpr std::array<std::string_view, 9> names = {
        "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};
    return (digit >= 1 && digit <= 9) ? names[static_cast<std::size_t>(digit - 1)] : "";
}

std::string square_announcement(int x, int y, const sudoku::Cell& cell) {
    std::string text = std::to_string(x + 1) + " " + std::to_string(y + 1);
    return cell ? text + ": " + std::to_string(*cell) : text + ": empty.";
}

std::string empty_count(long long count) {
    return "There are " + std::to_string(count) + " empty squares.";
}

std::string replace_question(const std::string& file_name) {
    return file_name + " already exists. Do you want to replace it?";
}

}  // namespace texts
