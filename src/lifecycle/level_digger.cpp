#include "lifecycle/level_digger.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "lifecycle/ladder.h"
#include "lifecycle/solver.h"
#include "lifecycle/techniques.h"

namespace sudoku {
namespace {

// Work the generator may spend on climbs, in the climb's steps. Set with
// bench/puzzle_bench so that the slowest board and level stays well under
// the 150 ms from "Go!" to the first square; counted in work rather than
// time, so a seed gives the same puzzle on any machine.
constexpr std::uint64_t kLevelBudget = 4'000'000;
// Fresh grids tried before settling for the nearest level.
constexpr int kMaxAttempts = 40;

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

class Dig {
  public:
    Dig(BoxSize size, std::uint64_t& budget)
        : layout_(size), solver_(size.first, size.second), budget_(budget) {}

    // The climb of the board as it stands, up to `most`, paid from the budget.
    Climb climb_now(Level most) { return climb_now(most, solver_.candidates(puzzle)); }
    Climb climb_now(Level most, CandidateBoard candidates) {
        const Climb result = climb(layout_, puzzle, std::move(candidates), most);
        budget_ -= std::min(budget_, result.work);
        return result;
    }

    // Empties `square` when the ladder up to `most` still fills the board,
    // and gives the puzzle's new rating: at once when the givens alone put
    // its number back (the rating stays `rating`), else by a climb.
    std::optional<Level> try_empty(Square square, Level most, Level rating) {
        Cell& cell = at(square);
        const Cell number = cell;
        cell.reset();
        CandidateBoard candidates = solver_.candidates(puzzle);
        if (forced(candidates, square, static_cast<int>(*number))) {
            return rating;
        }
        if (budget_ > 0) {
            const Climb result = climb_now(most, std::move(candidates));
            if (result.solved) {
                return result.hardest;
            }
        }
        cell = number;
        return std::nullopt;
    }

    Cell& at(Square square) {
        return puzzle[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
    }

    Board puzzle;

  private:
    // A single on the givens: the square can take only its number, or no
    // other square of one of its units can take that number.
    bool forced(const CandidateBoard& candidates, Square square, int number) const {
        if (hints::count_to(hints::at(candidates, square), 1) == 1) {
            return true;
        }
        for (const Unit kind : {Unit::row, Unit::column, Unit::box}) {
            const std::vector<Square>& unit = layout_.squares(layout_.unit_of(square, kind));
            if (std::none_of(unit.begin(), unit.end(), [&](Square other) {
                    return other != square && hints::has(candidates, other, number);
                })) {
                return true;
            }
        }
        return false;
    }

    hints::Layout layout_;
    Solver solver_;
    std::uint64_t& budget_;
};

// One grid dug for `level`, with the holes in `order`'s order, shuffled.
LevelPuzzle attempt(BoxSize size, std::size_t count, Level level, const Board& grid,
                    std::vector<Square>& order, std::mt19937_64& rng, std::uint64_t& budget) {
    Dig dig(size, budget);
    dig.puzzle = grid;
    std::shuffle(order.begin(), order.end(), rng);
    // The rating only grows as squares are emptied: past the count, to
    // reach the level, and back after.
    std::vector<Square> emptied;
    std::vector<Level> rated;  // the rating after each square emptied
    Level reached = level;
    for (const Square square : order) {
        const Level now = rated.empty() ? Level::easy : rated.back();
        if (emptied.size() >= count && (now == level || level == Level::easy)) {
            break;
        }
        if (const auto rating = dig.try_empty(square, level, now)) {
            emptied.push_back(square);
            rated.push_back(*rating);
        }
    }
    // Too many holes for this level: the next levels up continue.
    while (emptied.size() < count && reached != Level::expert) {
        reached = above(reached);
        for (const Square square : order) {
            if (emptied.size() < count && dig.at(square)) {
                const Level now = rated.empty() ? Level::easy : rated.back();
                if (const auto rating = dig.try_empty(square, reached, now)) {
                    emptied.push_back(square);
                    rated.push_back(*rating);
                }
            }
        }
    }
    if (emptied.size() < count) {
        // Beyond the ladder: random holes, as a puzzle of any level gets.
        std::vector<Square> filled;
        std::copy_if(order.begin(), order.end(), std::back_inserter(filled),
                     [&](Square square) { return dig.at(square).has_value(); });
        for (std::size_t i = 0; emptied.size() < count; ++i) {
            dig.at(filled[i]).reset();
            emptied.push_back(filled[i]);
        }
        reached = Level::any;
    } else if (emptied.size() > count && rated.back() == level) {
        // Squares go back while the level stays.
        std::vector<Square> back = emptied;
        std::shuffle(back.begin(), back.end(), rng);
        for (std::size_t i = 0; i < back.size() && emptied.size() > count && budget > 0; ++i) {
            const Square square = back[i];
            dig.at(square) =
                grid[static_cast<std::size_t>(square.x)][static_cast<std::size_t>(square.y)];
            if (dig.climb_now(below(level)).solved) {
                dig.at(square).reset();
            } else {
                emptied.erase(std::find(emptied.begin(), emptied.end(), square));
            }
        }
        reached = level;
    } else if (emptied.size() == count) {
        reached = rated.back();
    }
    if (emptied.size() > count) {
        // Failing that, the squares emptied first make a puzzle of a lower level.
        dig.puzzle = grid;
        for (std::size_t i = 0; i < count; ++i) {
            dig.at(emptied[i]).reset();
        }
        reached = dig.climb_now(level).hardest;
    }
    return {dig.puzzle, grid, reached};
}

}  // namespace

LevelPuzzle dig_for_level(BoxSize size, int holes, Level level,
                          const std::function<Board()>& new_grid, std::mt19937_64& rng) {
    const int n = size.first * size.second;
    std::vector<Square> order;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            order.push_back({x, y});
        }
    }
    const auto count = static_cast<std::size_t>(holes);
    if (count == 0) {
        const Board grid = new_grid();
        return {grid, grid, Level::easy};
    }
    std::uint64_t budget = kLevelBudget;
    LevelPuzzle best = attempt(size, count, level, new_grid(), order, rng, budget);
    // A quarter of the budget stays for an easy puzzle, which is quick to
    // make, should the level asked for not be found.
    for (int tries = 1; tries < kMaxAttempts && best.level != level && budget > kLevelBudget / 4;
         ++tries) {
        LevelPuzzle next = attempt(size, count, level, new_grid(), order, rng, budget);
        if (distance(next.level, level) < distance(best.level, level)) {
            best = std::move(next);
        }
    }
    if (best.level == Level::any && level != Level::easy) {
        LevelPuzzle easy = attempt(size, count, Level::easy, new_grid(), order, rng, budget);
        if (easy.level != Level::any) {
            best = std::move(easy);
        }
    }
    return best;
}

}  // namespace sudoku
