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

// "rows 3 and 8"
std::string groups(const std::vector<sudoku::Group>& items) {
    constexpr std::string_view kinds[] = {"rows ", "columns ", "boxes "};
    return std::string(kinds[static_cast<int>(items.front().unit)]) +
           listed(items, "and",
                  [](sudoku::Group group) { return std::to_string(group.index + 1); });
}

// "If 1 2 is not 5, then 4 2 is 5, 4 7 is not 5 and 8 7 is 5", or through
// squares of two numbers "If 1 2 is not 5, then it is 3, 4 2 is 7 and ...":
// a square that is one number is not its other, which goes unsaid.
std::string chain(const std::vector<sudoku::ChainNode>& nodes) {
    std::vector<std::string> links;
    sudoku::Square said = nodes.front().square;
    for (std::size_t i = 1; i < nodes.size(); ++i) {
        const sudoku::ChainNode& node = nodes[i];
        if (!node.on && i + 1 < nodes.size() && nodes[i + 1].square == node.square) {
            continue;
        }
        links.push_back((node.square == said ? std::string("it") : position(node.square)) +
                        (node.on ? " is " : " is not ") + std::to_string(node.number));
        said = node.square;
    }
    return "If " + position(nodes.front().square) + " is not " +
           std::to_string(nodes.front().number) + ", then " +
           listed(links, "and", [](const std::string& link) { return link; });
}

// "If 3 4 were 5, then 3 6 would be 2, and 8 6 could take nothing"
std::string supposition(const Elimination& step) {
    const std::vector<sudoku::ChainNode>& nodes = step.chain;
    std::string text = "If " + position(nodes.front().square) + " were " +
                       std::to_string(nodes.front().number) + ", ";
    if (nodes.size() > 1) {
        const std::vector<sudoku::ChainNode> rest(nodes.begin() + 1, nodes.end());
        text +=
            "then " +
            listed(rest, "and",
                   [](const sudoku::ChainNode& node) {
                       return position(node.square) + " would be " + std::to_string(node.number);
                   }) +
            ", and ";
    }
    return text + (step.stuck ? position(*step.stuck) + " could take nothing"
                              : std::to_string(step.numbers.front()) + " could go nowhere in " +
                                    group_name(step.line));
}

std::string step(const Elimination& step) {
    using K = Elimination::Kind;
    const std::string so =
        "so " + squares(step.ruled_out) + " cannot take " + numbers(step.removed, "or") + ".";
    switch (step.kind) {
        case K::pointing:
        case K::claiming:
            return "In " + group_name(step.unit) + ", " + numbers(step.numbers, "and") +
                   " can only go in " + group_name(step.line) + ", " + so;
        case K::naked_pair:
        case K::naked_triple:
        case K::naked_quad:
            return "In " + group_name(step.unit) + ", " + squares(step.holders) +
                   " can only take " + numbers(step.numbers, "and") + ", " + so;
        case K::hidden_pair:
        case K::hidden_triple:
        case K::hidden_quad:
            return "In " + group_name(step.unit) + ", " + numbers(step.numbers, "and") +
                   " can only go at " + squares(step.holders) + ", " + so;
        case K::x_wing:
        case K::swordfish:
            return "In " + groups(step.bases) + ", " + numbers(step.numbers, "and") +
                   " can only go in " + groups(step.covers) + ", " + so;
        case K::xy_wing: {
            const auto with = [&](std::size_t i) {
                return "with " + std::to_string(step.numbers[i]) + ", " +
                       position(step.holders[i + 1]) + " is " + std::to_string(step.numbers[2]);
            };
            return position(step.holders[0]) + " can only take " +
                   numbers({step.numbers[0], step.numbers[1]}, "or") + ": " + with(0) + ", and " +
                   with(1) + ", " + so;
        }
        case K::colouring:
        case K::x_chain:
        case K::xy_chain: {
            const std::string number = std::to_string(step.chain.front().number);
            return chain(step.chain) + "; so " + number + " is at " +
                   position(step.chain.front().square) + " or " +
                   position(step.chain.back().square) + ", and " + squares(step.ruled_out) +
                   " cannot take " + number + ".";
        }
        case K::forcing_chain:
            return supposition(step) + "; " + so;
    }
    return so;
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
        case Kind::from_solution:
            return "No step by logic is left here. " + number + " at " + position(hint.square) +
                   " keeps the board solvable.";
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
