#include "lifecycle/hint_techniques.h"

#include <algorithm>

namespace sudoku::hints {
namespace {

using Kind = Unit;

const Candidates& at(const CandidateBoard& candidates, Square square) {
    return candidates[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
}

// The numbers (from 1) in a set, in order.
std::vector<int> numbers_in(const Candidates& set) {
    std::vector<int> numbers;
    for (std::size_t k = 0; k < set.size(); ++k) {
        if (set.test(k)) {
            numbers.push_back(static_cast<int>(k) + 1);
        }
    }
    return numbers;
}

// Numbers standing in exactly one of the sets.
Candidates alone(const std::vector<Candidates>& sets) {
    Candidates once;
    Candidates twice;
    for (const Candidates& set : sets) {
        twice |= once & set;
        once |= set;
    }
    return once & ~twice;
}

std::optional<Hint> naked_single(const Layout& layout, const CandidateBoard& candidates) {
    for (const Group& row : layout.units()) {
        if (row.unit != Kind::row) {
            break;
        }
        for (const Square square : layout.squares(row)) {
            if (at(candidates, square).count() == 1) {
                return Hint{Hint::Kind::place, square, numbers_in(at(candidates, square)).front()};
            }
        }
    }
    return std::nullopt;
}

std::optional<Hint> hidden_single(const Layout& layout, const CandidateBoard& candidates) {
    for (const Group& unit : layout.units()) {
        std::vector<Candidates> sets;
        for (const Square square : layout.squares(unit)) {
            sets.push_back(at(candidates, square));
        }
        const Candidates lone = alone(sets);
        if (lone.none()) {
            continue;
        }
        const int number = numbers_in(lone).front();
        for (const Square square : layout.squares(unit)) {
            if (at(candidates, square).test(static_cast<std::size_t>(number - 1))) {
                return Hint{Hint::Kind::place, square, number, unit};
            }
        }
    }
    return std::nullopt;
}

// A number confined, within `unit`, to one `line_kind` unit rules it out of
// that unit's other squares: pointing (from a box to a line) and claiming
// (from a line to a box).
std::optional<Elimination> confinement(const Layout& layout, const CandidateBoard& candidates,
                                       Group unit, Kind line_kind, Elimination::Kind kind) {
    std::vector<Candidates> by_line(static_cast<std::size_t>(layout.n()));
    for (const Square square : layout.squares(unit)) {
        by_line[static_cast<std::size_t>(layout.unit_of(square, line_kind).index)] |=
            at(candidates, square);
    }
    const Candidates lone = alone(by_line);
    for (int index = 0; index < layout.n(); ++index) {
        const Group line{line_kind, index};
        for (const int number : numbers_in(by_line[static_cast<std::size_t>(index)] & lone)) {
            Elimination step{kind, unit, line, {number}, {}, {}, {number}};
            for (const Square square : layout.squares(line)) {
                if (layout.unit_of(square, unit.unit) != unit &&
                    at(candidates, square).test(static_cast<std::size_t>(number - 1))) {
                    step.ruled_out.push_back(square);
                }
            }
            if (!step.ruled_out.empty()) {
                return step;
            }
        }
    }
    return std::nullopt;
}

std::optional<Elimination> naked_pair(const Layout& layout, const CandidateBoard& candidates,
                                      Group unit) {
    const std::vector<Square>& squares = layout.squares(unit);
    for (std::size_t i = 0; i < squares.size(); ++i) {
        const Candidates& pair = at(candidates, squares[i]);
        if (pair.count() != 2) {
            continue;
        }
        for (std::size_t j = i + 1; j < squares.size(); ++j) {
            if (at(candidates, squares[j]) != pair) {
                continue;
            }
            Candidates lost;
            std::vector<Square> ruled_out;
            for (const Square square : squares) {
                const Candidates shared = at(candidates, square) & pair;
                if (square != squares[i] && square != squares[j] && shared.any()) {
                    ruled_out.push_back(square);
                    lost |= shared;
                }
            }
            if (!ruled_out.empty()) {
                return Elimination{Elimination::Kind::naked_pair,
                                   unit,
                                   {},
                                   numbers_in(pair),
                                   {squares[i], squares[j]},
                                   ruled_out,
                                   numbers_in(lost)};
            }
        }
    }
    return std::nullopt;
}

std::optional<Elimination> hidden_pair(const Layout& layout, const CandidateBoard& candidates,
                                       Group unit) {
    const std::vector<Square>& squares = layout.squares(unit);
    // For each number, the positions in the unit that can take it.
    std::vector<Candidates> places(static_cast<std::size_t>(layout.n()));
    for (std::size_t i = 0; i < squares.size(); ++i) {
        for (const int number : numbers_in(at(candidates, squares[i]))) {
            places[static_cast<std::size_t>(number - 1)].set(i);
        }
    }
    for (std::size_t a = 0; a < places.size(); ++a) {
        if (places[a].count() != 2) {
            continue;
        }
        for (std::size_t b = a + 1; b < places.size(); ++b) {
            if (places[b] != places[a]) {
                continue;
            }
            Candidates pair;
            pair.set(a).set(b);
            Elimination step{Elimination::Kind::hidden_pair, unit, {}, numbers_in(pair)};
            Candidates lost;
            for (const int position : numbers_in(places[a])) {
                const Square square = squares[static_cast<std::size_t>(position - 1)];
                step.holders.push_back(square);
                const Candidates others = at(candidates, square) & ~pair;
                if (others.any()) {
                    step.ruled_out.push_back(square);
                    lost |= others;
                }
            }
            if (!step.ruled_out.empty()) {
                step.removed = numbers_in(lost);
                return step;
            }
        }
    }
    return std::nullopt;
}

// True when no square of `unit` outside `keep` can take any of `numbers`.
template <class Keep>
bool kept_to(const Layout& layout, const CandidateBoard& candidates, Group unit,
             const std::vector<int>& numbers, Keep keep) {
    for (const Square square : layout.squares(unit)) {
        for (const int number : numbers) {
            if (!keep(square) &&
                at(candidates, square).test(static_cast<std::size_t>(number - 1))) {
                return false;
            }
        }
    }
    return true;
}

// Whether the step's reason is true on these candidates.
bool holds(const Layout& layout, const CandidateBoard& candidates, const Elimination& step) {
    const auto holder = [&step](Square square) {
        return std::find(step.holders.begin(), step.holders.end(), square) != step.holders.end();
    };
    switch (step.kind) {
        case Elimination::Kind::pointing:
        case Elimination::Kind::claiming:
            return kept_to(layout, candidates, step.unit, step.numbers, [&](Square square) {
                return layout.unit_of(square, step.line.unit) == step.line;
            });
        case Elimination::Kind::naked_pair: {
            Candidates pair;
            for (const int number : step.numbers) {
                pair.set(static_cast<std::size_t>(number - 1));
            }
            return std::all_of(step.holders.begin(), step.holders.end(), [&](Square square) {
                return (at(candidates, square) & ~pair).none();
            });
        }
        case Elimination::Kind::hidden_pair:
            return kept_to(layout, candidates, step.unit, step.numbers, holder);
    }
    return false;
}

// Whether the single's reason is true on these candidates.
bool holds(const Layout& layout, const CandidateBoard& candidates, const Hint& single) {
    const Candidates& left = at(candidates, single.square);
    const auto number = static_cast<std::size_t>(single.number - 1);
    if (!single.only_place) {
        return left.count() == 1 && left.test(number);
    }
    return left.test(number) &&
           kept_to(layout, candidates, *single.only_place, {static_cast<int>(single.number)},
                   [&](Square square) { return square == single.square; });
}

}  // namespace

Layout::Layout(BoxSize size) : geometry_(size), n_(geometry_.n()), units_(geometry_.groups()) {
    for (const Group& unit : units_) {
        squares_.push_back(geometry_.squares_of(unit));
    }
}

const std::vector<Square>& Layout::squares(Group unit) const {
    return squares_[static_cast<std::size_t>(static_cast<int>(unit.unit) * n_ + unit.index)];
}

Group Layout::unit_of(Square square, Kind kind) const {
    return geometry_.group_of(kind, square);
}

std::optional<Hint> single(const Layout& layout, const CandidateBoard& candidates) {
    if (auto found = naked_single(layout, candidates)) {
        return found;
    }
    return hidden_single(layout, candidates);
}

std::optional<Elimination> elimination(const Layout& layout, const CandidateBoard& candidates) {
    using E = Elimination::Kind;
    for (const Group& unit : layout.units()) {
        if (unit.unit == Kind::box) {
            for (const Kind line : {Kind::row, Kind::column}) {
                if (auto step = confinement(layout, candidates, unit, line, E::pointing)) {
                    return step;
                }
            }
        }
    }
    for (const Group& unit : layout.units()) {
        if (unit.unit != Kind::box) {
            if (auto step = confinement(layout, candidates, unit, Kind::box, E::claiming)) {
                return step;
            }
        }
    }
    for (const auto technique : {naked_pair, hidden_pair}) {
        for (const Group& unit : layout.units()) {
            if (auto step = technique(layout, candidates, unit)) {
                return step;
            }
        }
    }
    return std::nullopt;
}

void apply(const Elimination& step, CandidateBoard& candidates) {
    for (const Square square : step.ruled_out) {
        for (const int number : step.removed) {
            candidates[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)]
                .reset(static_cast<std::size_t>(number - 1));
        }
    }
}

std::vector<Elimination> needed(const Layout& layout, const CandidateBoard& start,
                                const Hint& single, std::vector<Elimination> steps) {
    for (std::size_t drop = steps.size(); drop-- > 0;) {
        CandidateBoard trial = start;
        bool sound = true;
        for (std::size_t i = 0; i < steps.size() && sound; ++i) {
            if (i != drop) {
                sound = holds(layout, trial, steps[i]);
                hints::apply(steps[i], trial);
            }
        }
        if (sound && holds(layout, trial, single)) {
            steps.erase(steps.begin() + static_cast<std::ptrdiff_t>(drop));
        }
    }
    return steps;
}

}  // namespace sudoku::hints
