// Spoken output. speak() hands a text to the player's screen reader while one
// runs, else to the game's own voice (speech-dispatcher on Linux, SAPI on
// Windows), and returns at once: the own voice is talked to on a worker
// thread, so a slow, hung or dead speech server never stalls the game. Each
// platform has its own file (speech_linux.cpp, speech_windows.cpp); callers
// never know which.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace sudoku::speech {

// What a text is, for screen readers that treat kinds differently (UI
// Automation notifications on Windows): a square's announcement may be cut off
// by the next one, as the cursor has moved on; a message (a refusal, "Game
// saved.") is heard whole; a box that opens is said after what is being said,
// never cutting it off (the last digit's word, then the congratulation).
enum class Kind { message, square, box };

// One way of speaking a text: speech-dispatcher, or the screen reader.
class Output {
  public:
    virtual ~Output() = default;
    // interrupt: cut off what is being spoken now and speak this at once.
    virtual void speak(const std::string& text, bool interrupt) = 0;
    // The same, for outputs to which the kind matters; the others need only
    // speak().
    virtual void speak_as(Kind, const std::string& text, bool interrupt) { speak(text, interrupt); }
};

// A new light output object on every call, over the process-wide backend.
std::unique_ptr<Output> Auto();

// Where the game's texts go. automatic: to the screen reader while one runs,
// to the own voice otherwise, switching whenever a screen reader starts or
// stops. speech_dispatcher: always the own voice, whatever the platform's is.
// jaws (Windows): JAWS's own speech interface.
enum class Route { automatic, screen_reader, speech_dispatcher, jaws };

// The platform's name of its own voice, as --speech takes it:
// "speech-dispatcher" or "sapi".
std::string_view own_voice();

// A route as --speech names it.
struct NamedRoute {
    std::string_view name;
    Route route;
};

// The routes this platform has, "auto" first, as --speech takes them.
std::span<const NamedRoute> routes();

// Chooses the route; the game calls it once, on the GUI thread, after the
// window system is up. A program that never calls it speaks with the own voice.
void use_route(Route route);

// The language of the game's texts ("de"): the own voice asks for a voice of
// it. Without a call the voice is the one the player configured.
void use_language(std::string_view code);
// "" until use_language.
std::string language();

// What the game says of its screen when the keyboard focus comes back to it
// and no newer text waits (the board: the square under the cursor). The
// screen reader reads the focused object again on every return, so under
// Orca it is named with this rather than left with an old text. Only the
// object the last text was given to is named so. On the GUI thread.
void on_focus_return(std::function<std::string()> text);

// Test seam: route every later speak() to `backend` (nullptr restores the
// route chosen by use_route).
void set_backend(std::shared_ptr<Output> backend);

// For tests and timing programs: waits until the own voice's worker has
// handed every text given so far to the server, or given it up because no
// server answers. False if it is still busy when `timeout` runs out.
bool wait_until_idle(std::chrono::milliseconds timeout);

}  // namespace sudoku::speech

// A box that opens, said by the own voice: its title and text, once. A screen
// reader reads the box itself, so while one takes the game's texts this says
// nothing.
void speak_box(std::string_view title, std::string_view text) noexcept;

// What the player types, heard as it is typed: said by the own voice only, as
// a screen reader echoes the keys itself. A newer text may cut it off.
void speak_echo(const std::string& text) noexcept;

// The one way the game speaks. Never throws; failures are silent. Callers pass
// Kind::square for a square's announcement.
void speak(const std::string& text, bool interupt = false,
           sudoku::speech::Kind kind = sudoku::speech::Kind::message) noexcept;
