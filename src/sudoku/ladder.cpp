#include "sudoku/ladder.h"

#include "sudoku/techniques.h"

namespace sudoku::hints {
namespace {

constexpr Technique kLadder[] = {
    {Elimination::Kind::pointing, Level::medium, largest_board_side, pointing, confined},
    {Elimination::Kind::claiming, Level::medium, largest_board_side, claiming, confined},
    {Elimination::Kind::naked_pair, Level::medium, largest_board_side, naked_set<2>, naked_holds},
    {Elimination::Kind::hidden_pair, Level::medium, largest_board_side, hidden_set<2>,
     hidden_holds},
    {Elimination::Kind::naked_triple, Level::medium, largest_board_side, naked_set<3>, naked_holds},
    {Elimination::Kind::hidden_triple, Level::medium, largest_board_side, hidden_set<3>,
     hidden_holds},
    {Elimination::Kind::x_wing, Level::hard, largest_board_side, fish<2>, fish_holds},
    {Elimination::Kind::swordfish, Level::hard, largest_board_side, fish<3>, fish_holds},
    {Elimination::Kind::xy_wing, Level::hard, largest_board_side, xy_wing, xy_wing_holds},
    {Elimination::Kind::naked_quad, Level::hard, largest_board_side, naked_set<4>, naked_holds},
    {Elimination::Kind::hidden_quad, Level::hard, largest_board_side, hidden_set<4>, hidden_holds},
    {Elimination::Kind::colouring, Level::expert, 25, colouring, chain_holds},
    {Elimination::Kind::x_chain, Level::expert, 25, x_chain, chain_holds},
    {Elimination::Kind::xy_chain, Level::expert, 25, xy_chain, chain_holds},
    {Elimination::Kind::forcing_chain, Level::expert, 16, forcing_chain, forcing_holds,
     first_forcing_chain},
};

}  // namespace

std::span<const Technique> ladder() {
    return kLadder;
}

}  // namespace sudoku::hints
