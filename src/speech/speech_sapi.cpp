#include "speech/speech_sapi.h"

// windows.h first: sapi.h uses its types without including it.
#include <windows.h>

#include <sapi.h>

#include <mutex>
#include <string>
#include <thread>

#include "speech/text_queue.h"
#include "speech/utf16.h"

namespace sudoku::speech::sapi {
namespace {

class Voice final : public QueuedOutput {
  public:
    Voice() {
        std::thread([this] { run(); }).detach();
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
            const Queued next = queue_.take();
            // Asynchronous, so the worker is free for the next text at once;
            // purged first (but for a box's words), so that text cuts this one off.
            const DWORD purge = next.follows ? 0 : SPF_PURGEBEFORESPEAK;
            const HRESULT result = made ? voice->Speak(utf16(next.text).c_str(),
                                                       SPF_ASYNC | purge | SPF_IS_NOT_XML, nullptr)
                                        : E_FAIL;
            {
                const std::lock_guard lock(mutex_);
                status_.last_speak = result;
            }
            queue_.done();
        }
    }

    std::mutex mutex_;  // guards status_
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
