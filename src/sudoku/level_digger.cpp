#include "sudoku/level_digger.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "sudoku/climber.h"

namespace sudoku {
namespace {

// The largest board side on which a square emptied for a medium puzzle goes
// to the search for another solution before the climb: beyond it the search
// grows faster than the pairs and triples, and the climb alone costs less
// (puzzle_bench levels).
constexpr int kLargestSideSearchedForMedium = 9;

Level above(Level level) {
    return static_cast<Level>(static_cast<int>(level) + 1);
}

Level below(Level level) {
    return static_cast<Level>(static_cast<int>(level) - 1);
}

// How far a result is from the level asked for; needing guesses is furthest.
int distance(Level reached, Level asked) {
    return reached == Level::any ? 10
                                 : std::abs(static_cast<int>(reached) - static_cast<int>(asked));
}

// A puzzle being dug out of its full grid, with the rating it has so far.
class Dig {
  public:
    Dig(const hints::Layout& layout, const Board& grid, std::uint64_t& budget)
        : layout_(layout),
          climber_(layout_),
          board_(layout_, grid, budget, DugBoard::Upkeep::candidates),
          budget_(budget) {}

    const Board& puzzle() const { return board_.puzzle(); }
    Level rating() const { return rating_; }
    // The squares emptied, in the order they were.
    const std::vector<Square>& emptied() const { return emptied_; }
    bool given(Square square) const { return board_.given(square); }
    bool out_of_budget() const { return budget_ == 0; }

    // The climb of the board as it stands, paid from the budget and cut
    // off when that runs out.
    Climb climb_now(ClimbLimits limits) {
        limits.work = budget_;
        return pay(climber_.climb(board_.puzzle(), board_.candidates(), limits));
    }

    // The board's own rating, as rate() gives it, paid from the budget.
    void rate_now() {
        const Climb result = pay(climber_.climb(board_.puzzle(), board_.candidates(), {}));
        rating_ = result.solved ? result.hardest : Level::any;
    }

    // Empties `square` when the ladder up to `most` still brings its number
    // back: at once when the givens alone put it back, else by a climb that
    // stops as soon as it is placed. Whatever else that climb needed raises
    // the rating; the rest of the board is as it was, easier techniques
    // filling it as before. True when it did.
    bool try_empty(Square square, Level most) {
        const bool emptied = board_.try_empty(square, [&] {
            const Climb result = still_unique(square, most) ? climb_now({most, square}) : Climb{};
            if (result.solved) {
                rating_ = std::max(rating_, result.hardest);
            }
            return result.solved;
        });
        if (emptied) {
            emptied_.push_back(square);
        }
        return emptied;
    }

    // Empties `square` unchecked.
    void empty(Square square) {
        board_.empty(square);
        emptied_.push_back(square);
    }

    // Gives `square` its number back.
    void restore(Square square) {
        board_.restore(square);
        emptied_.erase(std::find(emptied_.begin(), emptied_.end(), square));
    }

    // Gives back every square but the first `count` emptied.
    void keep_first(std::size_t count) {
        while (emptied_.size() > count) {
            restore(emptied_.back());
        }
    }

  private:
    // Whether the puzzle still has one solution with `square` emptied, as
    // far as the climb needs to be told. Most squares a climb above the
    // singles would reject fail the search, for far less work; a climb of
    // singles alone costs less than the search, and so does one up to medium
    // on the larger boards.
    bool still_unique(Square square, Level most) {
        if (most == Level::easy ||
            (most == Level::medium && layout_.n() > kLargestSideSearchedForMedium)) {
            return true;
        }
        return board_.one_solution(square);
    }

    Climb pay(const Climb& result) {
        budget_ -= std::min(budget_, result.work);
        return result;
    }

    const hints::Layout& layout_;
    Climber climber_;
    DugBoard board_;
    std::vector<Square> emptied_;
    Level rating_ = Level::easy;
    std::uint64_t& budget_;
};

// Empties the squares of `order` that the ladder up to `most` brings back,
// in that order, until `enough`.
template <class Enough>
void dig_pass(Dig& dig, const std::vector<Square>& order, Level most, Enough enough) {
    for (const Square square : order) {
        if (enough()) {
            return;
        }
        if (dig.given(square)) {
            dig.try_empty(square, most);
        }
    }
}

// Squares go back until `count` are left empty, while the puzzle still needs
// `level`: first those that the easier techniques fill before they are stuck,
// which cannot change the rating (the climb reaches the same place), then
// others, each kept only when the easier techniques still leave the board
// unfinished.
void give_back(Dig& dig, std::size_t count, Level level, std::mt19937_64& rng) {
    std::vector<Square> placed;
    if (dig.climb_now({below(level), std::nullopt, 0, &placed}).solved) {
        placed.clear();  // not the level after all: nothing is safe
    }
    std::shuffle(placed.begin(), placed.end(), rng);
    for (std::size_t i = 0; i < placed.size() && dig.emptied().size() > count; ++i) {
        dig.restore(placed[i]);
    }
    std::vector<Square> back = dig.emptied();
    std::shuffle(back.begin(), back.end(), rng);
    for (std::size_t i = 0; i < back.size() && dig.emptied().size() > count; ++i) {
        if (dig.out_of_budget()) {
            return;
        }
        dig.restore(back[i]);
        if (dig.climb_now({below(level)}).solved) {
            dig.empty(back[i]);
        }
    }
}

// One grid dug for `level`, with the holes in `order`'s order, shuffled.
DugPuzzle attempt(const hints::Layout& layout, std::size_t count, Level level, const Board& grid,
                  std::vector<Square>& order, std::mt19937_64& rng, std::uint64_t& budget) {
    Dig dig(layout, grid, budget);
    std::shuffle(order.begin(), order.end(), rng);
    const auto holes = [&] { return dig.emptied().size(); };
    // The rating only grows as squares are emptied: past the count, to
    // reach the level, and back after.
    dig_pass(dig, order, level,
             [&] { return holes() >= count && (dig.rating() == level || level == Level::easy); });
    // Too many holes for this level: the next levels up continue.
    for (Level most = level; holes() < count && most != Level::expert && !dig.out_of_budget();) {
        most = above(most);
        dig_pass(dig, order, most, [&] { return holes() >= count; });
    }
    if (holes() < count) {
        // Beyond the ladder: random holes, as a puzzle of any level gets.
        for (std::size_t i = 0; holes() < count; ++i) {
            if (dig.given(order[i])) {
                dig.empty(order[i]);
            }
        }
        return {dig.puzzle(), grid, Level::any};
    }
    if (holes() > count && dig.rating() == level) {
        give_back(dig, count, level, rng);
    }
    // Failing that, the squares emptied first make a puzzle of a lower level.
    dig.keep_first(count);
    dig.rate_now();
    return {dig.puzzle(), grid, dig.rating()};
}

}  // namespace

DugPuzzle dig_for_level(BoxSize size, int holes, Level level, bool too_many,
                        const std::function<Board()>& new_grid, std::mt19937_64& rng,
                        std::uint64_t work) {
    const hints::Layout layout(size);
    std::vector<Square> order = every_square(layout.n());
    const auto count = static_cast<std::size_t>(holes);
    if (count == 0) {
        const Board grid = new_grid();
        return {grid, grid, Level::easy};
    }
    // A quarter of the budget stays for an easy puzzle, which is quick to
    // make, should the level asked for not be found: on the large boards
    // one attempt at a hard level can spend all the rest.
    const std::uint64_t reserve = level == Level::easy ? 0 : work / 4;
    std::uint64_t budget = work - reserve;
    DugPuzzle best = attempt(layout, count, level, new_grid(), order, rng, budget);
    for (int tries = 1; !too_many && tries < kMaxAttempts && best.level != level && budget > 0;
         ++tries) {
        DugPuzzle next = attempt(layout, count, level, new_grid(), order, rng, budget);
        if (distance(next.level, level) < distance(best.level, level)) {
            best = std::move(next);
        }
    }
    budget += reserve;
    if (!too_many && best.level == Level::any && level != Level::easy) {
        DugPuzzle easy = attempt(layout, count, Level::easy, new_grid(), order, rng, budget);
        if (easy.level != Level::any) {
            best = std::move(easy);
        }
    }
    return best;
}

}  // namespace sudoku
