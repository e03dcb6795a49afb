// A day of the calendar, as the daily puzzle and its streak count days: the
// player's local date, written "2026-12-09" in files whatever the language.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace sudoku {

struct Day {
    int year = 1970;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    auto operator<=>(const Day&) const = default;
};

// "2026-12-09".
std::string day_key(Day day);
// A real date written as day_key writes it; nothing for anything else.
std::optional<Day> day_of_key(std::string_view key);

Day day_before(Day day);
// 0 for Monday to 6 for Sunday.
int weekday(Day day);

// The player's local date; SUDOKU_TODAY, written as day_key writes it, stands
// in for it, so that tests play the puzzle of a date they choose.
Day today();

}  // namespace sudoku
