#include "sudoku/hint_techniques.h"

#include <algorithm>
#include <span>

#include "sudoku/techniques.h"

namespace sudoku::hints {
namespace {

using Kind = Unit;

// Numbers standing in exactly one of the sets.
Candidates alone(std::span<const Candidates> sets) {
    Candidates once;
    Candidates twice;
    for (const Candidates& set : sets) {
        twice |= once & set;
        once |= set;
    }
    return once & ~twice;
}

// Calls found(hint) for each single, naked ones first, until it returns true.
template <class Found>
void each_single(const Layout& layout, const CandidateBoard& candidates, Found found) {
    for (const Group& row : layout.units()) {
        if (row.unit != Kind::row) {
            break;
        }
        for (const Square square : layout.squares(row)) {
            if (count_to(at(candidates, square), 1) == 1 &&
                found(Hint{Hint::Kind::place, square, first_number(at(candidates, square))})) {
                return;
            }
        }
    }
    std::vector<Candidates> sets;
    for (const Group& unit : layout.units()) {
        sets.clear();
        for (const Square square : layout.squares(unit)) {
            sets.push_back(at(candidates, square));
        }
        for (const int number : numbers_in(alone(sets))) {
            for (const Square square : layout.squares(unit)) {
                if (has(candidates, square, number)) {
                    if (found(Hint{Hint::Kind::place, square, number, unit})) {
                        return;
                    }
                    break;
                }
            }
        }
    }
}

// A number confined, within `unit`, to one `line_kind` unit rules it out of
// that unit's other squares: pointing (from a box to a line) and claiming
// (from a line to a box).
// `by_line` has room for one set per line, kept by the caller from unit to
// unit: this runs for every unit at nearly every step of a climb.
std::optional<Elimination> confinement(const Layout& layout, const CandidateBoard& candidates,
                                       Group unit, Kind line_kind, Elimination::Kind kind,
                                       std::vector<Candidates>& by_line) {
    std::fill(by_line.begin(), by_line.end(), Candidates{});
    for (const Square square : layout.squares(unit)) {
        by_line[static_cast<std::size_t>(layout.unit_of(square, line_kind).index)] |=
            at(candidates, square);
    }
    const std::span<const Candidates> lines(by_line);
    const Candidates lone = alone(lines);
    for (int index = 0; index < layout.n(); ++index) {
        const Group line{line_kind, index};
        const Candidates here = lines[static_cast<std::size_t>(index)] & lone;
        for (std::size_t k = here._Find_first(); k < here.size(); k = here._Find_next(k)) {
            const int number = static_cast<int>(k) + 1;
            std::vector<Square> ruled_out;
            for (const Square square : layout.squares(line)) {
                if (has(candidates, square, number) && layout.unit_of(square, unit.unit) != unit) {
                    ruled_out.push_back(square);
                }
            }
            if (!ruled_out.empty()) {
                return Elimination{kind, unit, line, {number}, {}, std::move(ruled_out), {number}};
            }
        }
    }
    return std::nullopt;
}

struct Technique {
    Elimination::Kind kind;
    Level level;
    // The largest side it is tried on: past it, its search costs more than a
    // key press may take, and the hint falls back on a solution.
    int most_n;
    Finder find;
    Check holds;
    Finder find_any = nullptr;  // any step of it, when that is cheaper than `find`
};

// The ladder, easiest first.
constexpr int kAll = 81;
constexpr Technique kLadder[] = {
    {Elimination::Kind::pointing, Level::medium, kAll, pointing, confined},
    {Elimination::Kind::claiming, Level::medium, kAll, claiming, confined},
    {Elimination::Kind::naked_pair, Level::medium, kAll, naked_set<2>, naked_holds},
    {Elimination::Kind::hidden_pair, Level::medium, kAll, hidden_set<2>, hidden_holds},
    {Elimination::Kind::naked_triple, Level::medium, kAll, naked_set<3>, naked_holds},
    {Elimination::Kind::hidden_triple, Level::medium, kAll, hidden_set<3>, hidden_holds},
    {Elimination::Kind::x_wing, Level::hard, kAll, fish<2>, fish_holds},
    {Elimination::Kind::swordfish, Level::hard, kAll, fish<3>, fish_holds},
    {Elimination::Kind::xy_wing, Level::hard, kAll, xy_wing, xy_wing_holds},
    {Elimination::Kind::naked_quad, Level::hard, kAll, naked_set<4>, naked_holds},
    {Elimination::Kind::hidden_quad, Level::hard, kAll, hidden_set<4>, hidden_holds},
    {Elimination::Kind::colouring, Level::expert, 25, colouring, chain_holds},
    {Elimination::Kind::x_chain, Level::expert, 25, x_chain, chain_holds},
    {Elimination::Kind::xy_chain, Level::expert, 25, xy_chain, chain_holds},
    {Elimination::Kind::forcing_chain, Level::expert, 16, forcing_chain, forcing_holds,
     first_forcing_chain},
};

const Technique& technique(Elimination::Kind kind) {
    return *std::find_if(std::begin(kLadder), std::end(kLadder),
                         [kind](const Technique& t) { return t.kind == kind; });
}

// Whether the single's reason is true on these candidates.
bool holds(const Layout& layout, const CandidateBoard& candidates, const Hint& single) {
    const Candidates& left = at(candidates, single.square);
    const auto number = static_cast<int>(single.number);
    if (!single.only_place) {
        return left.count() == 1 && has(candidates, single.square, number);
    }
    return has(candidates, single.square, number) &&
           kept_to(layout, candidates, *single.only_place, {number},
                   [&](Square square) { return square == single.square; });
}

// Whether the steps, applied in order from `start`, each hold where they are
// applied and leave the single's reason true.
bool leads_to(const Layout& layout, const CandidateBoard& start,
              const std::vector<Elimination>& steps, const Hint& single) {
    CandidateBoard trial = start;
    for (const Elimination& step : steps) {
        if (!technique(step.kind).holds(layout, trial, step)) {
            return false;
        }
        hints::apply(step, trial);
    }
    return holds(layout, trial, single);
}

}  // namespace

Layout::Layout(BoxSize size) : geometry_(size), n_(geometry_.n()), units_(geometry_.groups()) {
    squares_.reserve(units_.size());
    for (const Group& unit : units_) {
        squares_.push_back(geometry_.squares_of(unit));
    }
    units_of_.reserve(static_cast<std::size_t>(n_ * n_));
    for (int x = 0; x < n_; ++x) {
        for (int y = 0; y < n_; ++y) {
            units_of_.push_back(geometry_.unit_numbers({x, y}));
        }
    }
}

const std::vector<Square>& Layout::squares(Group unit) const {
    return squares_[static_cast<std::size_t>(geometry_.unit_number(unit))];
}

std::optional<Elimination> pointing(const Layout& layout, const CandidateBoard& candidates) {
    std::vector<Candidates> by_line(static_cast<std::size_t>(layout.n()));
    for (const Group& unit : layout.units()) {
        if (unit.unit == Kind::box) {
            for (const Kind line : {Kind::row, Kind::column}) {
                if (auto step = confinement(layout, candidates, unit, line,
                                            Elimination::Kind::pointing, by_line)) {
                    return step;
                }
            }
        }
    }
    return std::nullopt;
}

std::optional<Elimination> claiming(const Layout& layout, const CandidateBoard& candidates) {
    std::vector<Candidates> by_line(static_cast<std::size_t>(layout.n()));
    for (const Group& unit : layout.units()) {
        if (unit.unit != Kind::box) {
            if (auto step = confinement(layout, candidates, unit, Kind::box,
                                        Elimination::Kind::claiming, by_line)) {
                return step;
            }
        }
    }
    return std::nullopt;
}

bool confined(const Layout& layout, const CandidateBoard& candidates, const Elimination& step) {
    return kept_to(layout, candidates, step.unit, step.numbers, [&](Square square) {
        return layout.unit_of(square, step.line.unit) == step.line;
    });
}

std::optional<Hint> single(const Layout& layout, const CandidateBoard& candidates) {
    std::optional<Hint> first;
    each_single(layout, candidates, [&](const Hint& found) {
        first = found;
        return true;
    });
    return first;
}

std::vector<Hint> singles(const Layout& layout, const CandidateBoard& candidates) {
    std::vector<Hint> all;
    each_single(layout, candidates, [&](const Hint& found) {
        all.push_back(found);
        return false;
    });
    return all;
}

Level level_of(Elimination::Kind kind) {
    return technique(kind).level;
}

std::optional<Elimination> elimination(const Layout& layout, const CandidateBoard& candidates,
                                       Level most, bool any) {
    // A rating needs only the level, so within a level the techniques that
    // may stop at the first step they find go first: the first forcing chain
    // turns up sooner than the chains are ruled out.
    for (int level = static_cast<int>(Level::medium); level <= static_cast<int>(most); ++level) {
        for (const bool quick_first : {true, false}) {
            for (const Technique& t : kLadder) {
                const bool quick = any && t.find_any != nullptr;
                if (static_cast<int>(t.level) != level || quick != quick_first ||
                    layout.n() > t.most_n) {
                    continue;
                }
                if (auto step = (quick ? t.find_any : t.find)(layout, candidates)) {
                    return step;
                }
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
        const Elimination dropped = steps[drop];
        steps.erase(steps.begin() + static_cast<std::ptrdiff_t>(drop));
        if (!leads_to(layout, start, steps, single)) {
            steps.insert(steps.begin() + static_cast<std::ptrdiff_t>(drop), dropped);
        }
    }
    return steps;
}

Elimination first_needed(const Layout& layout, const CandidateBoard& start, const Hint& single,
                         std::vector<Elimination> steps) {
    steps = needed(layout, start, single, std::move(steps));
    // Each square, then each number, the others can do without is left out.
    const auto trim = [&](auto& items) {
        for (std::size_t drop = items.size(); drop-- > 0 && items.size() > 1;) {
            const auto dropped = items[drop];
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(drop));
            if (!leads_to(layout, start, steps, single)) {
                items.insert(items.begin() + static_cast<std::ptrdiff_t>(drop), dropped);
            }
        }
    };
    trim(steps.front().ruled_out);
    trim(steps.front().removed);
    return steps.front();
}

}  // namespace sudoku::hints
