// The time a game has been played: it runs only while the board is on screen
// and the window is active, and it starts from what a saved game brought.
#pragma once

#include <chrono>

namespace sudoku {

class Clock {
  public:
    using Time = std::chrono::steady_clock::time_point;

    explicit Clock(std::chrono::seconds before = {}) : before_(before) {}

    void run(Time now) {
        if (!running_) {
            running_ = true;
            since_ = now;
        }
    }
    void stop(Time now) {
        if (running_) {
            before_ = played(now);
            running_ = false;
        }
    }
    // Whole seconds played by `now`.
    std::chrono::seconds played(Time now) const {
        if (!running_) {
            return before_;
        }
        return before_ + std::chrono::duration_cast<std::chrono::seconds>(now - since_);
    }
    bool running() const { return running_; }

  private:
    std::chrono::seconds before_;
    bool running_ = false;
    Time since_{};
};

}  // namespace sudoku
