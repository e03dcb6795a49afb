// Windows: the game's texts through JAWS's own COM interface,
// FreedomSci.JawsApi, whose SayString speaks in the player's JAWS voice and
// queue. JAWS long ignored UI Automation notifications, so while it runs this
// route is the one it is sure to speak.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "speech/speech.h"

namespace sudoku::speech::jaws {

// Whether JAWS runs: its window, of class JFWUI2, exists.
bool running();

// Makes JAWS's speech object, one reference owned by the caller; nullptr when
// it cannot. Called on the route's own COM thread (multithreaded apartment).
using Factory = std::function<IDispatch*()>;

// The real one: FreedomSci.JawsApi, by late binding, so that nothing of
// JAWS is needed to build or to run without it.
IDispatch* create_api();

// A backend that speaks each text through the object `make` gives, with
// SayString(text, flush = interrupt), on a thread of its own, so that a busy
// or hung JAWS never holds up a key. A text it cannot say (no object, a failed
// call) goes to `fallback`; after a failure the next text makes a new object.
// Destroying it waits for the texts given so far.
std::shared_ptr<Output> make_backend(Factory make, std::shared_ptr<Output> fallback);

// The process-wide backend: create_api, falling back to UI Automation.
std::shared_ptr<Output> backend();

}  // namespace sudoku::speech::jaws
