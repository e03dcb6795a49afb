#include "dialogs/speech.h"

#include <atomic>
#include <mutex>
#include <utility>

#include "dialogs/speech_dispatcher.h"
#include "dialogs/speech_screen_reader.h"

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

enum class Went { nowhere, dispatcher, screen_reader };

struct Installed {
    std::mutex mutex;
    std::shared_ptr<Output> backend;
    Went last = Went::nowhere;
};

std::atomic<Route> route{Route::speech_dispatcher};

bool to_screen_reader() {
    switch (route.load()) {
        case Route::screen_reader:
            return true;
        case Route::speech_dispatcher:
            return false;
        case Route::automatic:
            break;
    }
    return screen_reader::running();
}

// The one place that picks the route of a text.
std::shared_ptr<Output> routed(Installed& chosen) {
    if (!to_screen_reader()) {
        chosen.last = Went::dispatcher;
        return dispatcher::backend();
    }
    if (chosen.last == Went::dispatcher) {
        // A screen reader has just started: whatever our own voice is still
        // saying would talk over it.
        dispatcher::backend()->speak("", true);
    }
    chosen.last = Went::screen_reader;
    return screen_reader::backend();
}

// Never destroyed, like the dispatcher backend, so that a late speak() during
// static destruction finds it still there.
Installed& installed() {
    static auto* const leaked = new Installed;
    return *leaked;
}

}  // namespace

std::unique_ptr<Output> Auto() {
    Installed& chosen = installed();
    const std::lock_guard lock(chosen.mutex);
    return std::make_unique<Handle>(chosen.backend ? chosen.backend : routed(chosen));
}

void use_route(Route chosen) {
    route.store(chosen);
    if (chosen == Route::automatic) {
        screen_reader::watch();
    }
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
