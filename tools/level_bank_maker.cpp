// Makes the bank's lines for one box side: for every level and share of
// empty squares from 10 to 90 percent, up to SEEDS puzzles of that level by
// the game's own level generator with WORK times its budget, each one rated
// at the level (so with one solution), on stdout; how each share went on
// stderr. A share is given up after SECONDS without a seed; once a level has
// been found, the first share past it that gives none ends the level, as the
// shares a level can hold form one stretch.
//
//   level_bank_maker SIDE SEEDS SECONDS WORK
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "sudoku/full_grid.h"
#include "sudoku/level_bank.h"
#include "sudoku/level_digger.h"
#include "sudoku/rating.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: level_bank_maker SIDE SEEDS SECONDS WORK\n");
        return 2;
    }
    const int side = std::atoi(argv[1]);
    const int seeds = std::atoi(argv[2]);
    const double seconds = std::atof(argv[3]);
    const std::uint64_t work = sudoku::kLevelBudget * std::strtoull(argv[4], nullptr, 10);
    const sudoku::BoxSize size{side, side};
    const int squares = side * side * side * side;
    using Clock = std::chrono::steady_clock;
    for (const auto level :
         {sudoku::Level::easy, sudoku::Level::medium, sudoku::Level::hard, sudoku::Level::expert}) {
        bool found_before = false;
        for (int percent = 10; percent <= 90; percent += 10) {
            const int holes = static_cast<int>(std::lround(percent / 100.0 * squares));
            const auto start = Clock::now();
            std::set<std::string> made;
            std::uint64_t seed = 0;
            while (static_cast<int>(made.size()) < seeds &&
                   std::chrono::duration<double>(Clock::now() - start).count() < seconds) {
                std::mt19937_64 rng(++seed + 1000 * static_cast<std::uint64_t>(percent));
                const auto new_grid = [&] { return sudoku::full_grid(size, rng); };
                const sudoku::DugPuzzle dug =
                    sudoku::dig_for_level(size, holes, level, false, new_grid, rng, work);
                if (dug.level != level || sudoku::rate(dug.puzzle, size) != level) {
                    continue;
                }
                const std::string line = sudoku::bank_line({side, level, percent, dug});
                if (made.insert(line).second) {
                    std::printf("\"%s\",\n", line.c_str());
                    std::fflush(stdout);
                }
            }
            std::fprintf(stderr, "side %d level %d %d%%: %zu seeds from %llu tries, %.1f s\n", side,
                         static_cast<int>(level), percent, made.size(),
                         static_cast<unsigned long long>(seed),
                         std::chrono::duration<double>(Clock::now() - start).count());
            if (made.empty() && found_before) {
                break;
            }
            found_before = found_before || !made.empty();
        }
    }
    return 0;
}
