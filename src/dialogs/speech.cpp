#include "dialogs/speech.h"

#include <mutex>
#include <utility>

#include "dialogs/speech_dispatcher.h"

namespace speech {
namespace {

// What Auto() hands out: a handle on the backend in force when it was made.
class Handle final : public Output {
  public:
    explicit Handle(std::shared_ptr<Output> backend) : backend_(std::move(backend)) {}
    void speak(const std::string& text, bool interrupt) override {
        backend_->speak(text, interrupt);
    }

  private:
    std::shared_ptr<Output> backend_;
};

struct Installed {
    std::mutex mutex;
    std::shared_ptr<Output> backend;
};

// Never destroyed, like the dispatcher backend, so that a late speak() during
// static destruction finds it still there.
Installed& installed() {
    static auto* const leaked = new Installed;
    return *leaked;
}

}  // namespace

std::unique_ptr<Output> Auto() {
    Installed& chosen = installed();
    std::shared_ptr<Output> backend;
    {
        const std::lock_guard lock(chosen.mutex);
        backend = chosen.backend;
    }
    return std::make_unique<Handle>(backend ? std::move(backend) : dispatcher::backend());
}

void set_backend(std::shared_ptr<Output> backend) {
    Installed& chosen = installed();
    const std::lock_guard lock(chosen.mutex);
    chosen.backend = std::move(backend);
}

}  // namespace speech

void speak(const std::string& text, bool interupt) {
    try {
        speech::Auto()->speak(text, interupt);
    } catch (...) {
        // Speech is a courtesy to the player: no failure of it may reach the game.
    }
}
