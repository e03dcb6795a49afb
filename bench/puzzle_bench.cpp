// How often generated puzzles have exactly one solution, how long making
// them takes, how that compares with QQWing on 9x9, and how long counting the
// solutions of a 9x9 puzzle takes. Prints tables; asserts nothing.
//
//   puzzle_bench          1000 seeds per row up to 16x16, fewer beyond
//   puzzle_bench short    two seeds per row, to check that it runs
//   puzzle_bench SEEDS    that many seeds per row up to 16x16
#include <qqwing.hpp>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "lifecycle/solver.h"
#include "lifecycle/sudoku.h"

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

}  // namespace

int main(int argc, char** argv) {
    const std::string arg = argc > 1 ? argv[1] : "";
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
    return 0;
}
