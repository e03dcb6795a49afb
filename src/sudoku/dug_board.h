// A puzzle being dug out of its full grid, with the candidates of its empty
// squares kept up to date as squares are emptied and given back: the
// generator tries every square, and working the candidates out afresh each
// time would cost a pass over the whole board.
#pragma once

#include <vector>

#include "sudoku/board.h"
#include "sudoku/hint_techniques.h"
#include "sudoku/solver.h"

namespace sudoku {

class DugBoard {
  public:
    DugBoard(const hints::Layout& layout, const Board& grid);

    const Board& puzzle() const { return puzzle_; }
    // The puzzle as the solver takes it: square (x, y) at x * N + y, 0 when empty.
    const Solver::Grid& flat() const { return flat_; }
    std::size_t cell(Square square) const {
        return static_cast<std::size_t>(square.x * layout_.n() + square.y);
    }
    const CandidateBoard& candidates() const { return candidates_; }
    bool given(Square square) const { return at(puzzle_, square).has_value(); }
    // The number the grid has there.
    int number(Square square) const { return static_cast<int>(*at(grid_, square)); }

    void empty(Square square);
    void restore(Square square);

    // Whether, were the given `square` emptied, the givens alone would put
    // its number back: it could take only that number, or no other square of
    // one of its units could. Asked before emptying, as most squares tried
    // are not.
    bool forced(Square square) const;

  private:
    static const Cell& at(const Board& board, Square square) {
        return board[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
    }
    Candidates& candidates_at(Square square) {
        return candidates_[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
    }
    // The numbers given in the square's row, column and box together.
    Candidates seen(Square square) const;
    // Flips the square's number in the given numbers of its units.
    void toggle(Square square);

    const hints::Layout& layout_;
    const Board& grid_;
    Board puzzle_;
    Solver::Grid flat_;
    CandidateBoard candidates_;
    std::vector<Candidates> given_in_;  // per unit, indexed like layout_.units()
    Candidates every_;                  // 1..N
};

}  // namespace sudoku
