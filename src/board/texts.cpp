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

Feedback say(const sudoku::Move& move) {
    using sudoku::Command;
    using sudoku::Outcome;
    const auto spoken = [](std::string_view text) { return Feedback{std::string(text), {}}; };
    switch (move.outcome) {
        case Outcome::placed:
            // A digit by its name, as the keys always said it; a typed number in
            // numerals, since names of large numbers are slow to hear.
            return move.command == Command::digit ? spoken(digit_name(static_cast<int>(move.value)))
                                                  : spoken(std::to_string(move.value));
        case Outcome::given:
            // Each command kept its own wording for a given.
            switch (move.command) {
                case Command::digit:
                    return spoken(given_refused);
                case Command::typed_number:
                    return spoken(value_given_refused);
                case Command::clear:
                    return spoken(delete_given_refused);
                case Command::note:  // notes answer not_empty on a given
                case Command::fill_notes:
                case Command::undo:
                case Command::redo:
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

Feedback say(const sudoku::Move& move, const sudoku::Game& game) {
    Feedback feedback = say(move);
    if (move.outcome == sudoku::Outcome::undone || move.outcome == sudoku::Outcome::redone) {
        feedback.text += " " + announce(game, move.square);
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
