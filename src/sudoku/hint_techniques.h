// The techniques behind a hint, each on a board's candidates (one set per
// square, as Solver::candidates gives them).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "sudoku/hint.h"
#include "sudoku/rating.h"
#include "sudoku/solver.h"

namespace sudoku::hints {

// Each unit's squares, kept for the many lookups of one hint.
class Layout {
  public:
    explicit Layout(BoxSize size);
    const Geometry& geometry() const { return geometry_; }
    int n() const { return n_; }
    // Every unit, in the order of Geometry::unit_number.
    const std::vector<Group>& units() const { return units_; }
    // The unit's squares in reading order.
    const std::vector<Square>& squares(Group unit) const;
    // The unit of that kind the square lies in.
    Group unit_of(Square square, Unit kind) const {
        const int at = units_of(square)[static_cast<std::size_t>(kind)];
        return {kind, at - static_cast<int>(kind) * n_};
    }
    // Geometry::unit_numbers, kept for the many lookups.
    const std::array<int, 3>& units_of(Square square) const {
        return units_of_[static_cast<std::size_t>(square.x * n_ + square.y)];
    }
    // Work the searches on this layout have done, in steps of about one
    // candidate set looked at. The chains and forcing chains count theirs as
    // they go: it varies far more from board to board than the other
    // techniques' does, and the generator's budget must follow it.
    void count(std::uint64_t steps) const { work_ += steps; }
    std::uint64_t work() const { return work_; }

  private:
    Geometry geometry_;
    int n_;
    std::vector<Group> units_;
    std::vector<std::vector<Square>> squares_;  // indexed like units_
    std::vector<std::array<int, 3>> units_of_;  // square x * n + y
    mutable std::uint64_t work_ = 0;
};

// A square with one candidate left, or a number with one square left in a
// unit; a hint of kind place, or nothing.
std::optional<Hint> single(const Layout& layout, const CandidateBoard& candidates);
// Every such single at once: first the squares with one candidate in reading
// order, then the numbers with one place, unit by unit.
std::vector<Hint> singles(const Layout& layout, const CandidateBoard& candidates);

// The first deduction that rules out at least one candidate, by the easiest
// technique of the ladder that gives one and is tried on a board this size,
// up to the techniques of level `most`. With `any`, for a rating, a
// technique may give any of its steps rather than the one easiest to follow,
// and those that stop at the first step they find go first within their
// level.
std::optional<Elimination> elimination(const Layout& layout, const CandidateBoard& candidates,
                                       Level most = Level::expert, bool any = false);

void apply(const Elimination& step, CandidateBoard& candidates);

// The steps, in order, without those the single does not need: each one left
// still holds when the others before it are applied, and the single holds
// after the last. Spares the player a long chain of steps that lead elsewhere.
std::vector<Elimination> needed(const Layout& layout, const CandidateBoard& start,
                                const Hint& single, std::vector<Elimination> steps);
// The first of the steps the single needs, ruling out only the squares and
// numbers that it and the needed steps after it rely on: one short sentence
// for the player to follow.
Elimination first_needed(const Layout& layout, const CandidateBoard& start, const Hint& single,
                         std::vector<Elimination> steps);

}  // namespace sudoku::hints
