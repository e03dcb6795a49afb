// One climb of the technique ladder over a puzzle, for the rating and the
// generator: the singles as each placement makes them, and when none is left
// the easiest elimination, until the board is full or nothing up to the level
// asked for helps.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "sudoku/hint_techniques.h"

namespace sudoku {

// What a climb may use and when it stops.
struct ClimbLimits {
    Level most = Level::expert;
    // Stop as soon as this square is placed: the generator only asks whether
    // a square it emptied comes back.
    std::optional<Square> until = std::nullopt;
    // Give up once the work passes this.
    std::uint64_t work = std::numeric_limits<std::uint64_t>::max();
    // When set, gets the squares in the order the climb placed them.
    std::vector<Square>* placed = nullptr;
};

struct Climb {
    bool solved = false;          // the board is full, or `until` was placed
    Level hardest = Level::easy;  // the hardest technique the climb needed
    // Work done, in steps of about one candidate set looked at, so that a
    // budget of it stands for time on any machine alike.
    std::uint64_t work = 0;
};

// Climbs boards of one layout, one after another, reusing its memory: the
// generator climbs once for every square it tries. It keeps, for every unit
// and number, how many of the unit's squares can still take it, so each
// placement finds the singles it makes at once instead of sweeping the
// board again.
class Climber {
  public:
    explicit Climber(const hints::Layout& layout);

    // `candidates` are the board's, as Solver::candidates gives them.
    Climb climb(const Board& board, const CandidateBoard& candidates, const ClimbLimits& limits);

  private:
    std::size_t cell(Square square) const {
        return static_cast<std::size_t>(square.x * n_ + square.y);
    }
    Candidates& at(Square square) {
        return candidates_[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
    }
    int& places(int unit, int k) { return places_[static_cast<std::size_t>(unit * n_ + k)]; }
    bool placed_in(int unit, int k) const {
        return placed_in_[static_cast<std::size_t>(unit)].test(static_cast<std::size_t>(k));
    }

    void start(const Board& board, const CandidateBoard& candidates);
    void count_in(Square square, const Cell& given);
    void queue_first_singles();
    void check_square(Square square);
    void check_unit(int unit, int k);
    void remove(Square square, int k);
    void place(Square square, int k);
    bool settle();
    void apply(const Elimination& step);

    const hints::Layout& layout_;
    int n_;
    CandidateBoard candidates_;
    std::vector<int> value_;             // each square's number from 0, -1 while open
    std::vector<int> places_;            // [unit * n + k]: the unit's squares that can take k
    std::vector<Candidates> placed_in_;  // the numbers each unit holds
    std::vector<std::pair<Square, int>> queue_;  // singles found, not yet placed
    const ClimbLimits* limits_ = nullptr;
    int left_ = 0;
    std::uint64_t work_ = 0;
    bool broken_ = false;
    bool done_ = false;
};

// One climb with a Climber of its own.
Climb climb(const hints::Layout& layout, const Board& board, const CandidateBoard& candidates,
            const ClimbLimits& limits);

}  // namespace sudoku
