// How often generated puzzles have exactly one solution, how long making
// them takes, how that compares with QQWing on 9x9, and how long counting the
// solutions of a 9x9 puzzle takes, and puzzles made for a level beside
// QQWing's own level-targeted generation. Prints tables; asserts nothing.
//
//   puzzle_bench          1000 seeds per row up to 16x16, fewer beyond
//   puzzle_bench short    two seeds per row, to check that it runs
//   puzzle_bench SEEDS    that many seeds per row up to 16x16
//   puzzle_bench levels [SEEDS]  only the table of puzzles made for a level:
//                                SEEDS per share up to 9x9 (50), a fifth beyond
//   puzzle_bench go [SEEDS]      only the slowest new game for a level, per size
//   puzzle_bench typed [SEEDS]   only Enter a Puzzle.'s wait: a puzzle read,
//                                checked and rated, as made and with a given
//                                changed so that it has no solution
#include <qqwing.hpp>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "lifecycle/new_game.h"
#include "lifecycle/typed_puzzle.h"
#include "sudoku/level_bank.h"
#include "sudoku/rating.h"
#include "sudoku/rules.h"
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

// Every level at every share of its range (level_bank.h) on every board up
// to 25x25: how many puzzles were rated the level asked, and what making
// them cost; on 9x9 beside QQWing's matching level (simple, easy,
// intermediate, expert: its expert needs guessing, ours never does, so only
// the speed compares), with QQWing's median over ours.
void level_table(int seeds, int large_seeds, int qqwing_puzzles) {
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
    std::printf(
        "\nPuzzles made for a level at every share of its range, %d seeds per row up to "
        "9x9, %d beyond; QQWing %d puzzles per level\n",
        seeds, large_seeds, qqwing_puzzles);
    std::printf("%-7s %-7s %6s %9s %10s %11s %12s %8s\n", "board", "level", "empty", "met",
                "median ms", "slowest ms", "QQWing med", "ratio");
    for (int side = 2; side <= 5; ++side) {
        const sudoku::Sudoku empty(side, side);
        const int row_seeds = side <= 3 ? seeds : large_seeds;
        const std::string board = std::to_string(side * side) + "x" + std::to_string(side * side);
        for (const auto& l : levels) {
            const std::optional<sudoku::ShareRange> range =
                sudoku::level_range({side, side}, l.level);
            if (!range) {
                std::printf("%-7s %-7s   none\n", board.c_str(), l.name);
                continue;
            }
            const double theirs = side == 3 ? qqwing_level(l.theirs, qqwing_puzzles).median : 0;
            for (int percent = range->lowest; percent <= range->highest; percent += 10) {
                std::vector<double> us;
                int met = 0;
                for (int seed = 0; seed < row_seeds; ++seed) {
                    const auto start = Clock::now();
                    const sudoku::Sudoku puzzle = empty.difficulty(
                        percent / 100.0, l.level, static_cast<std::uint64_t>(seed));
                    us.push_back(micros_since(start));
                    met += sudoku::rate(puzzle.board, {side, side}) == l.level ? 1 : 0;
                }
                const Spread s = spread(us);
                const std::string met_of = std::to_string(met) + "/" + std::to_string(row_seeds);
                std::printf("%-7s %-7s %5d%% %9s %10.3f %11.3f", board.c_str(), l.name, percent,
                            met_of.c_str(), s.median / 1000.0, s.slowest / 1000.0);
                if (side == 3) {
                    std::printf(" %12.2f %8.0f", theirs / 1000.0, theirs / s.median);
                }
                std::printf("\n");
                std::fflush(stdout);
            }
        }
    }
}

// The slowest new game for a level at each board size, over every share of
// empty squares the new-game dialog offers, made as "Go!" makes it (a share
// outside the level's range moved into it): what "Go!" waits for before the
// first square is spoken; and up to which share every puzzle made was rated,
// so that the ladder finishes it and it has one solution.
void go_table(int seeds) {
    std::printf("\nNew games for a level, every size, 10%% to 90%% empty, %d games each\n", seeds);
    std::printf("%-7s %-7s %10s %11s %8s %9s\n", "board", "level", "median ms", "slowest ms", "at",
                "rated to");
    constexpr const char* names[] = {"any", "easy", "medium", "hard", "expert"};
    for (int side = 2; side <= 9; ++side) {
        for (const auto level : {sudoku::Level::easy, sudoku::Level::medium, sudoku::Level::hard,
                                 sudoku::Level::expert}) {
            std::vector<double> us;
            double slowest = 0;
            int slowest_at = 0;
            int rated_to = 0;
            for (int percent = 10; percent <= 90; percent += 10) {
                bool all_rated = true;
                for (int game = 0; game < seeds; ++game) {
                    const auto start = Clock::now();
                    const sudoku::NewGame made =
                        sudoku::make_game({{side, side}, percent / 100.0, level});
                    us.push_back(micros_since(start));
                    if (us.back() > slowest) {
                        slowest = us.back();
                        slowest_at = percent;
                    }
                    all_rated = all_rated && made.play.level() != sudoku::Level::any;
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

// The puzzle with one given changed to a number the rule allows there: it
// keeps the rule and almost always has no solution, the slowest to prove.
sudoku::Board without_solution(sudoku::Board board, int side) {
    for (auto& column : board) {
        for (sudoku::Cell& cell : column) {
            if (!cell) {
                continue;
            }
            const sudoku::Value given = *cell;
            for (sudoku::Value other = 1; other <= side * side; ++other) {
                cell = other;
                if (other != given && sudoku::keeps_rule(board, {side, side})) {
                    return board;
                }
            }
            cell = given;
        }
    }
    return board;
}

// What the player waits for after Enter in Enter a Puzzle.'s box: the text
// read, the rule and the solutions checked, and the puzzle rated.
double typed_wait_ms(const sudoku::Board& board) {
    const auto start = Clock::now();
    auto read = sudoku::read_puzzle(sudoku::puzzle_text(board));
    if (auto* puzzle = std::get_if<sudoku::TypedPuzzle>(&read)) {
        (void)sudoku::rate(puzzle->board, puzzle->size);
    }
    return micros_since(start) / 1000.0;
}

void typed_table(int seeds) {
    std::printf("\nEnter a Puzzle.: the wait after Enter, ms (%d puzzles per row)\n", seeds);
    std::printf("%-7s %6s %12s %12s %16s %16s\n", "board", "empty", "as made med", "as made max",
                "no solution med", "no solution max");
    for (int side = 3; side <= 9; ++side) {
        for (int percent : {30, 50, 70}) {
            std::vector<double> made;
            std::vector<double> broken;
            for (int seed = 0; seed < seeds; ++seed) {
                const sudoku::Board board = sudoku::Sudoku(side, side)
                                                .difficulty(percent / 100.0, std::uint64_t(seed))
                                                .board;
                made.push_back(typed_wait_ms(board));
                broken.push_back(typed_wait_ms(without_solution(board, side)));
            }
            const std::string name =
                std::to_string(side * side) + "x" + std::to_string(side * side);
            std::printf("%-7s %5d%% %12.2f %12.2f %16.2f %16.2f\n", name.c_str(), percent,
                        spread(made).median, spread(made).slowest, spread(broken).median,
                        spread(broken).slowest);
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
    if (arg == "typed") {
        typed_table(argc > 2 ? std::max(1, std::atoi(argv[2])) : 5);
        return 0;
    }
    if (arg == "levels") {
        const int seeds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
        level_table(seeds, std::max(1, seeds / 5), seeds);
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
    level_table(brief ? 2 : 50, brief ? 1 : 10, brief ? 2 : 50);
    go_table(brief ? 1 : 3);
    typed_table(brief ? 1 : 5);
    return 0;
}
