// What each platform's speech file gives the part shared by all platforms
// (speech.cpp): the backend of the route in force.
#pragma once

#include <memory>

#include "speech/speech.h"

namespace sudoku::speech::platform {

// The backend the next text goes to. Called for each text, one call at a time.
std::shared_ptr<Output> current();

// Whether the next text would go to the own voice rather than to a screen
// reader. Any thread; changes nothing.
bool own_voice_now();

}  // namespace sudoku::speech::platform
