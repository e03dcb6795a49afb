// Spoken output. speak() hands a text to the speech service and returns at
// once: the service is talked to on a worker thread, so a slow, hung or dead
// speech server never stalls the game.
#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace speech {

// One way of speaking a text; the default talks to speech-dispatcher.
class Output {
  public:
    virtual ~Output() = default;
    // interrupt: cut off what is being spoken now and speak this at once.
    virtual void speak(const std::string& text, bool interrupt) = 0;
};

// A new light output object on every call, over the process-wide backend.
std::unique_ptr<Output> Auto();

// Test seam: route every later speak() to `backend` (nullptr restores the
// speech-dispatcher backend).
void set_backend(std::shared_ptr<Output> backend);

// For tests and timing programs: waits until the speech-dispatcher worker has
// handed every text given so far to the server, or given it up because no
// server answers. False if it is still busy when `timeout` runs out.
bool wait_until_idle(std::chrono::milliseconds timeout);

}  // namespace speech

// The one way the game speaks. Never throws; failures are silent.
void speak(const std::string& text, bool interupt = false);
