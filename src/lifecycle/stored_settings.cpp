#include "lifecycle/stored_settings.h"

#include <algorithm>

namespace sudoku {

Settings settings_from(const StoredValue& stored) {
    Settings settings;
    for (std::size_t list = 0; list < setting_count; ++list) {
        const SettingList& named = setting_lists()[list];
        const std::optional<std::string> value = stored(named.key);
        if (!value) {
            continue;
        }
        const auto item = std::ranges::find(named.stored, *value);
        if (item != named.stored.end()) {
            choose_item(settings, list, static_cast<int>(item - named.stored.begin()));
        }
    }
    return settings;
}

std::vector<std::pair<std::string, std::string>> stored_values(const Settings& settings) {
    std::vector<std::pair<std::string, std::string>> values;
    for (std::size_t list = 0; list < setting_count; ++list) {
        const SettingList& named = setting_lists()[list];
        values.emplace_back(named.key,
                            named.stored[static_cast<std::size_t>(chosen_item(settings, list))]);
    }
    return values;
}

}  // namespace sudoku
