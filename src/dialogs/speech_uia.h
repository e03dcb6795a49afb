// Windows: the game's texts as UI Automation notification events on the
// game's active window, which NVDA, JAWS and Narrator speak in the player's
// own voice (Windows 10 1709 and later). The functions are looked up at run
// time, so that older systems, and Wine, fall back to another output.
#pragma once

#include <memory>

#include "dialogs/speech.h"

namespace speech::uia {

// Whether this Windows raises notification events at all.
bool available();

// A backend that raises each text as a notification, and hands it to
// `fallback` when it cannot (no notifications, or no active game window).
std::shared_ptr<Output> make_backend(std::shared_ptr<Output> fallback);

// The process-wide backend, falling back to SAPI.
std::shared_ptr<Output> backend();

}  // namespace speech::uia
