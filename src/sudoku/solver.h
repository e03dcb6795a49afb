// An exact solver for boards of any box shape, from 1x1 up to 9x9 boxes.
//
// Candidates are bitsets; each step places the forced numbers (a square with
// one candidate left, a number with one square left in a row, column or box)
// and then branches on the square with the fewest candidates. Counting stops
// at a limit, so "is this puzzle unique?" costs no more than finding two
// solutions. The puzzle generator uses it to keep only unique puzzles, and a
// hint can use it to find the solution and the numbers that fit a square.
#pragma once

#include <bitset>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "sudoku/board.h"
#include "sudoku/geometry.h"

namespace sudoku {

// Bit k set: the number k + 1 fits.
using Candidates = std::bitset<largest_board_side>;
// One set per square, laid out like a Board: [x][y].
using CandidateBoard = std::vector<std::vector<Candidates>>;

class Solver {
  public:
    // A flat board: square (x, y) at x * N + y, 0 for an empty square.
    using Grid = std::vector<int>;

    // Only solutions in which `square` holds a number other than `number`
    // count; square -1 lifts the restriction. "Is there a solution other than
    // the known one?" is then a search for a single solution.
    struct Avoid {
        int square = -1;
        int number = 0;
    };

    // Throws std::invalid_argument unless d1 and d2 are from 1 to 9; boxes are
    // d1 columns wide and d2 rows tall, as in Sudoku(d1, d2).
    Solver(int d1, int d2);
    ~Solver();
    Solver(Solver&&) noexcept;
    Solver& operator=(Solver&&) noexcept;

    // The number of solutions, counted up to `limit` (at least 1). A board of
    // the wrong shape, with a number outside 1..N or a repeat has none.
    int count(const Board& board, int limit = 2);
    int count(const Grid& grid, int limit);
    int count(const Grid& grid, int limit, Avoid avoid);

    // The first solution the search meets, or nothing when there is none (or
    // the work budget ran out first).
    std::optional<Board> solve(const Board& board);
    // A solution drawn at random: the search tries each square's numbers in
    // an order drawn from `rng`. Filling an empty grid this way makes a new
    // puzzle's solution.
    std::optional<Grid> random_solution(const Grid& grid, std::mt19937_64& rng);

    // The numbers that no number in the square's row, column or box rules out;
    // an empty set for a filled square. Numbers outside 1..N rule nothing out.
    // An empty result for a board of the wrong shape.
    CandidateBoard candidates(const Board& board) const;

    // Caps the work of each later call (in elementary steps: one step is about
    // one candidate set looked at), so a caller can bound its time without
    // depending on the machine's speed. When a call runs out, its count is a
    // lower bound and out_of_budget() says so.
    void set_budget(std::uint64_t steps) { budget_ = steps; }
    bool out_of_budget() const { return out_of_budget_; }
    // The work the last call did, in the same steps.
    std::uint64_t steps() const { return steps_; }

    int n() const { return n_; }

    // What one search is asked: up to `limit` solutions, the first written to
    // `first` when not null, numbers tried in an order drawn from `shuffle`
    // when not null.
    struct Request {
        int limit = 1;
        Avoid avoid = {};
        Grid* first = nullptr;
        std::mt19937_64* shuffle = nullptr;
        std::uint64_t budget = 0;
    };
    // The search itself, one per word size; defined in solver.cpp.
    class Engine;

  private:
    int count_grid(const Grid& grid, Request request);
    std::optional<Grid> to_grid(const Board& board) const;

    int n_;
    Geometry geometry_;
    std::uint64_t budget_ = std::numeric_limits<std::uint64_t>::max();
    bool out_of_budget_ = false;
    std::uint64_t steps_ = 0;
    std::unique_ptr<Engine> engine_;
};

}  // namespace sudoku
