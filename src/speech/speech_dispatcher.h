// The default speech backend: a worker thread that owns one connection to
// speech-dispatcher.
#pragma once

#include <memory>

#include "speech/speech.h"

namespace sudoku::speech::dispatcher {

// The process-wide speech-dispatcher backend, made on first use and never
// destroyed.
std::shared_ptr<Output> backend();

}  // namespace sudoku::speech::dispatcher
