#include "sudoku/hint_techniques.h"

#include <algorithm>

#include "sudoku/techniques.h"

namespace sudoku::hints {
namespace {

// Calls found(hint) for each single, naked ones first, until it returns true.
template <class Found>
void each_single(const Layout& layout, const CandidateBoard& candidates, Found found) {
    for (const Group& row : layout.units()) {
        if (row.unit != Unit::row) {
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

std::optional<Elimination> elimination(const Layout& layout, const CandidateBoard& candidates,
                                       Level most, bool any) {
    // A rating needs only the level, so within a level the techniques that
    // may stop at the first step they find go first: the first forcing chain
    // turns up sooner than the chains are ruled out.
    for (int level = static_cast<int>(Level::medium); level <= static_cast<int>(most); ++level) {
        for (const bool quick_first : {true, false}) {
            for (const Technique& t : ladder()) {
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
