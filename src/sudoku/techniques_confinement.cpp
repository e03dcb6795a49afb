// Pointing and claiming: a number confined, within a box, to one row or
// column cannot be elsewhere in that line; confined, within a line, to one
// box, it cannot be elsewhere in that box.
#include <algorithm>
#include <span>

#include "sudoku/techniques.h"

namespace sudoku::hints {
namespace {

using Kind = Unit;

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

}  // namespace

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

}  // namespace sudoku::hints
