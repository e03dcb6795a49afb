#include "board/texts.h"

#include <array>

namespace texts {

namespace {

std::string_view unit_name(sudoku::Unit unit) {
    switch (unit) {
        case sudoku::Unit::row:
            return "row";
        case sudoku::Unit::column:
            return "column";
        case sudoku::Unit::box:
            return "box";
    }
    return "";
}

// "Row 3", for the start of a sentence.
std::string capital_group_name(sudoku::Group group) {
    std::string name = group_name(group);
    name.front() = static_cast<char>(name.front() - 'a' + 'A');
    return name;
}

// Adds `part` to `text`, after `separator` unless `text` is still empty.
void append(std::string& text, std::string_view separator, const std::string& part) {
    if (!text.empty()) {
        text += separator;
    }
    text += part;
}

// "2, 6, 9." or "nothing."
std::string list(const std::vector<sudoku::Value>& values) {
    std::string text;
    for (const sudoku::Value value : values) {
        append(text, ", ", std::to_string(value));
    }
    return (text.empty() ? "nothing" : text) + ".";
}

// "7 twice in row 2, at 2 2 and 8 2."
std::string clash(const sudoku::Clash& clash) {
    return std::to_string(clash.value) + " twice in " + group_name(clash.group) + ", at " +
           position(clash.first) + " and " + position(clash.second) + ".";
}

// "12 at 2 1 is outside 1 to 9."
std::string outside(sudoku::Value value, sudoku::Square square, int side) {
    return std::to_string(value) + " at " + position(square) + " is outside 1 to " +
           std::to_string(side) + ".";
}

}  // namespace

std::string position(sudoku::Square square) {
    return std::to_string(square.x + 1) + " " + std::to_string(square.y + 1);
}

std::string group_name(sudoku::Group group) {
    return std::string(unit_name(group.unit)) + " " + std::to_string(group.index + 1);
}

std::string size_item(int box) {
    return std::to_string(box) + "x" + std::to_string(box);
}

std::string_view level_name(sudoku::Level level) {
    constexpr std::string_view names[] = {"any level", "easy", "medium", "hard", "expert"};
    return names[static_cast<int>(level)];
}

std::string_view level_item(sudoku::Level level) {
    constexpr std::string_view items[] = {"Any level", "Easy", "Medium", "Hard", "Expert"};
    return items[static_cast<int>(level)];
}

std::string level_said(sudoku::Level level) {
    return level == sudoku::Level::any ? std::string("This puzzle needs guessing.")
                                       : "This puzzle is " + std::string(level_name(level)) + ".";
}

std::string level_fallback(sudoku::Level made, sudoku::Level asked, int percent) {
    std::string text = level_said(made);
    text.back() = ':';
    return text + " no " + std::string(level_name(asked)) + " puzzle was found with " +
           difficulty_item(percent) + ".";
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
    const std::string text = position({x, y});
    return cell ? text + ": " + std::to_string(*cell) : text + ": empty.";
}

namespace {

// "1 hour", "5 minutes": a count and its unit, singular for one.
std::string amount(long long count, std::string_view unit) {
    return std::to_string(count) + " " + std::string(unit) + (count == 1 ? "" : "s");
}

}  // namespace

std::string played(long long seconds) {
    const long long hours = seconds / 3600;
    const long long minutes = seconds % 3600 / 60;
    const long long rest = seconds % 60;
    std::string text;
    if (hours > 0) {
        text = amount(hours, "hour");
        if (minutes > 0) {
            text.append(" ").append(amount(minutes, "minute"));
        }
    } else if (minutes > 0) {
        text = amount(minutes, "minute");
        if (rest > 0) {
            text.append(" ").append(amount(rest, "second"));
        }
    } else {
        text = amount(rest, "second");
    }
    return "Playing for " + text + ".";
}

std::string empty_count(long long count) {
    return "There are " + std::to_string(count) + " empty squares.";
}

Feedback say(const sudoku::Move& move) {
    using sudoku::MoveKind;
    using sudoku::Outcome;
    const auto spoken = [](std::string_view text) { return Feedback{std::string(text), {}}; };
    switch (move.outcome) {
        case Outcome::placed:
            // A digit by its name, as the keys always said it; a typed number in
            // numerals, since names of large numbers are slow to hear.
            return move.kind == MoveKind::digit ? spoken(digit_name(static_cast<int>(move.value)))
                                                : spoken(std::to_string(move.value));
        case Outcome::given:
            // Each command kept its own wording for a given.
            switch (move.kind) {
                case MoveKind::digit:
                case MoveKind::typed_number:
                    return spoken(given_refused);
                case MoveKind::clear:
                    return spoken(delete_given_refused);
                case MoveKind::note:  // notes answer not_empty on a given
                case MoveKind::fill_notes:
                case MoveKind::undo:
                case MoveKind::redo:
                    break;
            }
            break;
        case Outcome::breaks_rule:
            return spoken(invalid_number);
        case Outcome::nothing_typed:
            return {};
        case Outcome::not_a_number:
            return spoken(not_whole_number);
        case Outcome::below_one:
            return {std::string(not_positive), wow};
        case Outcome::too_large:
            return {std::string(too_large), wow};
        case Outcome::cleared:
            return spoken(cleared);
        case Outcome::notes_cleared:
            return spoken(notes_cleared);
        case Outcome::nothing_to_clear:
            return spoken(nothing_to_clear);
        case Outcome::note_added:
            return spoken("Note " + std::to_string(move.value) + " added.");
        case Outcome::note_removed:
            return spoken("Note " + std::to_string(move.value) + " removed.");
        case Outcome::not_empty:
            return spoken(notes_for_empty);
        case Outcome::notes_filled:
            return spoken(notes_filled);
        case Outcome::undone:
            return spoken(undone);
        case Outcome::redone:
            return spoken(redone);
        case Outcome::nothing_to_undo:
            return spoken(nothing_to_undo);
        case Outcome::nothing_to_redo:
            return spoken(nothing_to_redo);
    }
    return {};
}

std::string reading(sudoku::Group group, const std::vector<sudoku::Cell>& cells) {
    std::string squares;
    for (const sudoku::Cell& cell : cells) {
        append(squares, ", ", cell ? std::to_string(*cell) : "empty");
    }
    return capital_group_name(group) + ": " + squares + ".";
}

std::string missing(const std::array<sudoku::Missing, 3>& missing) {
    std::string text;
    for (const sudoku::Missing& group : missing) {
        append(text, " ", capital_group_name(group.group) + " needs " + list(group.values));
    }
    return text;
}

std::string options(sudoku::Square square, const sudoku::Options& options) {
    if (options.given) {
        return position(square) + " is given.";
    }
    return position(square) + " can take " + list(options.values);
}

std::string clashes(const sudoku::RuleBreaks& breaks) {
    std::vector<std::string> found;
    for (const sudoku::Clash& each : breaks.clashes) {
        found.push_back(clash(each));
    }
    for (const sudoku::Outside& each : breaks.outside) {
        found.push_back(outside(each.value, each.square, breaks.side));
    }
    if (found.empty()) {
        return std::string(no_clashes);
    }
    // Three are as many as an ear keeps; the rest are counted.
    constexpr std::size_t told = 3;
    std::string text;
    for (std::size_t i = 0; i < found.size() && i < told; ++i) {
        append(text, " ", found[i]);
    }
    if (found.size() > told) {
        text += " And " + std::to_string(found.size() - told) + " more.";
    }
    return text;
}

std::string explanation(const sudoku::Explanation& explanation) {
    using Kind = sudoku::Explanation::Kind;
    switch (explanation.kind) {
        case Kind::digit_too_large:
            return std::to_string(explanation.clash.value) + " is outside 1 to " +
                   std::to_string(explanation.side) + ".";
        case Kind::already_there:
            return std::to_string(explanation.clash.value) + " is already at " +
                   position(explanation.clash.first) + ", in the same " +
                   std::string(unit_name(explanation.clash.group.unit)) + ".";
        case Kind::board_breaks_rule:
            return clash(explanation.clash);
        case Kind::outside_range:
            return outside(explanation.clash.value, explanation.clash.first, explanation.side);
        case Kind::nothing:
            break;
    }
    return std::string(nothing_to_explain);
}

std::string no_such_square(std::string_view typed) {
    return "There is no square " + std::string(typed) + ".";
}

Feedback say(const sudoku::Move& move, const sudoku::Game& game) {
    Feedback feedback = say(move);
    const bool back = move.outcome == sudoku::Outcome::undone;
    if (back || move.outcome == sudoku::Outcome::redone) {
        // Ctrl+N changed the whole board, not a square.
        feedback.text.append(" ").append(move.changed_by != sudoku::MoveKind::fill_notes
                                             ? announce(game, move.square)
                                         : back ? std::string(notes_as_they_were)
                                                : std::string(notes_filled));
    }
    return feedback;
}

std::string announce(const sudoku::Game& game, sudoku::Square square) {
    std::string text = square_announcement(square.x, square.y, game.at(square));
    const sudoku::Candidates& notes = game.notes_at(square);
    if (notes.none()) {
        return text;
    }
    text += " Notes";
    const char* separator = " ";
    for (std::size_t k = 0; k < notes.size(); ++k) {
        if (notes.test(k)) {
            text += separator + std::to_string(k + 1);
            separator = ", ";
        }
    }
    return text + ".";
}

std::string replace_question(const std::string& file_name) {
    return file_name + " already exists. Do you want to replace it?";
}

}  // namespace texts
