// How a hint is said: one step and its reason, in the words of the board.
#include <vector>

#include "board/texts.h"

namespace sudoku::texts {
namespace {

using sudoku::Elimination;

std::string number(int value) {
    return std::to_string(value);
}

// The items by their names, listed as translation.h lists them.
template <class T, class Name>
std::string listed(const std::vector<T>& items, const char* last, Name name) {
    std::vector<std::string> names;
    for (const T& item : items) {
        names.push_back(name(item));
    }
    return texts::listed(names, last);
}

std::string numbers(const std::vector<int>& items, const char* last) {
    return listed(items, last, number);
}

std::string squares(const std::vector<sudoku::Square>& items) {
    return listed(items, and_, position);
}

// "rows 3 and 8"
std::string groups(const std::vector<sudoku::Group>& items) {
    static constexpr const char* kinds[] = {for_catalog("rows %1$s"), for_catalog("columns %1$s"),
                                            for_catalog("boxes %1$s")};
    return tr_fill(
        kinds[static_cast<int>(items.front().unit)],
        {listed(items, and_, [](sudoku::Group group) { return number(group.index + 1); })});
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
        const std::string value = number(node.number);
        if (node.square == said) {
            links.push_back(node.on ? tr_fill("it is %1$s", {value})
                                    : tr_fill("it is not %1$s", {value}));
        } else {
            links.push_back(
                tr_fill(node.on ? for_catalog("%1$s is %2$s") : for_catalog("%1$s is not %2$s"),
                        {position(node.square), value}));
        }
        said = node.square;
    }
    return tr_fill(
        "If %1$s is not %2$s, then %3$s",
        {position(nodes.front().square), number(nodes.front().number), texts::listed(links, and_)});
}

// "If 3 4 were 5, then 3 6 would be 2, and 8 6 could take nothing"
std::string supposition(const Elimination& step) {
    const std::vector<sudoku::ChainNode>& nodes = step.chain;
    const std::string end = step.stuck
                                ? tr_fill("%1$s could take nothing", {position(*step.stuck)})
                                : tr_fill("%1$s could go nowhere in %2$s",
                                          {number(step.numbers.front()), group_name(step.line)});
    const std::string first = position(nodes.front().square);
    const std::string value = number(nodes.front().number);
    if (nodes.size() == 1) {
        return tr_fill("If %1$s were %2$s, %3$s", {first, value, end});
    }
    const std::vector<sudoku::ChainNode> rest(nodes.begin() + 1, nodes.end());
    return tr_fill(
        "If %1$s were %2$s, then %3$s, and %4$s",
        {first, value,
         listed(
             rest, and_,
             [](const sudoku::ChainNode& node) {
                 return tr_fill("%1$s would be %2$s", {position(node.square), number(node.number)});
             }),
         end});
}

std::string step(const Elimination& step) {
    using K = Elimination::Kind;
    const std::string so =
        tr_fill("so %1$s cannot take %2$s.", {squares(step.ruled_out), numbers(step.removed, or_)});
    switch (step.kind) {
        case K::pointing:
        case K::claiming:
            return tr_fill(
                "In %1$s, %2$s can only go in %3$s, %4$s",
                {group_name(step.unit), numbers(step.numbers, and_), group_name(step.line), so});
        case K::naked_pair:
        case K::naked_triple:
        case K::naked_quad:
            return tr_fill(
                "In %1$s, %2$s can only take %3$s, %4$s",
                {group_name(step.unit), squares(step.holders), numbers(step.numbers, and_), so});
        case K::hidden_pair:
        case K::hidden_triple:
        case K::hidden_quad:
            return tr_fill(
                "In %1$s, %2$s can only go at %3$s, %4$s",
                {group_name(step.unit), numbers(step.numbers, and_), squares(step.holders), so});
        case K::x_wing:
        case K::swordfish:
            return tr_fill(
                "In %1$s, %2$s can only go in %3$s, %4$s",
                {groups(step.bases), numbers(step.numbers, and_), groups(step.covers), so});
        case K::xy_wing: {
            const auto with = [&](std::size_t i) {
                return tr_fill("with %1$s, %2$s is %3$s",
                               {number(step.numbers[i]), position(step.holders[i + 1]),
                                number(step.numbers[2])});
            };
            return tr_fill(
                "%1$s can only take %2$s: %3$s, and %4$s, %5$s",
                {position(step.holders[0]), numbers({step.numbers[0], step.numbers[1]}, or_),
                 with(0), with(1), so});
        }
        case K::colouring:
        case K::x_chain:
        case K::xy_chain:
            return tr_fill("%1$s; so %2$s is at %3$s or %4$s, and %5$s cannot take %2$s.",
                           {chain(step.chain), number(step.chain.front().number),
                            position(step.chain.front().square), position(step.chain.back().square),
                            squares(step.ruled_out)});
        case K::forcing_chain:
            return supposition(step) + "; " + so;
    }
    return so;
}
}  // namespace

std::string hint(const sudoku::Hint& hint) {
    using Kind = sudoku::Hint::Kind;
    const std::string value = number(hint.number);
    const std::string at = position(hint.square);
    switch (hint.kind) {
        case Kind::none:
            break;
        case Kind::cannot_complete:
            return tr_fill("The board cannot be completed. Check %1$s at %2$s.", {value, at});
        case Kind::from_solution:
            return tr_fill("No step by logic is left here. %1$s at %2$s keeps the board solvable.",
                           {value, at});
        case Kind::no_solution:
            return tr("No step by logic is left here, and no solution was found in time.");
        case Kind::eliminate:
            return step(hint.step);
        case Kind::place: {
            const std::string reason = hint.only_place
                                           ? tr_fill("the only place for %1$s in %2$s.",
                                                     {value, group_name(*hint.only_place)})
                                           : tr("the only number that fits there.");
            return tr_fill("%1$s goes at %2$s: %3$s", {value, at, reason});
        }
    }
    return no_hint();
}

}  // namespace sudoku::texts
