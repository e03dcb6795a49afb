// Linux: the screen reader while one runs, else speech-dispatcher.
#include <atomic>
#include <utility>

#include "speech/speech.h"
#include "speech/speech_dispatcher.h"
#include "speech/speech_platform.h"
#include "speech/speech_screen_reader.h"

namespace sudoku::speech {
namespace {

constexpr std::string_view own_voice_name = "speech-dispatcher";

enum class Went { nowhere, dispatcher, screen_reader };

std::atomic<Route> route{Route::speech_dispatcher};
// Only touched by platform::current(), which is called one call at a time.
Went last = Went::nowhere;

bool to_screen_reader() {
    switch (route.load()) {
        case Route::screen_reader:
        case Route::jaws:  // a Windows screen reader's; not among routes() here
            return true;
        case Route::speech_dispatcher:
            return false;
        case Route::automatic:
            break;
    }
    return screen_reader::running();
}

}  // namespace

// The one place that picks the route of a text.
std::shared_ptr<Output> platform::current() {
    if (!to_screen_reader()) {
        last = Went::dispatcher;
        return dispatcher::backend();
    }
    if (last == Went::dispatcher) {
        // A screen reader has just started: whatever our own voice is still
        // saying would talk over it.
        dispatcher::backend()->speak("", true);
    }
    last = Went::screen_reader;
    return screen_reader::backend();
}

bool platform::own_voice_now() {
    return !to_screen_reader();
}

void use_route(Route chosen) {
    route.store(chosen);
    if (chosen == Route::automatic) {
        screen_reader::watch();
    }
}

void on_focus_return(std::function<std::string()> text) {
    screen_reader::on_focus_return(std::move(text));
}

std::string_view own_voice() {
    return own_voice_name;
}

std::span<const NamedRoute> routes() {
    static constexpr NamedRoute named[] = {{"auto", Route::automatic},
                                           {"screen-reader", Route::screen_reader},
                                           {own_voice_name, Route::speech_dispatcher}};
    return named;
}

}  // namespace sudoku::speech
