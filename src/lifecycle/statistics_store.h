// The statistics on disk, in the state folder beside the autosave: read once
// at start, written whole and atomically after each change. A file that
// cannot be read is set aside as statistics.json.broken, never lost, and the
// counting starts afresh.
#pragma once

#include <optional>
#include <string>

#include "lifecycle/statistics.h"

namespace sudoku {

class StatisticsStore {
  public:
    // statistics.json in the state folder; nothing kept when there is none.
    static std::optional<std::string> default_path();

    explicit StatisticsStore(std::optional<std::string> path);

    const Statistics& statistics() const { return statistics_; }
    // Changes the statistics, then writes them; false when the write failed
    // (they stay counted in memory).
    template <class Change>
    bool change(Change&& change) {
        change(statistics_);
        return write();
    }

  private:
    bool write() const;

    std::optional<std::string> path_;
    Statistics statistics_;
};

}  // namespace sudoku
