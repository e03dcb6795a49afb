// A puzzle being dug out of its full grid, for both generators: the one that
// empties a share of the squares and the one that aims at a level. Squares
// are emptied one by one and given back when the puzzle would lose its one
// solution. For the level generator, which climbs after every square it
// tries, the board also keeps the candidates of its empty squares up to date:
// working them out afresh each time would cost a pass over the whole board.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "sudoku/board.h"
#include "sudoku/hint_techniques.h"
#include "sudoku/rating.h"
#include "sudoku/solver.h"

namespace sudoku {

// Fresh grids a generator digs before it settles for the best puzzle found.
constexpr int kMaxAttempts = 40;

// What a generator gives.
struct DugPuzzle {
    Board puzzle;
    Board solution;
    Level level = Level::any;  // its rating when made for a level
};

// Every square of an n x n board, column by column: what a generator
// shuffles into the order it tries squares in.
std::vector<Square> every_square(int n);

class DugBoard {
  public:
    // What the board keeps up to date besides the givens: the candidates are
    // only kept for a generator that climbs, as they cost a pass over the
    // square's peers each time.
    enum class Upkeep { givens, candidates };

    // Spends solver work from `budget`, which outlives the board: a
    // generator's budget covers every grid it digs.
    DugBoard(const hints::Layout& layout, const Board& grid, std::uint64_t& budget, Upkeep upkeep);

    const Board& puzzle() const { return puzzle_; }
    // With Upkeep::candidates only.
    const CandidateBoard& candidates() const { return candidates_; }
    bool given(Square square) const { return at(puzzle_, square).has_value(); }

    void empty(Square square);
    void restore(Square square);

    // Empties the given `square` when the givens alone put its number back
    // (forced), or else when `keeps()`, asked with the square emptied, says
    // the puzzle is still as wanted; gives it back otherwise. Once the budget
    // is spent only forced squares are emptied. True when it emptied it.
    template <class Keeps>
    bool try_empty(Square square, Keeps keeps) {
        if (forced(square)) {
            empty(square);
            return true;
        }
        if (budget_ == 0) {
            return false;
        }
        empty(square);
        if (keeps()) {
            return true;
        }
        restore(square);
        return false;
    }

    // Whether the puzzle, with `square` just emptied, still has one
    // solution: it had one, and keeps it unless another number fits there.
    // False, and the budget spent, when the search runs out of it.
    bool one_solution(Square square);

  private:
    static const Cell& at(const Board& board, Square square) {
        return board[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
    }
    Candidates& candidates_at(Square square) {
        return candidates_[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
    }
    std::size_t cell(Square square) const {
        return static_cast<std::size_t>(square.x * layout_.n() + square.y);
    }
    // The number the grid has there.
    int number(Square square) const { return static_cast<int>(*at(grid_, square)); }
    // Whether, were the given `square` emptied, the givens alone would put
    // its number back: it could take only that number, or no other square of
    // one of its units could. Asked before emptying, as most squares tried
    // are not.
    bool forced(Square square) const;
    // The numbers given in the square's row, column and box together.
    Candidates seen(Square square) const;
    // Flips the square's number in the given numbers of its units.
    void toggle(Square square);

    const hints::Layout& layout_;
    const Board& grid_;
    std::uint64_t& budget_;
    Upkeep upkeep_;
    Board puzzle_;
    Solver::Grid flat_;  // the puzzle as the solver takes it
    CandidateBoard candidates_;
    std::vector<Candidates> given_in_;  // per unit, by Geometry::unit_number
    Candidates every_;                  // 1..N
    std::optional<Solver> solver_;  // made when first needed: most digs of small boards need none
};

}  // namespace sudoku
