#include "speech/speech.h"

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <utility>

#include "speech/speech_platform.h"

namespace sudoku::speech {
namespace {

// What Auto() hands out: a handle on the backend in force when it was made.
class Handle final : public Output {
  public:
    explicit Handle(std::shared_ptr<Output> backend) : backend_(std::move(backend)) {}
    void speak(const std::string& text, bool interrupt) override {
        backend_->speak(text, interrupt);
    }
    void speak_as(Kind kind, const std::string& text, bool interrupt) override {
        backend_->speak_as(kind, text, interrupt);
    }

  private:
    std::shared_ptr<Output> backend_;
};

struct Installed {
    std::mutex mutex;
    std::shared_ptr<Output> backend;
};

// Never destroyed, like the platform backends, so that a late speak() during
// static destruction finds it still there.
Installed& installed() {
    static auto* const leaked = new Installed;
    return *leaked;
}

// A backend set by hand takes the texts as a screen reader does, and like one
// sees the boxes for itself.
bool backend_set() {
    Installed& chosen = installed();
    const std::lock_guard lock(chosen.mutex);
    return chosen.backend != nullptr;
}

// The speech log: every text the game speaks, one a line, in order, appended
// to the file named by SUDOKU_SPEECH_LOG when it is set. Tests read it where
// no speech can be heard (under Wine, say).
void log_text(const std::string& text) {
    const char* path = std::getenv("SUDOKU_SPEECH_LOG");
    if (path == nullptr || *path == '\0' || text.empty()) {
        return;
    }
    static auto* const mutex = new std::mutex;  // never destroyed, as above
    const std::lock_guard lock(*mutex);
    // Binary, so that Windows writes no carriage returns.
    std::ofstream(path, std::ios::app | std::ios::binary) << text << '\n';
}

std::mutex& language_mutex() {
    static auto* const mutex = new std::mutex;  // never destroyed, as above
    return *mutex;
}

std::string& chosen_language() {
    static auto* const code = new std::string;
    return *code;
}

}  // namespace

void use_language(std::string_view code) {
    const std::lock_guard lock(language_mutex());
    chosen_language() = code;
}

std::string language() {
    const std::lock_guard lock(language_mutex());
    return chosen_language();
}

std::unique_ptr<Output> Auto() {
    Installed& chosen = installed();
    const std::lock_guard lock(chosen.mutex);
    return std::make_unique<Handle>(chosen.backend ? chosen.backend : platform::current());
}

void set_backend(std::shared_ptr<Output> backend) {
    Installed& chosen = installed();
    const std::lock_guard lock(chosen.mutex);
    chosen.backend = std::move(backend);
}

}  // namespace sudoku::speech

void speak(const std::string& text, bool interupt, sudoku::speech::Kind kind) noexcept {
    try {
        sudoku::speech::log_text(text);
        sudoku::speech::Auto()->speak_as(kind, text, interupt);
    } catch (...) {
        // Speech is a courtesy to the player: no failure of it may reach the game.
    }
}

void speak_echo(const std::string& text) noexcept {
    try {
        // A test's backend stands for the own voice.
        if (sudoku::speech::backend_set() || sudoku::speech::platform::own_voice_now()) {
            speak(text, false, sudoku::speech::Kind::square);
        }
    } catch (...) {
        // As speak(): speech never reaches the game.
    }
}

void speak_box(std::string_view title, std::string_view text) noexcept {
    try {
        if (sudoku::speech::backend_set() || !sudoku::speech::platform::own_voice_now()) {
            return;
        }
        std::string said(title);
        if (text != title) {
            // A title without its own stop ("Keys") gets one, so the voice pauses.
            if (!said.empty() && std::string_view(".!?:").find(said.back()) == std::string::npos) {
                said += '.';
            }
            said.append(said.empty() ? "" : " ").append(text);
        }
        speak(said, false, sudoku::speech::Kind::box);
    } catch (...) {
        // As speak(): speech never reaches the game.
    }
}
