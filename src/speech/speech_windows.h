// Windows: which way a text goes, decided in one place (speech_windows.cpp)
// from what the game sees when the text is spoken.
#pragma once

#include "speech/speech.h"

namespace sudoku::speech::windows {

struct Seen {
    // JAWS's window exists.
    bool jaws_runs = false;
    // Windows' screen-reader flag is up, as NVDA, JAWS and Narrator set it.
    bool screen_reader = false;
    // Whether this Windows raises UI Automation notifications and a client
    // listens; asked only when the answer decides the way, as asking loads UI
    // Automation into the game.
    bool (*notifications_heard)() = nullptr;
};

enum class Way { jaws, notifications, own_voice };

Way way_for(Route route, const Seen& seen);

Seen seen_now();

}  // namespace sudoku::speech::windows
