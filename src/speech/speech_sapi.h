// Windows: the game's own voice, SAPI 5, on a worker thread of its own. Every
// text cuts off what is still being said (as speech-dispatcher does on Linux),
// so the newest text wins.
#pragma once

#include <memory>

#include "speech/speech.h"

namespace sudoku::speech::sapi {

// The process-wide backend, made on first use and never destroyed.
std::shared_ptr<Output> backend();

// What the worker has met so far, for tests: whether it made a SAPI voice,
// and what the voice's last Speak call returned (S_FALSE before any).
struct Status {
    bool voice = false;
    long last_speak = 1;
};
Status status();

}  // namespace sudoku::speech::sapi
