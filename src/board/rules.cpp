#include "board/rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

#include "lifecycle/sudoku.h"

namespace sudoku {

bool is_given(const Board& original, int x, int y) {
    return original.at(static_cast<std::size_t>(x)).at(static_cast<std::size_t>(y)).has_value();
}

Verdict judge_candidate(const Board& board, const Board& original, BoxSize size, int x, int y,
                        Value f) {
    if (is_given(original, x, y)) {
        return Verdict::given;
    }
    Sudoku trial(size.first, size.second, board);
    trial.board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = f;
    return trial.validate() ? Verdict::accepted : Verdict::breaks_rule;
}

long long count_empty(const Board& board) {
    long long count = 0;
    for (const Column& column : board) {
        count += std::count(column.begin(), column.end(), std::nullopt);
    }
    return count;
}

bool is_complete(const Board& board, BoxSize size) noexcept {
    try {
        Sudoku check(size.first, size.second);
        check.board = board;
        if (!check.validate()) {
            return false;
        }
    } catch (...) {
        return false;
    }
    return count_empty(board) == 0;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

TypedNumber read_typed_number(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) {
        return {TypedNumber::Kind::nothing};
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return {TypedNumber::Kind::not_a_number};
    }
    Value value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too many digits for a square: far below zero is still below one.
        return {negative ? TypedNumber::Kind::below_one : TypedNumber::Kind::too_large};
    }
    if (negative) {
        value = -value;
    }
    if (value < 1) {
        return {TypedNumber::Kind::below_one, value};
    }
    return {TypedNumber::Kind::number, value};
}

}  // namespace sudoku
