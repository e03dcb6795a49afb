#include "lifecycle/statistics_store.h"

#include <utility>

#include "lifecycle/autosave.h"
#include "lifecycle/game_file.h"

namespace sudoku {
namespace {

// Far beyond what every size and level played can write.
constexpr std::size_t max_statistics_bytes = 1024 * 1024;

}  // namespace

std::optional<std::string> StatisticsStore::default_path() {
    return state_file("statistics.json");
}

StatisticsStore::StatisticsStore(std::optional<std::string> path) : path_(std::move(path)) {
    if (!path_) {
        return;
    }
    // Missing before the first game: setting it aside then does nothing.
    const std::optional<std::string> text = read_file_limited(*path_, max_statistics_bytes);
    std::optional<Statistics> read = text ? decode_statistics(*text) : std::nullopt;
    if (read) {
        statistics_ = std::move(*read);
    } else {
        set_aside(*path_);
    }
}

bool StatisticsStore::write() const {
    return path_ && write_file_atomically(*path_, encode_statistics(statistics_));
}

}  // namespace sudoku
