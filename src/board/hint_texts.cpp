// How a hint is said: the step, then its reason, in the words of the board.
#include <vector>

#include "board/texts.h"

namespace texts {
namespace {

using sudoku::Elimination;
// "a", "a and b", "a, b and c" (or "or" for the last).
template <class T, class Name>
std::string listed(const std::vector<T>& items, std::string_view last, Name name) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i + 1 == items.size() && i > 0) {
            text.append(" ").append(last).append(" ");
        } else if (i > 0) {
            text += ", ";
        }
        text += name(items[i]);
    }
    return text;
}

std::string numbers(const std::vector<int>& items, std::string_view last) {
    return listed(items, last, [](int number) { return std::to_string(number); });
}

std::string squares(const std::vector<sudoku::Square>& items) {
    return listed(items, "and", position);
}

std::string step(const Elimination& step) {
    std::string text = "In " + group_name(step.unit) + ", ";
    switch (step.kind) {
        case Elimination::Kind::pointing:
        case Elimination::Kind::claiming:
            text += numbers(step.numbers, "and") + " can only go in " + group_name(step.line);
            break;
        case Elimination::Kind::naked_pair:
            text += squares(step.holders) + " can only take " + numbers(step.numbers, "and");
            break;
        case Elimination::Kind::hidden_pair:
            text += numbers(step.numbers, "and") + " can only go at " + squares(step.holders);
            break;
    }
    return text + ", so " + squares(step.ruled_out) + " cannot take " +
           numbers(step.removed, "or") + ".";
}

}  // namespace

std::string hint(const sudoku::Hint& hint) {
    using Kind = sudoku::Hint::Kind;
    const std::string number = std::to_string(hint.number);
    switch (hint.kind) {
        case Kind::none:
            break;
        case Kind::cannot_complete:
            return "The board cannot be completed. Check " + number + " at " +
                   position(hint.square) + ".";
        case Kind::place: {
            std::string text;
            for (const Elimination& first : hint.steps) {
                text += step(first) + " ";
            }
            text += (hint.steps.empty() ? "" : "Then ") + number + " goes at " +
                    position(hint.square) + ": ";
            return text + (hint.only_place ? "the only place for " + number + " in " +
                                                 group_name(*hint.only_place) + "."
                                           : std::string("the only number that fits there."));
        }
    }
    return std::string(no_hint);
}

}  // namespace texts
