// Spoken output. speak() hands a text to the player's screen reader while one
// runs, else to speech-dispatcher, and returns at once: speech-dispatcher is
// talked to on a worker thread, so a slow, hung or dead speech server never
// stalls the game.
#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace speech {

// One way of speaking a text: speech-dispatcher, or the screen reader.
class Output {
  public:
    virtual ~Output() = default;
    // interrupt: cut off what is being spoken now and speak this at once.
    virtual void speak(const std::string& text, bool interrupt) = 0;
};

// A new light output object on every call, over the process-wide backend.
std::unique_ptr<Output> Auto();

// Where the game's texts go. automatic: to the screen reader while one runs,
// to speech-dispatcher otherwise, switching whenever a screen reader starts or
// stops.
enum class Route { automatic, screen_reader, speech_dispatcher };

// Chooses the route; the game calls it once, on the GTK thread, after GTK is
// up. A program that never calls it speaks through speech-dispatcher.
void use_route(Route route);

// Test seam: route every later speak() to `backend` (nullptr restores the
// route chosen by use_route).
void set_backend(std::shared_ptr<Output> backend);

// For tests and timing programs: waits until the speech-dispatcher worker has
// handed every text given so far to the server, or given it up because no
// server answers. False if it is still busy when `timeout` runs out.
bool wait_until_idle(std::chrono::milliseconds timeout);

}  // namespace speech

// The one way the game speaks. Never throws; failures are silent.
void speak(const std::string& text, bool interupt = false);
