// What a speech worker says next, shared by the game's own voices: only the
// newest text waits (one given before the worker took the last is replaced,
// as it would be cut off at once anyway), and a box's words may wait behind
// it, uncut; the next ordinary text supersedes both.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "speech/speech.h"

namespace sudoku::speech {

struct Queued {
    std::string text;
    // An empty interrupting text silences the voice.
    bool interrupt = false;
    // Said after what is being said, without cutting it off.
    bool follows = false;
};

class TextQueue {
  public:
    // The text to say next, in place of any that waits. A cut-off asked for
    // by the text it replaces still has to happen.
    void put(std::string text, bool interrupt) {
        {
            const std::lock_guard lock(mutex_);
            const bool cut = interrupt || (pending_ && pending_->interrupt);
            pending_ = Queued{std::move(text), cut, false};
            then_.reset();
        }
        wake_.notify_one();
    }

    // A box's words, behind the text that waits, or next when none does.
    void put_behind(std::string text) {
        {
            const std::lock_guard lock(mutex_);
            (pending_ ? then_ : pending_) = Queued{std::move(text), false, true};
        }
        wake_.notify_one();
    }

    // For the worker: waits for a text and takes it; the worker counts as
    // busy until done().
    Queued take() {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return pending_.has_value(); });
        Queued next = std::move(*pending_);
        pending_ = std::move(then_);
        then_.reset();
        busy_ = true;
        return next;
    }

    void done() {
        {
            const std::lock_guard lock(mutex_);
            busy_ = false;
        }
        idle_.notify_all();
    }

    // True once nothing waits and the worker has finished what it took;
    // false if it is still busy when `timeout` runs out.
    bool wait_until_idle(std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex_);
        return idle_.wait_for(lock, timeout, [this] { return !pending_ && !busy_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable wake_;  // a text waits
    std::condition_variable idle_;  // the worker has finished what it took
    std::optional<Queued> pending_;
    std::optional<Queued> then_;  // a box's words, after pending_
    bool busy_ = false;
};

// An own voice: its texts wait in a queue that its worker thread says.
class QueuedOutput : public Output {
  public:
    void speak(const std::string& text, bool interrupt) override { queue_.put(text, interrupt); }

    void speak_as(Kind kind, const std::string& text, bool interrupt) override {
        if (kind == Kind::box) {
            queue_.put_behind(text);
        } else {
            queue_.put(text, interrupt);
        }
    }

    bool wait_until_idle(std::chrono::milliseconds timeout) {
        return queue_.wait_until_idle(timeout);
    }

  protected:
    TextQueue queue_;
};

}  // namespace sudoku::speech
