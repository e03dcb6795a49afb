// The player's settings as a store keeps them: one value per list, named by
// the list's key, each an item's stored word. The front end reads and writes
// the store; here a store's values become settings and back.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "board/settings.h"

namespace sudoku {

// The stored value under a key, or nothing when the store has none.
using StoredValue = std::function<std::optional<std::string>(const std::string& key)>;

// The settings a store holds. A list with no value, or one no item has (an
// older or a broken store), keeps its first item: the store never stops the
// game, it only chooses.
Settings settings_from(const StoredValue& stored);

// Every list's key and its item's stored word, to write to the store.
std::vector<std::pair<std::string, std::string>> stored_values(const Settings& settings);

}  // namespace sudoku
