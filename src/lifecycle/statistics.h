// What a player has done over many games: per board size and level, the games
// started and won with the best and average time of the won ones, and the run
// of days on which the daily puzzle was won. Kept on disk as language-free
// JSON; said in the player's language.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lifecycle/calendar_day.h"
#include "sudoku/rating.h"

namespace sudoku {

struct Tally {
    long long started = 0;
    long long won = 0;
    // Seconds, of the won games.
    std::optional<long long> best;
    long long won_seconds = 0;
    bool operator==(const Tally&) const = default;
};

struct Streak {
    // The day of the last daily puzzle won, as "2026-12-09"; empty before one.
    std::string last_day;
    long long current = 0;
    long long longest = 0;
    bool operator==(const Streak&) const = default;

    // The run as it stands on `today`: broken once a whole day passed without a win.
    long long current_on(Day today) const;
};

struct Statistics {
    // By board side (9 for 9x9) and the level the game was made for.
    std::map<std::pair<int, Level>, Tally> games;
    Streak daily;
    bool operator==(const Statistics&) const = default;

    void started(int side, Level level);
    // True when `seconds` is the best time of its size and level so far.
    bool won(int side, Level level, long long seconds);
    // The daily puzzle of `day` is won: the run goes on from the day before,
    // or starts again; a day already counted, or older, changes nothing.
    void won_daily(Day day);
};

std::string encode_statistics(const Statistics& statistics);
// Nothing when the text is not statistics this game wrote.
std::optional<Statistics> decode_statistics(std::string_view text);

// The lines of the statistics screen on `today`, or the one saying nothing was played.
std::vector<std::string> statistics_lines(const Statistics& statistics, Day today);

}  // namespace sudoku
