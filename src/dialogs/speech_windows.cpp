// Windows: the screen reader through UI Automation notifications while one
// runs and this Windows raises them, else SAPI.
#include <windows.h>

#include <atomic>

#include "dialogs/speech.h"
#include "dialogs/speech_platform.h"
#include "dialogs/speech_sapi.h"
#include "dialogs/speech_uia.h"

namespace speech {
namespace {

std::atomic<Route> route{Route::speech_dispatcher};

// NVDA, JAWS and Narrator all raise this flag while they run.
bool screen_reader_running() {
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

}  // namespace

// The one place that picks the route of a text.
std::shared_ptr<Output> platform::current() {
    const Route chosen = route.load();
    const bool to_screen_reader =
        chosen == Route::screen_reader || (chosen == Route::automatic && screen_reader_running());
    return to_screen_reader && uia::available() ? uia::backend() : sapi::backend();
}

void use_route(Route chosen) {
    route.store(chosen);
}

// The screen reader hears our texts as UI Automation notifications, which
// rename nothing: no old text stands on the focused object to be replaced.
void on_focus_return(std::function<std::string()>) {}

std::string_view own_voice() {
    return "sapi";
}

}  // namespace speech
