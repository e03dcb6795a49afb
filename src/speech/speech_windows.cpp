// Windows: JAWS through its own interface while it runs, else the screen
// reader through UI Automation notifications while one runs and listens, else
// SAPI. Each route hands on what it cannot say: JAWS to the notifications,
// they to SAPI.
#include "speech/speech_windows.h"

#include <windows.h>

#include <atomic>

#include "speech/speech_jaws.h"
#include "speech/speech_platform.h"
#include "speech/speech_sapi.h"
#include "speech/speech_uia.h"

namespace sudoku::speech {
namespace {

constexpr std::string_view own_voice_name = "sapi";

std::atomic<Route> route{Route::speech_dispatcher};

bool screen_reader_flag() {
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

}  // namespace

windows::Way windows::way_for(Route chosen, const Seen& seen) {
    switch (chosen) {
        case Route::jaws:
            return Way::jaws;
        case Route::screen_reader:
            return Way::notifications;
        case Route::speech_dispatcher:
            return Way::own_voice;
        case Route::automatic:
            break;
    }
    // JAWS first: it raises the flag too, but long ignored notifications.
    if (seen.jaws_runs) {
        return Way::jaws;
    }
    // Another program may listen to UI Automation without a screen reader, and
    // a flag left up by a screen reader that has crashed has no listener.
    return seen.screen_reader && seen.notifications_heard() ? Way::notifications : Way::own_voice;
}

windows::Seen windows::seen_now() {
    return {jaws::running(), screen_reader_flag(), uia::heard};
}

// The one place that picks the route of a text.
std::shared_ptr<Output> platform::current() {
    switch (windows::way_for(route.load(), windows::seen_now())) {
        case windows::Way::jaws:
            return jaws::backend();
        case windows::Way::notifications:
            return uia::backend();
        case windows::Way::own_voice:
            break;
    }
    return sapi::backend();
}

bool platform::own_voice_now() {
    return windows::way_for(route.load(), windows::seen_now()) == windows::Way::own_voice;
}

void use_route(Route chosen) {
    route.store(chosen);
}

// The screen reader hears our texts as UI Automation notifications, which
// rename nothing: no old text stands on the focused object to be replaced.
void on_focus_return(std::function<std::string()>) {}

std::string_view own_voice() {
    return own_voice_name;
}

std::span<const NamedRoute> routes() {
    static constexpr NamedRoute named[] = {{"auto", Route::automatic},
                                           {"screen-reader", Route::screen_reader},
                                           {"jaws", Route::jaws},
                                           {own_voice_name, Route::speech_dispatcher}};
    return named;
}

}  // namespace sudoku::speech
