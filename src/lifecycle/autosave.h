// The game kept on disk while it is played, so that no key, no close and no
// crash loses it: every change is written, whole and atomically, to one file
// in the game's state folder, by a thread of its own so that no key waits for
// the disk. Texts given while one is being written are coalesced: only the
// newest is written next.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "lifecycle/saved_game.h"

namespace sudoku {

// The path of `name` in the game's state folder, which is made if missing;
// nothing when there is no such folder or it cannot be made.
std::optional<std::string> state_file(const std::string& name);
// Renames a file that cannot be read to the same name with ".broken" added
// (replacing an older one), so nothing of it is lost.
void set_aside(const std::string& path);

class Autosave {
  public:
    // current.sudoku in the state folder (made if missing); nothing when
    // there is no such folder or it cannot be made: then nothing is kept.
    static std::optional<std::string> default_path();

    explicit Autosave(std::optional<std::string> path);
    Autosave(const Autosave&) = delete;
    Autosave& operator=(const Autosave&) = delete;
    // Writes what is still waiting first.
    ~Autosave();

    // The game the last run left, if it can be read. One that cannot is
    // renamed to current.sudoku.broken (replacing an older one), never lost.
    std::optional<SavedGame> resume();

    // Writes the game soon; a newer one given meanwhile takes its place.
    void keep(SavedGame game);
    // The game is over: the file goes.
    void forget();
    // Returns once everything given so far is on disk (or failed).
    void flush();

    // Called once, the first time a game cannot be kept (no state folder, or
    // a write or removal there failed), on whichever thread found it.
    void on_failure(std::function<void()> report);

    // The writes done so far, for tests and timing.
    std::uint64_t writes() const;

  private:
    struct Job {
        std::optional<SavedGame> game;  // nothing: remove the file
    };
    void give(Job job);
    void work();
    void report_failure();

    std::optional<std::string> path_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> pending_;
    bool busy_ = false;
    bool stopping_ = false;
    std::uint64_t writes_ = 0;
    std::function<void()> report_;
    bool reported_ = false;
    std::thread worker_;
};

}  // namespace sudoku
