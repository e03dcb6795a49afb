// What each platform's speech file gives the part shared by all platforms
// (speech.cpp): the backend of the route in force.
#pragma once

#include <memory>

#include "dialogs/speech.h"

namespace speech::platform {

// The backend the next text goes to. Called for each text, one call at a time.
std::shared_ptr<Output> current();

}  // namespace speech::platform
