#include "lifecycle/calendar_day.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace sudoku {
namespace {

using namespace std::chrono;

year_month_day civil(Day day) {
    return year_month_day{year{day.year}, month{static_cast<unsigned>(day.month)},
                          std::chrono::day{static_cast<unsigned>(day.day)}};
}

Day of_civil(year_month_day date) {
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

bool digits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

int number_of(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string day_key(Day day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year, day.month, day.day);
    return text;
}

std::optional<Day> day_of_key(std::string_view key) {
    if (key.size() != 10 || key[4] != '-' || key[7] != '-' || !digits(key.substr(0, 4)) ||
        !digits(key.substr(5, 2)) || !digits(key.substr(8, 2))) {
        return std::nullopt;
    }
    const Day day{number_of(key.substr(0, 4)), number_of(key.substr(5, 2)),
                  number_of(key.substr(8, 2))};
    if (!civil(day).ok()) {
        return std::nullopt;
    }
    return day;
}

Day day_before(Day day) {
    return of_civil(year_month_day{sys_days{civil(day)} - days{1}});
}

int weekday(Day day) {
    // ISO numbers the days from 1 for Monday to 7 for Sunday.
    return static_cast<int>(std::chrono::weekday{sys_days{civil(day)}}.iso_encoding()) - 1;
}

Day today() {
    if (const char* chosen = std::getenv("SUDOKU_TODAY")) {
        if (const std::optional<Day> day = day_of_key(chosen)) {
            return *day;
        }
    }
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace sudoku
