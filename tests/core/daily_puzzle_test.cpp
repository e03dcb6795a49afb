// The daily puzzle: the same puzzle for a date on every system (this test
// also runs under Wine), its level by the weekday, the run of days won, and
// a session that continues today's kept puzzle and counts its win.
#include "lifecycle/daily_puzzle.h"

#include <gtest/gtest.h>

#include <string>

#include "lifecycle/statistics.h"
#include "lifecycle/typed_puzzle.h"

namespace sudoku {
namespace {

struct DailyRow {
    Day day;
    const char* said;
    const char* puzzle;
};

TEST(DailyPuzzle, EachDateHasItsOwnPuzzleTheSameOnEverySystem) {
    const DailyRow rows[] = {
        {{2026, 12, 7},
         "Daily puzzle for Monday, 7 December: easy.",
         "...1.2456......1.8.2.....79.8.9....791572.68.7...8.59165..7.943241...7..3.7.548.."},
        {{2026, 12, 8},
         "Daily puzzle for Tuesday, 8 December: easy.",
         "....86..4..97.....861..5937.......68.8..12..33...581.9294..3871...12954.6...74.92"},
        {{2026, 12, 9},
         "Daily puzzle for Wednesday, 9 December: medium.",
         "397.6..2..6.4.7.3.14..2......1........9.4...2.24.9.1.8976.....5.8...6..3.132...7."},
        {{2026, 12, 10},
         "Daily puzzle for Thursday, 10 December: medium.",
         ".17..2...9.83.6....36...892.7.....1..4.6.9.2..9......51.....25.2.453..7.75..6..8."},
        {{2027, 1, 1},
         "Daily puzzle for Friday, 1 January: hard.",
         "6..1..2.77...4..6..9.7.65...214.....5..3.17....75.2..8.4..1.8.5....2.4.1...9.4..2"},
        {{2028, 2, 26},
         "Daily puzzle for Saturday, 26 February: hard.",
         "84...26...5.4..2....28...49.2..183.....2...87.87...9...74..3895...67..1.2......6."},
        {{2028, 2, 27},
         "Daily puzzle for Sunday, 27 February: expert.",
         "3..7.95..1......4...8.....2...8....7........8..6..592..1.5......2.34..9..5...86.."},
    };
    for (const DailyRow& row : rows) {
        const NewGame made = make_daily(row.day);
        EXPECT_EQ(made.notice, row.said);
        EXPECT_EQ(made.play.game().size(), (BoxSize{3, 3}));
        EXPECT_EQ(puzzle_text(made.play.game().original()), row.puzzle) << day_key(row.day);
        EXPECT_EQ(puzzle_text(make_daily(row.day).play.game().original()), row.puzzle);
    }
}

TEST(DailyPuzzle, DaysAreReadOnlyAsWrittenAndCountedAcrossMonthsAndYears) {
    EXPECT_EQ(day_of_key("2028-02-29"), (Day{2028, 2, 29}));
    for (const char* bad : {"2027-02-29", "2026-13-01", "2026-12-9", "2026/12/09", "20261209"}) {
        EXPECT_FALSE(day_of_key(bad)) << bad;
    }
    EXPECT_EQ(day_before({2027, 1, 1}), (Day{2026, 12, 31}));
    EXPECT_EQ(day_before({2028, 3, 1}), (Day{2028, 2, 29}));
    EXPECT_EQ(day_key({2026, 1, 2}), "2026-01-02");
}

TEST(DailyPuzzle, TheRunOfDaysWonGoesOnDayByDayAndBreaksOnADayMissed) {
    Statistics statistics;
    for (const Day won : {Day{2026, 12, 30}, Day{2026, 12, 31}, Day{2027, 1, 1}, Day{2027, 1, 1},
                          Day{2026, 12, 31}}) {
        statistics.won_daily(won);
    }
    EXPECT_EQ(statistics.daily, (Streak{"2027-01-01", 3, 3})) << "the same day counts once";
    EXPECT_EQ(statistics.daily.current_on({2027, 1, 2}), 3) << "today not yet won";
    EXPECT_EQ(statistics.daily.current_on({2027, 1, 3}), 0) << "a day missed";
    statistics.won_daily({2027, 1, 3});
    EXPECT_EQ(statistics.daily, (Streak{"2027-01-03", 1, 3}));
    EXPECT_EQ(statistics_lines(statistics, {2027, 1, 3}).back(),
              "Daily puzzle: 1 day in a row, longest 3.");
}

}  // namespace
}  // namespace sudoku
