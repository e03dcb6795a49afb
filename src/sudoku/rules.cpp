#include "sudoku/rules.h"

#include <algorithm>
#include <bitset>
#include <cctype>
#include <charconv>

namespace sudoku {

namespace {

constexpr auto largest_side = static_cast<std::size_t>(largest_board_side);

const Cell& cell_at(const Board& board, Square square) {
    return board[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
}

}  // namespace

bool keeps_rule(const Board& board, BoxSize size) {
    const Geometry geometry(size);
    const auto n = static_cast<std::size_t>(geometry.n());
    if (!is_box_side(size.first) || !is_box_side(size.second) || board.size() != n) {
        return false;
    }
    // The numbers seen so far in each row and box; a column is seen in one pass.
    std::vector<std::bitset<largest_side>> rows(n);
    std::vector<std::bitset<largest_side>> boxes(n);
    for (std::size_t x = 0; x < n; ++x) {
        if (board[x].size() != n) {
            return false;
        }
        std::bitset<largest_side> column;
        for (std::size_t y = 0; y < n; ++y) {
            const Cell& cell = board[x][y];
            if (!cell) {
                continue;
            }
            if (*cell < 1 || *cell > static_cast<Value>(n)) {
                return false;
            }
            const auto bit = static_cast<std::size_t>(*cell - 1);
            auto& box = boxes[static_cast<std::size_t>(
                geometry.box_of({static_cast<int>(x), static_cast<int>(y)}))];
            if (column[bit] || rows[y][bit] || box[bit]) {
                return false;
            }
            column.set(bit);
            rows[y].set(bit);
            box.set(bit);
        }
    }
    return true;
}

bool breaks_rule_at(const Board& board, const Geometry& geometry, Square square) {
    const Cell& value = cell_at(board, square);
    if (!value) {
        return false;
    }
    if (*value < 1 || *value > geometry.n()) {
        return true;
    }
    bool repeated = false;
    geometry.for_each_peer(
        square, [&](Square peer) { repeated = repeated || cell_at(board, peer) == value; });
    return repeated;
}

bool is_given(const Board& original, int x, int y) {
    return original.at(static_cast<std::size_t>(x)).at(static_cast<std::size_t>(y)).has_value();
}

Verdict judge_candidate(const Board& board, const Board& original, BoxSize size, int x, int y,
                        Value f) {
    if (is_given(original, x, y)) {
        return Verdict::given;
    }
    Board trial = board;
    trial[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = f;
    return keeps_rule(trial, size) ? Verdict::accepted : Verdict::breaks_rule;
}

long long count_empty(const Board& board) {
    long long count = 0;
    for (const Column& column : board) {
        count += std::count(column.begin(), column.end(), std::nullopt);
    }
    return count;
}

bool is_complete(const Board& board, BoxSize size) noexcept {
    return keeps_rule(board, size) && count_empty(board) == 0;
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
