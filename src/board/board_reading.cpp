#include "board/board_reading.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace sudoku {

namespace {

// A number the board can hold: 1 to N. Typed ones may lie outside.
bool on_scale(const Cell& cell, int n) {
    return cell && *cell >= 1 && *cell <= n;
}

// The numbers from 1 to n that none of the cells holds; numbers outside that
// range rule nothing out.
std::vector<Value> absent_from(int n, const std::vector<Cell>& cells) {
    std::vector<bool> held(static_cast<std::size_t>(n) + 1);
    for (const Cell& cell : cells) {
        if (on_scale(cell, n)) {
            held[static_cast<std::size_t>(*cell)] = true;
        }
    }
    std::vector<Value> absent;
    for (Value value = 1; value <= n; ++value) {
        if (!held[static_cast<std::size_t>(value)]) {
            absent.push_back(value);
        }
    }
    return absent;
}

// Where `value` stands in the group, if anywhere but at `except`.
std::optional<Square> where_in(const Game& game, Group group, Value value, Square except) {
    for (const Square square : game.geometry().squares_of(group)) {
        if (square != except && game.at(square) == value) {
            return square;
        }
    }
    return std::nullopt;
}

void add_clashes_in(const Game& game, Group group, std::vector<Clash>& out) {
    // Where each number first stands: 1 to N by the number itself, the few
    // typed numbers outside that range in a short list.
    const int n = game.geometry().n();
    std::vector<std::optional<Square>> first(static_cast<std::size_t>(n) + 1);
    std::vector<std::pair<Value, Square>> outside;
    for (const Square square : game.geometry().squares_of(group)) {
        const Cell& cell = game.at(square);
        if (!cell) {
            continue;
        }
        std::optional<Square> earlier;
        if (on_scale(cell, n)) {
            std::optional<Square>& place = first[static_cast<std::size_t>(*cell)];
            earlier = place;
            place = place.value_or(square);
        } else {
            const auto seen = std::find_if(outside.begin(), outside.end(), [&](const auto& number) {
                return number.first == *cell;
            });
            if (seen == outside.end()) {
                outside.emplace_back(*cell, square);
            } else {
                earlier = seen->second;
            }
        }
        if (earlier) {
            out.push_back({*cell, group, *earlier, square});
        }
    }
}

constexpr std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The typed number, or 0 for anything else.
Value whole_number(std::string_view text) {
    const TypedNumber typed = read_typed_number(text);
    return typed.kind == TypedNumber::Kind::number ? typed.value : 0;
}

// "C" is column 3, "AA" 27, as spreadsheets count; 0 past any board's width.
Value column_of(std::string_view name) {
    constexpr Value beyond = Value{1} << 20;
    Value column = 0;
    for (const char letter : name) {
        const auto at = static_cast<Value>(letters.find(letter) % 26);
        column = column * 26 + at + 1;
        if (column > beyond) {
            return 0;
        }
    }
    return column;
}

}  // namespace

std::vector<Cell> read_group(const Game& game, Group group) {
    std::vector<Cell> cells;
    for (const Square square : game.geometry().squares_of(group)) {
        cells.push_back(game.at(square));
    }
    return cells;
}

std::array<Missing, 3> missing_around(const Game& game, Square square) {
    std::array<Missing, 3> missing;
    const std::array<Group, 3> groups = game.geometry().groups_of(square);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        missing[i] = {groups[i], absent_from(game.geometry().n(), read_group(game, groups[i]))};
    }
    return missing;
}

Options options_for(const Game& game, Square square) {
    if (game.is_given(square)) {
        return {true, {}};
    }
    std::vector<Cell> others;
    for (const Group group : game.geometry().groups_of(square)) {
        for (const Square other : game.geometry().squares_of(group)) {
            if (other != square) {
                others.push_back(game.at(other));
            }
        }
    }
    return {false, absent_from(game.geometry().n(), others)};
}

std::optional<Square> next_empty(const Game& game, Square from, bool forward) {
    const int n = game.geometry().n();
    const int squares = n * n;
    const int start = from.y * n + from.x;
    for (int step = 1; step <= squares; ++step) {
        const int at = ((forward ? start + step : start - step) % squares + squares) % squares;
        const Square square{at % n, at / n};
        if (!game.at(square)) {
            return square;
        }
    }
    return std::nullopt;
}

std::vector<Clash> clashes(const Game& game) {
    const int n = game.geometry().n();
    std::vector<Clash> found;
    for (const Unit unit : {Unit::row, Unit::column, Unit::box}) {
        for (int index = 0; index < n; ++index) {
            add_clashes_in(game, {unit, index}, found);
        }
    }
    return found;
}

std::vector<Outside> outside_range(const Game& game) {
    const int n = game.geometry().n();
    std::vector<Outside> found;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const Cell& cell = game.at({x, y});
            if (cell && !on_scale(cell, n)) {
                found.push_back({*cell, {x, y}});
            }
        }
    }
    return found;
}

RuleBreaks rule_breaks(const Game& game) {
    return {clashes(game), outside_range(game), game.geometry().n()};
}

Explanation explain_refusal(const Game& game, const std::optional<Refusal>& refusal) {
    if (!refusal) {
        return {};
    }
    const int n = game.geometry().n();
    if (refusal->value > n) {
        return {Explanation::Kind::digit_too_large, {refusal->value, {}, {}, {}}, n};
    }
    for (const Group group : game.geometry().groups_of(refusal->square)) {
        if (const auto at = where_in(game, group, refusal->value, refusal->square)) {
            return {Explanation::Kind::already_there,
                    {refusal->value, group, *at, refusal->square}};
        }
    }
    if (const std::vector<Clash> found = clashes(game); !found.empty()) {
        return {Explanation::Kind::board_breaks_rule, found.front()};
    }
    if (const std::vector<Outside> found = outside_range(game); !found.empty()) {
        return {Explanation::Kind::outside_range, {found[0].value, {}, found[0].square, {}}, n};
    }
    return {};
}

TypedSquare read_square(const Game& game, std::string_view text, SquareForm form) {
    text = trimmed(text);
    if (text.empty()) {
        return {};
    }
    const TypedSquare none{TypedSquare::Kind::off_board, {}, std::string(text)};
    // The letters name the column, or the first part the one the form says.
    const std::size_t gap = form == SquareForm::letter_number ? text.find_first_not_of(letters)
                                                              : text.find_first_of(" \t,");
    if (gap == 0 || gap == std::string_view::npos) {
        return none;
    }
    std::string_view rest = text.substr(gap);
    rest.remove_prefix(std::min(rest.find_first_not_of(" \t,"), rest.size()));
    const Value first = form == SquareForm::letter_number ? column_of(text.substr(0, gap))
                                                          : whole_number(text.substr(0, gap));
    const Value second = whole_number(rest);
    if (first < 1 || second < 1) {
        return none;
    }
    const Value column = form == SquareForm::row_column ? second : first;
    const Value row = form == SquareForm::row_column ? first : second;
    const Square square{static_cast<int>(std::min<Value>(column, INT_MAX)) - 1,
                        static_cast<int>(std::min<Value>(row, INT_MAX)) - 1};
    if (!game.contains(square)) {
        return none;
    }
    return {TypedSquare::Kind::on_board, square, {}};
}

}  // namespace sudoku
