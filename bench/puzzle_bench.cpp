// How often generated puzzles have exactly one solution, how long making
// them takes, how that compares with QQWing on 9x9, and how long counting the
// solutions of a 9x9 puzzle takes, and puzzles made for a level beside
// QQWing's own level-targeted generation. Prints tables; asserts nothing.
//
//   puzzle_bench          1000 seeds per row up to 16x16, fewer beyond
//   puzzle_bench short    two seeds per row, to check that it runs
//   puzzle_bench SEEDS    that many seeds per row up to 16x16
//   puzzle_bench levels [SEEDS]  only the tables of puzzles made for a level
//   puzzle_bench go [SEEDS]      only the slowest puzzle made for a level, per size
#include <qqwing.hpp>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "sudoku/rating.h"
#include "sudoku/solver.h"
#include "sudoku/sudoku.h"

namespace {

using Clock = std::chrono::steady_clock;

double micros_since(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

struct Spread {
    double median = 0;
    double slowest = 0;
};

Spread spread(std::vector<double> us) {
    std::sort(us.begin(), us.end());
    return {us[us.size() / 2], us.back()};
}

// Work a uniqueness proof may take here; far more than the generator's, so
// that "unknown" only remains where proving is out of reach. A short run
// only shows that the program works and takes far less.
constexpr std::uint64_t kProofBudget = 400'000'000;
constexpr std::uint64_t kShortProofBudget = 2'000'000;

struct Row {
    int side;
    int seeds;
};

void uniqueness_table(const std::vector<Row>& rows, std::uint64_t proof_budget,
                      std::vector<double>& generated_9x9_at_60) {
    std::printf("Uniqueness of generated puzzles (boxes side x side, seeds 0..n-1)\n");
    std::printf("%-7s %6s %6s %8s %8s %12s %12s\n", "board", "empty", "seeds", "unique", "unknown",
                "median ms", "slowest ms");
    for (const Row& row : rows) {
        const int n = row.side * row.side;
        const sudoku::Sudoku empty(row.side, row.side);
        sudoku::Solver proof(row.side, row.side);
        proof.set_budget(proof_budget);
        for (int percent = 10; percent <= 90; percent += 10) {
            std::vector<double> us;
            int unique = 0;
            int unknown = 0;
            for (int seed = 0; seed < row.seeds; ++seed) {
                const auto start = Clock::now();
                const sudoku::Sudoku puzzle =
                    empty.difficulty(percent / 100.0, static_cast<std::uint64_t>(seed));
                us.push_back(micros_since(start));
                const int solutions = proof.count(puzzle.board, 2);
                if (proof.out_of_budget()) {
                    ++unknown;
                } else if (solutions == 1) {
                    ++unique;
                }
            }
            if (n == 9 && percent == 60) {
                generated_9x9_at_60 = us;
            }
            const Spread s = spread(us);
            const std::string board = std::to_string(n) + "x" + std::to_string(n);
            std::printf("%-7s %5d%% %6d %7.1f%% %8d %12.3f %12.3f\n", board.c_str(), percent,
                        row.seeds, 100.0 * unique / row.seeds, unknown, s.median / 1000.0,
                        s.slowest / 1000.0);
            std::fflush(stdout);
        }
    }
}

void qqwing_ratio(int puzzles, const std::vector<double>& ours) {
    std::srand(1);
    std::vector<double> theirs;
    for (int i = 0; i < puzzles; ++i) {
        qqwing::SudokuBoard board;
        const auto start = Clock::now();
        board.generatePuzzle();
        theirs.push_back(micros_since(start));
    }
    const Spread q = spread(theirs);
    const Spread o = spread(ours);
    std::printf(
        "\n9x9 generation, this run: QQWing %d puzzles median %.1f us (slowest %.1f us); "
        "ours at 60%% empty, %zu puzzles, median %.1f us (slowest %.1f us)\n",
        puzzles, q.median, q.slowest, ours.size(), o.median, o.slowest);
    std::printf("QQWing median / our median = %.1f\n", q.median / o.median);
}

void count_table(int seeds) {
    std::printf("\nCounting the solutions of generated 9x9 puzzles (limit 2), %d per row\n", seeds);
    std::printf("%6s %10s %10s %12s\n", "empty", "median us", "slowest us", "solutions");
    sudoku::Solver solver(3, 3);
    const sudoku::Sudoku empty(3, 3);
    std::vector<double> all;
    for (int percent = 10; percent <= 90; percent += 10) {
        std::vector<sudoku::Board> boards;
        for (int seed = 0; seed < seeds; ++seed) {
            boards.push_back(
                empty.difficulty(percent / 100.0, static_cast<std::uint64_t>(seed)).board);
        }
        std::vector<double> us;
        int one = 0;
        for (const sudoku::Board& board : boards) {
            const auto start = Clock::now();
            const int solutions = solver.count(board, 2);
            us.push_back(micros_since(start));
            one += solutions == 1 ? 1 : 0;
        }
        all.insert(all.end(), us.begin(), us.end());
        const Spread s = spread(us);
        std::printf("%5d%% %10.2f %10.2f %8d of %d unique\n", percent, s.median, s.slowest, one,
                    seeds);
    }
    const Spread s = spread(all);
    std::printf("all    %10.2f %10.2f\n", s.median, s.slowest);
}

// As QQWing's command line does for a difficulty: generate, rate by its
// own solver, repeat until the rating matches.
Spread qqwing_level(qqwing::SudokuBoard::Difficulty wanted, int puzzles) {
    std::vector<double> us;
    for (int i = 0; i < puzzles; ++i) {
        const auto start = Clock::now();
        for (;;) {
            qqwing::SudokuBoard board;
            board.setRecordHistory(true);
            board.generatePuzzle();
            board.solve();
            if (board.getDifficulty() == wanted) {
                break;
            }
        }
        us.push_back(micros_since(start));
    }
    return spread(us);
}

// Every level at every 9x9 share of empty squares, with QQWing's matching
// level beside it (simple, easy, intermediate, expert: its expert needs
// guessing, ours never does, so only the speed compares).
void level_table(int seeds, int qqwing_puzzles) {
    using D = qqwing::SudokuBoard::Difficulty;
    const struct {
        sudoku::Level level;
        const char* name;
        D theirs;
    } levels[] = {{sudoku::Level::easy, "easy", D::SIMPLE},
                  {sudoku::Level::medium, "medium", D::EASY},
                  {sudoku::Level::hard, "hard", D::INTERMEDIATE},
                  {sudoku::Level::expert, "expert", D::EXPERT}};
    std::srand(2);
    std::printf("\n9x9 puzzles made for a level, %d seeds per row; QQWing %d puzzles per level\n",
                seeds, qqwing_puzzles);
    std::printf("%-7s %6s %10s %11s %6s %12s %12s %8s\n", "level", "empty", "median ms",
                "slowest ms", "met", "QQWing med", "QQWing max", "ratio");
    const sudoku::Sudoku empty(3, 3);
    for (const auto& l : levels) {
        const Spread q = qqwing_level(l.theirs, qqwing_puzzles);
        for (int percent = 30; percent <= 80; percent += 10) {
            std::vector<double> us;
            int met = 0;
            for (int seed = 0; seed < seeds; ++seed) {
                const auto start = Clock::now();
                const sudoku::Sudoku puzzle =
                    empty.difficulty(percent / 100.0, l.level, static_cast<std::uint64_t>(seed));
                us.push_back(micros_since(start));
                met += puzzle.level() == l.level ? 1 : 0;
            }
            const Spread s = spread(us);
            std::printf("%-7s %5d%% %10.2f %11.2f %5.0f%% %12.2f %12.2f %8.1f\n", l.name, percent,
                        s.median / 1000.0, s.slowest / 1000.0, 100.0 * met / seeds,
                        q.median / 1000.0, q.slowest / 1000.0, q.median / s.median);
            std::fflush(stdout);
        }
    }
}

// How far puzzles made for a level stay unique on the large boards, and
// what they cost.
void large_level_table(int seeds) {
    std::printf("\nLarge boards made for a level, %d seeds per row\n", seeds);
    std::printf("%-7s %-7s %6s %8s %6s %10s %11s\n", "board", "level", "empty", "unique", "met",
                "median ms", "slowest ms");
    for (const int side : {4, 5}) {
        const sudoku::Sudoku empty(side, side);
        sudoku::Solver proof(side, side);
        proof.set_budget(kProofBudget);
        for (const auto level : {sudoku::Level::easy, sudoku::Level::medium, sudoku::Level::hard,
                                 sudoku::Level::expert}) {
            for (int percent = 40; percent <= 70; percent += 10) {
                std::vector<double> us;
                int unique = 0;
                int met = 0;
                for (int seed = 0; seed < seeds; ++seed) {
                    const auto start = Clock::now();
                    const sudoku::Sudoku puzzle =
                        empty.difficulty(percent / 100.0, level, static_cast<std::uint64_t>(seed));
                    us.push_back(micros_since(start));
                    met += puzzle.level() == level ? 1 : 0;
                    unique += proof.count(puzzle.board, 2) == 1 && !proof.out_of_budget() ? 1 : 0;
                }
                const Spread s = spread(us);
                const std::string board =
                    std::to_string(side * side) + "x" + std::to_string(side * side);
                constexpr const char* names[] = {"any", "easy", "medium", "hard", "expert"};
                std::printf("%-7s %-7s %5d%% %7.0f%% %5.0f%% %10.2f %11.2f\n", board.c_str(),
                            names[static_cast<int>(level)], percent, 100.0 * unique / seeds,
                            100.0 * met / seeds, s.median / 1000.0, s.slowest / 1000.0);
                std::fflush(stdout);
            }
        }
    }
}

// The slowest generation for a level at each board size, over every share
// of empty squares the new-game dialog offers: what "Go!" waits for before
// the first square is spoken; and up to which share every puzzle made was
// rated, so that the ladder finishes it and it has one solution.
void go_table(int seeds) {
    std::printf("\nPuzzles made for a level, every size, 10%% to 90%% empty, %d seeds each\n",
                seeds);
    std::printf("%-7s %-7s %10s %11s %8s %9s\n", "board", "level", "median ms", "slowest ms", "at",
                "rated to");
    constexpr const char* names[] = {"any", "easy", "medium", "hard", "expert"};
    for (int side = 2; side <= 9; ++side) {
        const sudoku::Sudoku empty(side, side);
        for (const auto level : {sudoku::Level::easy, sudoku::Level::medium, sudoku::Level::hard,
                                 sudoku::Level::expert}) {
            std::vector<double> us;
            double slowest = 0;
            int slowest_at = 0;
            int rated_to = 0;
            for (int percent = 10; percent <= 90; percent += 10) {
                bool all_rated = true;
                for (int seed = 0; seed < seeds; ++seed) {
                    const auto start = Clock::now();
                    const sudoku::Sudoku puzzle =
                        empty.difficulty(percent / 100.0, level, static_cast<std::uint64_t>(seed));
                    us.push_back(micros_since(start));
                    if (us.back() > slowest) {
                        slowest = us.back();
                        slowest_at = percent;
                    }
                    all_rated = all_rated && puzzle.level() != sudoku::Level::any;
                }
                rated_to = all_rated && rated_to == percent - 10 ? percent : rated_to;
            }
            const std::string board =
                std::to_string(side * side) + "x" + std::to_string(side * side);
            std::printf("%-7s %-7s %10.2f %11.2f %7d%% %8d%%\n", board.c_str(),
                        names[static_cast<int>(level)], spread(us).median / 1000.0,
                        slowest / 1000.0, slowest_at, rated_to);
            std::fflush(stdout);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string arg = argc > 1 ? argv[1] : "";
    if (arg == "go") {
        go_table(argc > 2 ? std::max(1, std::atoi(argv[2])) : 3);
        return 0;
    }
    if (arg == "levels") {
        const int seeds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
        level_table(seeds, seeds);
        large_level_table(std::max(1, seeds / 10));
        return 0;
    }
    const bool brief = arg == "short";
    const int seeds = brief ? 2 : arg.empty() ? 1000 : std::max(1, std::atoi(arg.c_str()));
    // Large boards take long to make and far longer to prove unique.
    const auto fewer = [&](int most) { return std::min(seeds, most); };
    const std::vector<Row> rows = {{2, seeds},    {3, seeds},    {4, fewer(100)}, {5, fewer(20)},
                                   {6, fewer(5)}, {7, fewer(3)}, {8, fewer(3)},   {9, fewer(3)}};
    std::vector<double> ours;
    uniqueness_table(rows, brief ? kShortProofBudget : kProofBudget, ours);
    qqwing_ratio(brief ? 10 : 1000, ours);
    count_table(brief ? 10 : 1000);
    level_table(brief ? 2 : 50, brief ? 2 : 50);
    large_level_table(brief ? 1 : 5);
    go_table(brief ? 1 : 3);
    return 0;
}
