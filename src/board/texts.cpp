#include "board/texts.h"

#include <array>

#include "board/settings.h"

namespace sudoku::texts {

namespace {

// Adds `part` to `text`, after `separator` unless `text` is still empty.
void append(std::string& text, std::string_view separator, const std::string& part) {
    if (!text.empty()) {
        text += separator;
    }
    text += part;
}

std::string number(long long value) {
    return std::to_string(value);
}

// "2, 6, 9" or "nothing".
std::string list(const std::vector<sudoku::Value>& values) {
    std::string text;
    for (const sudoku::Value value : values) {
        append(text, ", ", number(value));
    }
    return text.empty() ? tr("nothing") : text;
}

// "7 twice in row 2, at 2 2 and 8 2."
std::string clash(const sudoku::Clash& clash) {
    return tr_fill("%1$s twice in %2$s, at %3$s and %4$s.",
                   {number(clash.value), group_name(clash.group), position(clash.first),
                    position(clash.second)});
}

// "12 at 2 1 is outside 1 to 9."
std::string outside(sudoku::Value value, sudoku::Square square, int side) {
    return tr_fill("%1$s at %2$s is outside 1 to %3$s.",
                   {number(value), position(square), number(side)});
}

// A sentence about a whole group, one pattern per unit so that each language
// names it as it should: "Row 3: %2$s." and the like.
std::string of_group(sudoku::Group group, const std::array<const char*, 3>& patterns,
                     std::string_view rest) {
    return tr_fill(patterns[static_cast<std::size_t>(group.unit)], {number(group.index + 1), rest});
}

}  // namespace

std::string column_letters(int column) {
    std::string letters;
    for (int rest = column; rest > 0; rest = (rest - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
    }
    return letters;
}

std::string position(sudoku::Square square) {
    const std::string column = number(square.x + 1);
    const std::string row = number(square.y + 1);
    switch (sudoku::settings().squares) {
        case sudoku::SquareForm::row_column:
            return row + " " + column;
        case sudoku::SquareForm::letter_number:
            return column_letters(square.x + 1) + row;
        case sudoku::SquareForm::column_row:
            break;
    }
    return column + " " + row;
}

std::string go_to_prompt() {
    static constexpr std::array<const char*, 3> prompts = {
        for_catalog("Go to square: column, then row."),
        for_catalog("Go to square: row, then column."),
        for_catalog("Go to square: column letter, then row number.")};
    return tr(prompts[static_cast<std::size_t>(sudoku::settings().squares)]);
}

std::string group_name(sudoku::Group group) {
    static constexpr std::array<const char*, 3> names = {
        for_catalog("row %1$s"), for_catalog("column %1$s"), for_catalog("box %1$s")};
    return of_group(group, names, "");
}

std::string size_item(int box) {
    return number(box) + "x" + number(box);
}

std::string level_item(sudoku::Level level) {
    static constexpr const char* items[] = {for_catalog("Any level"), for_catalog("Easy"),
                                            for_catalog("Medium"), for_catalog("Hard"),
                                            for_catalog("Expert")};
    return tr(items[static_cast<int>(level)]);
}

std::string level_said(sudoku::Level level) {
    static constexpr const char* said[] = {
        for_catalog("This puzzle needs guessing."), for_catalog("This is an easy puzzle."),
        for_catalog("This is a medium puzzle."), for_catalog("This is a hard puzzle."),
        for_catalog("This is an expert puzzle.")};
    return tr(said[static_cast<int>(level)]);
}

std::string level_fallback(sudoku::Level made, sudoku::Level asked, int percent) {
    static constexpr const char* made_as[] = {
        for_catalog("This puzzle needs guessing: %1$s"), for_catalog("This puzzle is easy: %1$s"),
        for_catalog("This puzzle is medium: %1$s"), for_catalog("This puzzle is hard: %1$s"),
        for_catalog("This puzzle is expert: %1$s")};
    static constexpr const char* not_found[] = {
        "", for_catalog("no easy puzzle was found with %1$s percent empty."),
        for_catalog("no medium puzzle was found with %1$s percent empty."),
        for_catalog("no hard puzzle was found with %1$s percent empty."),
        for_catalog("no expert puzzle was found with %1$s percent empty.")};
    return tr_fill(made_as[static_cast<int>(made)],
                   {tr_fill(not_found[static_cast<int>(asked)], {number(percent)})});
}

std::string level_share_moved(sudoku::Level level, int lowest, int highest, int percent) {
    static constexpr const char* needs[] = {
        "",
        for_catalog("An easy puzzle needs %1$s to %2$s percent empty: this one is %3$s percent "
                    "empty."),
        for_catalog("A medium puzzle needs %1$s to %2$s percent empty: this one is %3$s percent "
                    "empty."),
        for_catalog("A hard puzzle needs %1$s to %2$s percent empty: this one is %3$s percent "
                    "empty."),
        for_catalog("An expert puzzle needs %1$s to %2$s percent empty: this one is %3$s percent "
                    "empty.")};
    return tr_fill(needs[static_cast<int>(level)],
                   {number(lowest), number(highest), number(percent)});
}

std::string difficulty_item(int percent) {
    return tr_fill("%1$s percent empty", {number(percent)});
}

std::string digit_name(int digit) {
    static constexpr std::array<const char*, 9> names = {
        for_catalog("one"),   for_catalog("two"),   for_catalog("three"),
        for_catalog("four"),  for_catalog("five"),  for_catalog("six"),
        for_catalog("seven"), for_catalog("eight"), for_catalog("nine")};
    return (digit >= 1 && digit <= 9) ? tr(names[static_cast<std::size_t>(digit - 1)])
                                      : std::string();
}

std::string square_announcement(int x, int y, const sudoku::Cell& cell, bool with_position) {
    if (!with_position) {
        return cell ? number(*cell) : tr("empty.");
    }
    const std::string at = position({x, y});
    // TRANSLATORS: a square and its number ("3 1: 7"); also a key and what it
    // does in the key help.
    return cell ? tr_fill("%1$s: %2$s", {at, number(*cell)}) : tr_fill("%1$s: empty.", {at});
}

namespace {

// One or two parts: "1 hour 5 minutes", "12 minutes 5 seconds", "40 seconds".
std::vector<std::string> duration_parts(long long seconds) {
    const long long hours = seconds / 3600;
    const long long minutes = seconds % 3600 / 60;
    const long long rest = seconds % 60;
    const auto hours_said = [&] {
        return fill(tr_plural("%1$s hour", "%1$s hours", hours), {number(hours)});
    };
    const auto minutes_said = [&] {
        return fill(tr_plural("%1$s minute", "%1$s minutes", minutes), {number(minutes)});
    };
    const auto seconds_said = [&] {
        return fill(tr_plural("%1$s second", "%1$s seconds", rest), {number(rest)});
    };
    if (hours > 0) {
        return minutes > 0 ? std::vector{hours_said(), minutes_said()} : std::vector{hours_said()};
    }
    if (minutes > 0) {
        return rest > 0 ? std::vector{minutes_said(), seconds_said()} : std::vector{minutes_said()};
    }
    return {seconds_said()};
}

// A level as the statistics and the daily puzzle name it: "medium".
std::string level_word(sudoku::Level level) {
    // TRANSLATORS: levels as the statistics name them, after the board ("9x9
    // medium"), and the daily puzzle's level.
    static constexpr const char* words[] = {for_catalog("any level"), for_catalog("easy"),
                                            for_catalog("medium"), for_catalog("hard"),
                                            for_catalog("expert")};
    return tr(words[static_cast<int>(level)]);
}

// The board and level a statistic is about: "9x9 medium".
std::string size_and_level(int side, sudoku::Level level) {
    return number(side) + "x" + number(side) + " " + level_word(level);
}

}  // namespace

std::string played(long long seconds) {
    const std::vector<std::string> parts = duration_parts(seconds);
    return parts.size() == 2 ? tr_fill("Playing for %1$s %2$s.", {parts[0], parts[1]})
                             : tr_fill("Playing for %1$s.", {parts[0]});
}

std::string duration(long long seconds) {
    std::string text;
    for (const std::string& part : duration_parts(seconds)) {
        append(text, " ", part);
    }
    return text;
}

std::string games_tally(int side, sudoku::Level level, long long won, long long started,
                        std::optional<long long> best, long long average) {
    if (!best) {
        return tr_fill("%1$s: %2$s won of %3$s.",
                       {size_and_level(side, level), number(won), number(started)});
    }
    return tr_fill("%1$s: %2$s won of %3$s, best %4$s, average %5$s.",
                   {size_and_level(side, level), number(won), number(started), duration(*best),
                    duration(average)});
}

std::string daily_streak(long long current, long long longest) {
    return fill(tr_plural("Daily puzzle: %1$s day in a row, longest %2$s.",
                          "Daily puzzle: %1$s days in a row, longest %2$s.", current),
                {number(current), number(longest)});
}

std::string daily_said(int weekday, int day, int month, sudoku::Level level) {
    static constexpr const char* weekdays[] = {for_catalog("Monday"),    for_catalog("Tuesday"),
                                               for_catalog("Wednesday"), for_catalog("Thursday"),
                                               for_catalog("Friday"),    for_catalog("Saturday"),
                                               for_catalog("Sunday")};
    static constexpr const char* months[] = {
        for_catalog("January"), for_catalog("February"), for_catalog("March"),
        for_catalog("April"),   for_catalog("May"),      for_catalog("June"),
        for_catalog("July"),    for_catalog("August"),   for_catalog("September"),
        for_catalog("October"), for_catalog("November"), for_catalog("December")};
    // TRANSLATORS: the weekday, the day of the month, the month and the level.
    return tr_fill("Daily puzzle for %1$s, %2$s %3$s: %4$s.",
                   {tr(weekdays[weekday]), number(day), tr(months[month - 1]), level_word(level)});
}

std::string new_best_time(int side, sudoku::Level level, long long seconds) {
    return tr_fill("New best time for %1$s: %2$s.",
                   {size_and_level(side, level), duration(seconds)});
}

std::string empty_count(long long count) {
    // English says "are" even for one, as the game always has.
    return fill(tr_plural("There are %1$s empty squares.", "There are %1$s empty squares.", count),
                {number(count)});
}

namespace {

// Each command kept its own wording for a given.
std::string given_words(sudoku::MoveKind kind) {
    switch (kind) {
        case sudoku::MoveKind::digit:
        case sudoku::MoveKind::typed_number:
            return given_refused();
        case sudoku::MoveKind::clear:
            return delete_given_refused();
        case sudoku::MoveKind::note:  // notes answer not_empty on a given
        case sudoku::MoveKind::fill_notes:
        case sudoku::MoveKind::undo:
        case sudoku::MoveKind::redo:
            break;
    }
    return {};
}

}  // namespace

Feedback say(const sudoku::Move& move) {
    using sudoku::MoveKind;
    using sudoku::Outcome;
    const auto spoken = [](std::string text) { return Feedback{std::move(text), {}}; };
    switch (move.outcome) {
        case Outcome::placed:
            // A digit by its name, as the keys always said it, unless the player
            // chose numerals; a larger number in numerals, since names of large
            // numbers are slow to hear.
            return move.kind == MoveKind::digit && move.value <= 9 &&
                           sudoku::settings().digits == sudoku::DigitsAs::words
                       ? spoken(digit_name(static_cast<int>(move.value)))
                       : spoken(number(move.value));
        case Outcome::given:
            return spoken(given_words(move.kind));
        case Outcome::breaks_rule:
            return spoken(invalid_number());
        case Outcome::nothing_typed:
            return {};
        case Outcome::not_a_number:
            return spoken(not_whole_number());
        case Outcome::below_one:
            return {not_positive(), wow()};
        case Outcome::too_large:
            return {too_large(), wow()};
        case Outcome::cleared:
            return spoken(cleared());
        case Outcome::notes_cleared:
            return spoken(notes_cleared());
        case Outcome::nothing_to_clear:
            return spoken(nothing_to_clear());
        case Outcome::note_added:
            return spoken(tr_fill("Note %1$s added.", {number(move.value)}));
        case Outcome::note_removed:
            return spoken(tr_fill("Note %1$s removed.", {number(move.value)}));
        case Outcome::not_empty:
            return spoken(notes_for_empty());
        case Outcome::notes_filled:
            return spoken(notes_filled());
        case Outcome::undone:
            return spoken(undone());
        case Outcome::redone:
            return spoken(redone());
        case Outcome::nothing_to_undo:
            return spoken(nothing_to_undo());
        case Outcome::nothing_to_redo:
            return spoken(nothing_to_redo());
    }
    return {};
}

std::string reading(sudoku::Group group, const std::vector<sudoku::Cell>& cells) {
    std::string squares;
    for (const sudoku::Cell& cell : cells) {
        append(squares, ", ", cell ? number(*cell) : tr("empty"));
    }
    return of_group(group,
                    {for_catalog("Row %1$s: %2$s."), for_catalog("Column %1$s: %2$s."),
                     for_catalog("Box %1$s: %2$s.")},
                    squares);
}

std::string missing(const std::array<sudoku::Missing, 3>& missing) {
    std::string text;
    for (const sudoku::Missing& group : missing) {
        append(
            text, " ",
            of_group(group.group,
                     {for_catalog("Row %1$s needs %2$s."), for_catalog("Column %1$s needs %2$s."),
                      for_catalog("Box %1$s needs %2$s.")},
                     list(group.values)));
    }
    return text;
}

std::string options(sudoku::Square square, const sudoku::Options& options) {
    if (options.given) {
        return tr_fill("%1$s is given.", {position(square)});
    }
    return tr_fill("%1$s can take %2$s.", {position(square), list(options.values)});
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
        return no_clashes();
    }
    // Three are as many as an ear keeps; the rest are counted.
    constexpr std::size_t told = 3;
    std::string text;
    for (std::size_t i = 0; i < found.size() && i < told; ++i) {
        append(text, " ", found[i]);
    }
    if (found.size() > told) {
        const auto more = static_cast<long long>(found.size() - told);
        append(text, " ",
               fill(tr_plural("And %1$s more.", "And %1$s more.", more), {number(more)}));
    }
    return text;
}

std::string puzzle_breaks_rule(sudoku::Value value, sudoku::Group group) {
    return tr_fill("This puzzle breaks the rule: %1$s twice in %2$s.",
                   {number(value), group_name(group)});
}

std::string explanation(const sudoku::Explanation& explanation) {
    using Kind = sudoku::Explanation::Kind;
    const sudoku::Clash& clash_found = explanation.clash;
    switch (explanation.kind) {
        case Kind::digit_too_large:
            return tr_fill("%1$s is outside 1 to %2$s.",
                           {number(clash_found.value), number(explanation.side)});
        case Kind::already_there: {
            static constexpr std::array<const char*, 3> same = {
                for_catalog("%1$s is already at %2$s, in the same row."),
                for_catalog("%1$s is already at %2$s, in the same column."),
                for_catalog("%1$s is already at %2$s, in the same box.")};
            return tr_fill(same[static_cast<std::size_t>(clash_found.group.unit)],
                           {number(clash_found.value), position(clash_found.first)});
        }
        case Kind::board_breaks_rule:
            return clash(clash_found);
        case Kind::outside_range:
            return outside(clash_found.value, clash_found.first, explanation.side);
        case Kind::nothing:
            break;
    }
    return nothing_to_explain();
}

std::string no_such_square(std::string_view typed) {
    return tr_fill("There is no square %1$s.", {typed});
}

Feedback say(const sudoku::Move& move, const sudoku::Game& game) {
    Feedback feedback = say(move);
    const bool back = move.outcome == sudoku::Outcome::undone;
    if (back || move.outcome == sudoku::Outcome::redone) {
        // Filling the notes changed the whole board, not a square.
        feedback.text.append(" ").append(move.changed_by != sudoku::MoveKind::fill_notes
                                             ? announce(game, move.square)
                                         : back ? notes_as_they_were()
                                                : notes_filled());
    }
    return feedback;
}

std::string announce(const sudoku::Game& game, sudoku::Square square, bool with_position) {
    std::string text = square_announcement(square.x, square.y, game.at(square), with_position);
    const sudoku::Candidates& notes = game.notes_at(square);
    if (notes.none()) {
        return text;
    }
    std::string noted;
    for (std::size_t k = 0; k < notes.size(); ++k) {
        if (notes.test(k)) {
            append(noted, ", ", number(static_cast<long long>(k + 1)));
        }
    }
    return tr_fill("%1$s Notes %2$s.", {text, noted});
}

std::string announce_briefly(const sudoku::Game& game, sudoku::Square square, bool with_position) {
    const sudoku::Cell& cell = game.at(square);
    if (cell) {
        return square_announcement(square.x, square.y, cell, with_position);
    }
    return with_position ? position(square) : std::string();
}

std::string replace_question(const std::string& file_name) {
    return tr_fill("%1$s already exists. Do you want to replace it?", {file_name});
}

}  // namespace sudoku::texts
