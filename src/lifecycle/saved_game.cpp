#include "lifecycle/saved_game.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include <nlohmann/json.hpp>

#include "sudoku/geometry.h"
#include "sudoku/rules.h"

namespace sudoku {

namespace {

using nlohmann::json;

// A saved game needs three levels of nesting; the slack lets unknown extra members
// carry some structure, while a file of endless brackets is refused before the parser
// builds a tree of them.
constexpr int max_nesting = 64;

// A hundred years of play: more is not a number the game wrote.
constexpr std::uint64_t max_elapsed_seconds = 100ULL * 366 * 24 * 3600;

void append_integer(std::string& out, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    out.append(digits, result.ptr);
}

// Shortest text that reads back as the same double, always with a '.' or an exponent
// so that readers keep it a fraction: 1.0 is written "1.0", not "1".
void append_difficulty(std::string& out, double value) {
    if (!std::isfinite(value)) {
        throw std::domain_error("a saved game's difficulty must be a finite number");
    }
    char digits[32];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    const std::string_view text(digits, static_cast<std::size_t>(result.ptr - digits));
    out += text;
    if (text.find_first_of(".e") == std::string_view::npos) {
        out += ".0";
    }
}

void append_board(std::string& out, const Board& board) {
    out += '[';
    for (std::size_t x = 0; x < board.size(); ++x) {
        if (x > 0) {
            out += ", ";
        }
        out += '[';
        for (std::size_t y = 0; y < board[x].size(); ++y) {
            if (y > 0) {
                out += ", ";
            }
            if (board[x][y]) {
                append_integer(out, *board[x][y]);
            } else {
                out += "null";
            }
        }
        out += ']';
    }
    out += ']';
}

// Valid JSON can only nest brackets outside strings, so counting them there is exact
// for any text the parser would accept; broken text is refused by the parser anyway.
bool nesting_within_limit(std::string_view text) {
    int depth = 0;
    bool in_string = false;
    bool escaped = false;
    for (const char c : text) {
        if (in_string) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                in_string = false;
            }
        } else if (c == '"') {
            in_string = true;
        } else if (c == '[' || c == '{') {
            if (++depth > max_nesting) {
                return false;
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return true;
}

// A whole number from `low` to `high`, or nothing. The parser keeps every integer
// that is not negative as unsigned; a signed one is negative and so out of range.
std::optional<std::uint64_t> read_in_range(const json& value, std::uint64_t low,
                                           std::uint64_t high) {
    if (!value.is_number_unsigned()) {
        return std::nullopt;
    }
    const auto number = value.get<std::uint64_t>();
    if (number < low || number > high) {
        return std::nullopt;
    }
    return number;
}

std::optional<int> read_box_dimension(const json& value) {
    const auto dimension = read_in_range(value, 1, largest_box_side);
    return dimension ? std::optional<int>(static_cast<int>(*dimension)) : std::nullopt;
}

std::optional<Cell> read_cell(const json& value) {
    if (value.is_null()) {
        return Cell{};
    }
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(std::numeric_limits<Value>::max())) {
            return std::nullopt;
        }
        return Cell{static_cast<Value>(number)};
    }
    if (value.is_number_integer()) {
        return Cell{value.get<Value>()};
    }
    return std::nullopt;
}

std::optional<Board> read_board(const json& value, std::size_t n) {
    if (!value.is_array() || value.size() != n) {
        return std::nullopt;
    }
    Board board;
    board.reserve(n);
    for (const json& column_value : value) {
        if (!column_value.is_array() || column_value.size() != n) {
            return std::nullopt;
        }
        Column column;
        column.reserve(n);
        for (const json& cell_value : column_value) {
            auto cell = read_cell(cell_value);
            if (!cell) {
                return std::nullopt;
            }
            column.push_back(*cell);
        }
        board.push_back(std::move(column));
    }
    return board;
}

// A given the board lacks or changes would be a square that reads one number and
// refuses every key: such a game could never be won.
bool board_keeps_givens(const Board& board, const Board& original) {
    for (std::size_t x = 0; x < original.size(); ++x) {
        for (std::size_t y = 0; y < original[x].size(); ++y) {
            if (original[x][y] && board[x][y] != original[x][y]) {
                return false;
            }
        }
    }
    return true;
}

void append_notes(std::string& out, const CandidateBoard& notes) {
    const char* separator = "";
    for (std::size_t x = 0; x < notes.size(); ++x) {
        for (std::size_t y = 0; y < notes[x].size(); ++y) {
            const Candidates& set = notes[x][y];
            if (set.none()) {
                continue;
            }
            out += separator;
            separator = ", ";
            out += '[';
            append_integer(out, static_cast<std::int64_t>(x));
            out += ", ";
            append_integer(out, static_cast<std::int64_t>(y));
            out += ", [";
            const char* comma = "";
            for (std::size_t k = 0; k < set.size(); ++k) {
                if (set.test(k)) {
                    out += comma;
                    comma = ", ";
                    append_integer(out, static_cast<std::int64_t>(k + 1));
                }
            }
            out += "]]";
        }
    }
}

bool has_notes(const CandidateBoard& notes) {
    for (const auto& column : notes) {
        for (const Candidates& set : column) {
            if (set.any()) {
                return true;
            }
        }
    }
    return false;
}

// Each entry [x, y, [numbers]] names an empty square once, its numbers from 1
// to N ascending: anything else is not a file the game wrote.
std::optional<CandidateBoard> read_notes(const json& value, const Board& board) {
    const std::size_t n = board.size();
    if (!value.is_array()) {
        return std::nullopt;
    }
    CandidateBoard notes(n, std::vector<Candidates>(n));
    for (const json& entry : value) {
        if (!entry.is_array() || entry.size() != 3 || !entry[2].is_array() || entry[2].empty()) {
            return std::nullopt;
        }
        const auto x = read_in_range(entry[0], 0, n - 1);
        const auto y = read_in_range(entry[1], 0, n - 1);
        if (!x || !y || board[*x][*y] || notes[*x][*y].any()) {
            return std::nullopt;
        }
        std::uint64_t previous = 0;
        for (const json& number_value : entry[2]) {
            const auto number = read_in_range(number_value, previous + 1, n);
            if (!number) {
                return std::nullopt;
            }
            notes[*x][*y].set(*number - 1);
            previous = *number;
        }
    }
    return notes;
}

const json* member(const json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

// The file's own words for the levels, whatever language the game speaks.
constexpr std::string_view level_names[] = {"any", "easy", "medium", "hard", "expert"};

void append_later_members(std::string& out, const SavedGame& game) {
    if (game.elapsed > 0) {
        out += ", \"elapsed\": ";
        append_integer(out, static_cast<std::int64_t>(game.elapsed));
    }
    if (game.level != Level::any) {
        out.append(", \"level\": \"").append(level_names[static_cast<int>(game.level)]) += '"';
    }
    if (game.cursor) {
        out += ", \"cursor\": [";
        append_integer(out, game.cursor->x);
        out += ", ";
        append_integer(out, game.cursor->y);
        out += ']';
    }
    if (game.solution) {
        out += ", \"solution\": ";
        append_board(out, *game.solution);
    }
    if (game.daily) {
        out.append(", \"daily\": \"").append(day_key(*game.daily)) += '"';
    }
}

// "elapsed", "level", "cursor", "solution" and "daily", each optional; false when one is
// there but not as the game writes it.
bool read_later_members(const json& root, SavedGame& game) {
    if (const json* elapsed = member(root, "elapsed")) {
        const auto seconds = read_in_range(*elapsed, 0, max_elapsed_seconds);
        if (!seconds) {
            return false;
        }
        game.elapsed = *seconds;
    }
    if (const json* level = member(root, "level")) {
        const auto* text = level->get_ptr<const json::string_t*>();
        const auto* found =
            text == nullptr ? std::end(level_names)
                            : std::find(std::begin(level_names) + 1, std::end(level_names), *text);
        if (found == std::end(level_names)) {
            return false;
        }
        game.level = static_cast<Level>(found - std::begin(level_names));
    }
    if (const json* cursor = member(root, "cursor")) {
        const std::uint64_t last = game.board.size() - 1;
        if (!cursor->is_array() || cursor->size() != 2) {
            return false;
        }
        const auto x = read_in_range((*cursor)[0], 0, last);
        const auto y = read_in_range((*cursor)[1], 0, last);
        if (!x || !y) {
            return false;
        }
        game.cursor = Square{static_cast<int>(*x), static_cast<int>(*y)};
    }
    if (const json* solution = member(root, "solution")) {
        auto board = read_board(*solution, game.board.size());
        if (!board || !is_complete(*board, game.size) ||
            !board_keeps_givens(*board, game.original)) {
            return false;
        }
        game.solution = std::move(*board);
    }
    if (const json* daily = member(root, "daily")) {
        const auto* text = daily->get_ptr<const json::string_t*>();
        game.daily = text == nullptr ? std::nullopt : day_of_key(*text);
        if (!game.daily) {
            return false;
        }
    }
    return true;
}

// The four members every saved game has, or nothing.
std::optional<SavedGame> read_first_members(const json& root) {
    const json* board_value = member(root, "board");
    const json* original_value = member(root, "original");
    const json* difficulty_value = member(root, "difficulty");
    const json* size_value = member(root, "size");
    if (!board_value || !original_value || !difficulty_value || !size_value ||
        !size_value->is_array() || size_value->size() != 2 || !difficulty_value->is_number()) {
        return std::nullopt;
    }
    const auto first = read_box_dimension((*size_value)[0]);
    const auto second = read_box_dimension((*size_value)[1]);
    const auto difficulty = difficulty_value->get<double>();
    if (!first || !second || !std::isfinite(difficulty)) {
        return std::nullopt;
    }
    const auto n = static_cast<std::size_t>(*first * *second);
    auto board = read_board(*board_value, n);
    auto original = read_board(*original_value, n);
    if (!board || !original || !board_keeps_givens(*board, *original)) {
        return std::nullopt;
    }
    return SavedGame{std::move(*board), std::move(*original), difficulty, {*first, *second}};
}

}  // namespace

std::string encode_saved_game(const SavedGame& game) {
    std::string out;
    // Most cells are "null" or a digit or two plus ", "; this spares most regrowth.
    const std::size_t cells = game.board.size() * game.board.size();
    out.reserve(64 + 2 * cells * 6);
    out += "{\"board\": ";
    append_board(out, game.board);
    out += ", \"original\": ";
    append_board(out, game.original);
    out += ", \"difficulty\": ";
    append_difficulty(out, game.difficulty);
    out += ", \"size\": [";
    append_integer(out, game.size.first);
    out += ", ";
    append_integer(out, game.size.second);
    out += ']';
    if (has_notes(game.notes)) {
        out += ", \"notes\": [";
        append_notes(out, game.notes);
        out += ']';
    }
    append_later_members(out, game);
    out += '}';
    return out;
}

std::optional<std::string> saved_game_text(const SavedGame& game) {
    std::string text = encode_saved_game(game);
    if (text.size() > max_saved_game_bytes) {
        return std::nullopt;
    }
    return text;
}

std::optional<SavedGame> decode_saved_game(std::string_view text) {
    if (text.size() > max_saved_game_bytes || !nesting_within_limit(text)) {
        return std::nullopt;
    }
    const json root = json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false);
    if (!root.is_object()) {  // Also true for text that failed to parse.
        return std::nullopt;
    }
    std::optional<SavedGame> game = read_first_members(root);
    if (!game) {
        return std::nullopt;
    }
    if (const json* notes_value = member(root, "notes")) {
        auto read = read_notes(*notes_value, game->board);
        if (!read) {
            return std::nullopt;
        }
        game->notes = std::move(*read);
    }
    if (!read_later_members(root, *game)) {
        return std::nullopt;
    }
    return game;
}

}  // namespace sudoku
