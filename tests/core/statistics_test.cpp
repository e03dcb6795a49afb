// The statistics as counted, said and kept: tallies and their lines, the file
// read back as written, a broken one set aside, and a session counting a
// typed puzzle started and won, its new best time said after the box.
#include "lifecycle/statistics.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "board_rows.h"
#include "lifecycle/session.h"
#include "lifecycle/statistics_store.h"
#include "scratch.h"

namespace sudoku {
namespace {

namespace fs = std::filesystem;

TEST(Statistics, TalliesAreSaidLineByLine) {
    Statistics statistics;
    const Day today{2026, 12, 9};
    EXPECT_EQ(statistics_lines(statistics, today),
              std::vector<std::string>{"No games played yet."});
    for (int game = 0; game < 15; ++game) {
        statistics.started(9, Level::medium);
    }
    EXPECT_TRUE(statistics.won(9, Level::medium, 600));
    EXPECT_TRUE(statistics.won(9, Level::medium, 372)) << "faster";
    EXPECT_FALSE(statistics.won(9, Level::medium, 408)) << "slower";
    for (int game = 3; game < 12; ++game) {
        statistics.won(9, Level::medium, 620);
    }
    statistics.started(4, Level::any);
    statistics.daily = {"2026-12-09", 5, 12};
    EXPECT_EQ(statistics_lines(statistics, today),
              (std::vector<std::string>{
                  "4x4 any level: 0 won of 1.",
                  "9x9 medium: 12 won of 15, best 6 minutes 12 seconds, average 9 minutes 40 "
                  "seconds.",
                  "Daily puzzle: 5 days in a row, longest 12."}));
    EXPECT_EQ(decode_statistics(encode_statistics(statistics)), statistics);
}

TEST(Statistics, AFileThatCannotBeReadIsSetAsideAndCountingStartsAfresh) {
    test_support::ScratchFolder folder;
    const std::string file = (folder.path() / "statistics.json").string();
    StatisticsStore(file).change([](Statistics& s) { s.started(16, Level::hard); });
    EXPECT_EQ(StatisticsStore(file).statistics().games.at({16, Level::hard}).started, 1);

    for (const char* broken : {"{\"games\": [{\"size\": 7, \"level\": \"easy\"}], \"daily\": {}}",
                               "not json", "{\"games\": [], \"daily\": {\"current\": -1}}"}) {
        std::ofstream(file, std::ios::trunc) << broken;
        StatisticsStore store(file);
        EXPECT_TRUE(store.statistics().games.empty()) << broken;
        std::ifstream aside(file + ".broken");
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(aside), {}), broken);
        EXPECT_FALSE(fs::exists(file));
    }
}

TEST(Statistics, ASessionCountsAGameStartedAndWonAndSaysANewBestTime) {
    test_support::ScratchFolder folder;
    const std::string file = (folder.path() / "statistics.json").string();
    Session session(std::make_unique<Autosave>((folder.path() / "current.sudoku").string()), file);
    const Board one_left = from_rows({{1, 0, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}});
    session.enter({one_left, {2, 2}, false, std::nullopt});
    const auto begun = std::chrono::steady_clock::now();
    session.start(begun);
    session.run_clock(true, begun);
    session.handle({Verb::right}, std::nullopt, begun);
    const Answer won =
        session.handle({Verb::place, 2}, std::nullopt, begun + std::chrono::seconds(65));
    ASSERT_TRUE(won.won);
    EXPECT_EQ(won.said.back().text, "New best time for 4x4 easy: 1 minute 5 seconds.");
    EXPECT_TRUE(won.said.back().title.empty()) << "said after the congratulation's box";
    const Tally kept = StatisticsStore(file).statistics().games.at({4, Level::easy});
    EXPECT_EQ(kept, (Tally{1, 1, 65, 65}));
}

TEST(Statistics, TodaysDailyPuzzleIsContinuedUntilWonAndItsWinRunsTheStreak) {
    test_support::ScratchFolder folder;
    const std::string file = (folder.path() / "statistics.json").string();
    const std::string autosave = (folder.path() / "current.sudoku").string();
    const Day wednesday{2026, 12, 9};
    const auto now = std::chrono::steady_clock::now();
    {
        Session session(std::make_unique<Autosave>(autosave), file);
        session.daily(wednesday);
        EXPECT_EQ(session.start(now).said.front().text,
                  "Daily puzzle for Wednesday, 9 December: medium. 1 1: 3");
        for (int step = 0; step < 3; ++step) {  // onto the first empty square, 4 1
            session.handle({Verb::right}, std::nullopt, now);
        }
        const int right = static_cast<int>((*session.play().solution())[3][0].value());
        ASSERT_TRUE(session.handle({Verb::place, right}, std::nullopt, now).modified);
        session.close(now);
    }
    Session next_start(std::make_unique<Autosave>(autosave), file);
    next_start.daily(wednesday);
    EXPECT_TRUE(next_start.play().game().at({3, 0}).has_value()) << "the kept one continued";
    next_start.daily({2026, 12, 10});
    EXPECT_FALSE(next_start.play().game().at({3, 0}).has_value()) << "made afresh";
    EXPECT_EQ(next_start.statistics().games.at({9, Level::medium}).started, 2);

    const Board one_left = from_rows({{1, 0, 3, 4}, {3, 4, 1, 2}, {2, 1, 4, 3}, {4, 3, 2, 1}});
    next_start.take(Play(Game(one_left, one_left, {2, 2}, 0.1), {1, 0}), wednesday);
    next_start.start(now);
    ASSERT_TRUE(next_start.handle({Verb::place, 2}, std::nullopt, now).won);
    EXPECT_EQ(StatisticsStore(file).statistics().daily, (Streak{"2026-12-09", 1, 1}));
}

}  // namespace
}  // namespace sudoku
