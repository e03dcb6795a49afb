#include "lifecycle/statistics.h"

#include <algorithm>
#include <array>

#include <nlohmann/json.hpp>

#include "board/texts.h"
#include "sudoku/geometry.h"

namespace sudoku {
namespace {

using nlohmann::json;

// The file's names for the levels, never translated.
constexpr std::array<const char*, 5> level_keys = {"any", "easy", "medium", "hard", "expert"};

std::optional<Level> level_of(const std::string& key) {
    for (std::size_t i = 0; i < level_keys.size(); ++i) {
        if (key == level_keys[i]) {
            return static_cast<Level>(i);
        }
    }
    return std::nullopt;
}

bool is_board_side(long long side) {
    for (long long box = smallest_box_side; box <= largest_box_side; ++box) {
        if (box * box == side) {
            return true;
        }
    }
    return false;
}

bool counts(const json& value) {
    return value.is_number_integer() && value.get<long long>() >= 0;
}

std::optional<Tally> tally_of(const json& entry) {
    Tally tally;
    if (!counts(entry.value("started", json())) || !counts(entry.value("won", json())) ||
        !counts(entry.value("won_seconds", json()))) {
        return std::nullopt;
    }
    tally.started = entry["started"].get<long long>();
    tally.won = entry["won"].get<long long>();
    tally.won_seconds = entry["won_seconds"].get<long long>();
    if (entry.contains("best")) {
        if (!counts(entry["best"])) {
            return std::nullopt;
        }
        tally.best = entry["best"].get<long long>();
    }
    return tally;
}

}  // namespace

void Statistics::started(int side, Level level) {
    ++games[{side, level}].started;
}

bool Statistics::won(int side, Level level, long long seconds) {
    Tally& tally = games[{side, level}];
    ++tally.won;
    tally.won_seconds += seconds;
    const bool best = !tally.best || seconds < *tally.best;
    if (best) {
        tally.best = seconds;
    }
    return best;
}

long long Streak::current_on(Day today) const {
    const bool running = last_day == day_key(today) || last_day == day_key(day_before(today));
    return running ? current : 0;
}

void Statistics::won_daily(Day day) {
    const std::string key = day_key(day);
    // Keys sort as the days do.
    if (!daily.last_day.empty() && key <= daily.last_day) {
        return;
    }
    daily.current = daily.last_day == day_key(day_before(day)) ? daily.current + 1 : 1;
    daily.longest = std::max(daily.longest, daily.current);
    daily.last_day = key;
}

std::string encode_statistics(const Statistics& statistics) {
    json games = json::array();
    for (const auto& [key, tally] : statistics.games) {
        json entry = {{"size", key.first},
                      {"level", level_keys[static_cast<std::size_t>(key.second)]},
                      {"started", tally.started},
                      {"won", tally.won},
                      {"won_seconds", tally.won_seconds}};
        if (tally.best) {
            entry["best"] = *tally.best;
        }
        games.push_back(entry);
    }
    const json daily = {{"last_day", statistics.daily.last_day},
                        {"current", statistics.daily.current},
                        {"longest", statistics.daily.longest}};
    return json{{"games", games}, {"daily", daily}}.dump(1) + "\n";
}

std::optional<Statistics> decode_statistics(std::string_view text) {
    const json whole = json::parse(text, nullptr, false);
    if (!whole.is_object() || !whole.value("games", json()).is_array() ||
        !whole.value("daily", json()).is_object()) {
        return std::nullopt;
    }
    Statistics statistics;
    for (const json& entry : whole["games"]) {
        if (!entry.is_object() || !entry.value("size", json()).is_number_integer() ||
            !is_board_side(entry["size"].get<long long>()) ||
            !entry.value("level", json()).is_string()) {
            return std::nullopt;
        }
        const std::optional<Level> level = level_of(entry["level"].get<std::string>());
        const std::optional<Tally> tally = tally_of(entry);
        if (!level || !tally) {
            return std::nullopt;
        }
        statistics.games[{entry["size"].get<int>(), *level}] = *tally;
    }
    const json& daily = whole["daily"];
    if (!daily.value("last_day", json()).is_string() || !counts(daily.value("current", json())) ||
        !counts(daily.value("longest", json()))) {
        return std::nullopt;
    }
    const std::string& last_day = daily["last_day"].get_ref<const std::string&>();
    if (!last_day.empty() && !day_of_key(last_day)) {
        return std::nullopt;
    }
    statistics.daily = {daily["last_day"].get<std::string>(), daily["current"].get<long long>(),
                        daily["longest"].get<long long>()};
    return statistics;
}

std::vector<std::string> statistics_lines(const Statistics& statistics, Day today) {
    std::vector<std::string> lines;
    for (const auto& [key, tally] : statistics.games) {
        lines.push_back(texts::games_tally(key.first, key.second, tally.won, tally.started,
                                           tally.best,
                                           tally.won > 0 ? tally.won_seconds / tally.won : 0));
    }
    if (!statistics.daily.last_day.empty()) {
        lines.push_back(
            texts::daily_streak(statistics.daily.current_on(today), statistics.daily.longest));
    }
    if (lines.empty()) {
        lines.push_back(texts::nothing_played());
    }
    return lines;
}

}  // namespace sudoku
