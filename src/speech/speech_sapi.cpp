#include "speech/speech_sapi.h"

// windows.h first: sapi.h uses its types without including it.
#include <windows.h>

#include <sapi.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "speech/utf16.h"

namespace sudoku::speech::sapi {
namespace {

class Voice final : public Output {
  public:
    Voice() {
        std::thread([this] { run(); }).detach();
    }

    // Only the newest text waits: one given before the worker took it is
    // replaced, as it would be cut off at once anyway.
    void speak(const std::string& text, bool) override {
        {
            const std::lock_guard lock(mutex_);
            pending_ = Text{text, false};
            then_.reset();
        }
        wake_.notify_one();
    }

    // A box's words wait behind the text given just before them, unpurged;
    // the next ordinary text supersedes both.
    void speak_as(Kind kind, const std::string& text, bool interrupt) override {
        if (kind != Kind::box) {
            speak(text, interrupt);
            return;
        }
        {
            const std::lock_guard lock(mutex_);
            (pending_ ? then_ : pending_) = Text{text, true};
        }
        wake_.notify_one();
    }

    bool wait_until_idle(std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex_);
        return idle_.wait_for(lock, timeout, [this] { return !pending_ && !busy_; });
    }

    Status status() {
        const std::lock_guard lock(mutex_);
        return status_;
    }

  private:
    void run() {
        // A thread of its own in the multithreaded apartment, so that the
        // voice never depends on the GUI thread's message loop.
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        ISpVoice* voice = nullptr;
        const bool made = SUCCEEDED(CoCreateInstance(
            CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void**>(&voice)));
        {
            const std::lock_guard lock(mutex_);
            status_.voice = made;
        }
        for (;;) {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return pending_.has_value(); });
            const std::wstring text = utf16(pending_->text);
            const DWORD purge = pending_->follows ? 0 : SPF_PURGEBEFORESPEAK;
            pending_ = std::move(then_);
            then_.reset();
            busy_ = true;
            lock.unlock();
            // Asynchronous, so the worker is free for the next text at once;
            // purged first (but for a box's words), so that text cuts this one off.
            const HRESULT result =
                made ? voice->Speak(text.c_str(), SPF_ASYNC | purge | SPF_IS_NOT_XML, nullptr)
                     : E_FAIL;
            lock.lock();
            status_.last_speak = result;
            busy_ = false;
            idle_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    struct Text {
        std::string text;
        bool follows = false;  // said after what is being said, unpurged
    };
    std::optional<Text> pending_;
    std::optional<Text> then_;  // a box's words, after pending_
    bool busy_ = false;
    Status status_;
};

// Never destroyed: its worker runs until the process ends.
Voice& instance() {
    static auto* const leaked = new Voice;
    return *leaked;
}

}  // namespace

std::shared_ptr<Output> backend() {
    static const std::shared_ptr<Output> shared(&instance(), [](Output*) {});
    return shared;
}

Status status() {
    return instance().status();
}

}  // namespace sudoku::speech::sapi

bool sudoku::speech::wait_until_idle(std::chrono::milliseconds timeout) {
    return sapi::instance().wait_until_idle(timeout);
}
