// The ladder of techniques: one row per technique, in the order of
// Elimination::Kind, easiest first, with the level it belongs to and the
// functions that find and check its steps. The hint, the climb and the rating
// all read it; each family's finders live in its techniques_*.cpp, its words
// in the hint's texts, keyed by the kind.
#pragma once

#include <optional>
#include <span>

#include "sudoku/hint.h"
#include "sudoku/rating.h"
#include "sudoku/solver.h"

namespace sudoku::hints {

class Layout;

// Gives the first step of a technique that rules something out.
using Finder = std::optional<Elimination> (*)(const Layout&, const CandidateBoard&);
// Says whether a step's reason holds on these candidates.
using Check = bool (*)(const Layout&, const CandidateBoard&, const Elimination&);

struct Technique {
    Elimination::Kind kind;
    Level level;
    // The largest board side it is tried on: past it, its search costs more
    // than a hint may take, and the hint falls back on a solution.
    int most_n;
    Finder find;
    Check holds;
    Finder find_any = nullptr;  // any step of it, when that is cheaper than `find`
};

// Every technique, easiest first.
std::span<const Technique> ladder();

inline const Technique& technique(Elimination::Kind kind) {
    return ladder()[static_cast<std::size_t>(kind)];
}

}  // namespace sudoku::hints
