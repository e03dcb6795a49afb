#include "lifecycle/autosave.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "lifecycle/game_file.h"

namespace sudoku {
namespace {

std::filesystem::path from_utf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::string to_utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

std::optional<std::string> state_file(const std::string& name) {
    const std::optional<std::string> folder = state_folder();
    if (!folder) {
        return std::nullopt;
    }
    std::error_code failed;
    const std::filesystem::path place = from_utf8(*folder);
    std::filesystem::create_directories(place, failed);
    if (failed || !std::filesystem::is_directory(place, failed)) {
        return std::nullopt;
    }
    return to_utf8(place / from_utf8(name));
}

void set_aside(const std::string& path) {
    std::error_code failed;
    std::filesystem::path broken = from_utf8(path);
    broken += ".broken";
    std::filesystem::rename(from_utf8(path), broken, failed);
}

std::optional<std::string> Autosave::default_path() {
    return state_file("current.sudoku");
}

Autosave::Autosave(std::optional<std::string> path) : path_(std::move(path)) {
    if (path_) {
        worker_ = std::thread(&Autosave::work, this);
    }
}

Autosave::~Autosave() {
    if (!worker_.joinable()) {
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

std::optional<SavedGame> Autosave::resume() {
    if (!path_) {
        return std::nullopt;
    }
    const std::filesystem::path file = from_utf8(*path_);
    std::error_code failed;
    if (!std::filesystem::exists(file, failed)) {
        return std::nullopt;
    }
    const auto text = read_file_limited(*path_, max_saved_game_bytes);
    auto game = text ? decode_saved_game(*text) : std::nullopt;
    if (!game) {
        set_aside(*path_);
    }
    return game;
}

void Autosave::keep(SavedGame game) {
    give({std::move(game)});
}

void Autosave::forget() {
    give({});
}

void Autosave::on_failure(std::function<void()> report) {
    const std::lock_guard lock(mutex_);
    report_ = std::move(report);
}

void Autosave::report_failure() {
    std::function<void()> report;
    {
        const std::lock_guard lock(mutex_);
        if (reported_) {
            return;
        }
        reported_ = true;
        report = report_;
    }
    if (report) {
        report();
    }
}

void Autosave::give(Job job) {
    if (!path_) {
        if (job.game) {
            report_failure();
        }
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        pending_ = std::move(job);
    }
    changed_.notify_all();
}

void Autosave::flush() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !pending_ && !busy_; });
}

std::uint64_t Autosave::writes() const {
    const std::lock_guard lock(mutex_);
    return writes_;
}

void Autosave::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return pending_ || stopping_; });
        if (!pending_) {
            return;
        }
        Job job = std::move(*pending_);
        pending_.reset();
        busy_ = true;
        lock.unlock();
        bool done = true;
        if (job.game) {
            // Encoded here, not on the caller's thread: a big board's text
            // takes milliseconds a key should not wait for.
            if (const std::optional<std::string> text = saved_game_text(*job.game)) {
                done = write_file_atomically(*path_, *text);
            }
        } else {
            std::error_code error;
            std::filesystem::remove(from_utf8(*path_), error);
            done = !error;
        }
        if (!done) {
            report_failure();
        }
        lock.lock();
        busy_ = false;
        ++writes_;
        changed_.notify_all();
    }
}

}  // namespace sudoku
