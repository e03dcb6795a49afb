// The screen-reader backend: the game's texts become the accessible name of
// the focused object, which the player's screen reader speaks in their voice
// and shows on their braille display. GTK, ATK and GIO only; no wxWidgets.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "speech/speech.h"

namespace sudoku::speech::screen_reader {

// The process-wide backend. Its speak() must be called on the GTK thread.
std::shared_ptr<Output> backend();

// What names the object our texts were given to when the focus comes back to
// it and no text waits; an empty text leaves its name. On the GTK thread.
void on_focus_return(std::function<std::string()> text);

// Starts following whether a screen reader runs; on the GTK thread, once GTK
// is up. The answer arrives and changes on the GLib main loop.
void watch();

// Whether a screen reader was running at the last news from the buses.
// False before watch() and until the first answer. Any thread.
bool running();

}  // namespace sudoku::speech::screen_reader
