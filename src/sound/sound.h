// The earcons played through the desktop's sound service: the sound server
// (PulseAudio or PipeWire) on Linux, the system's own on Windows. Playing
// never waits for the service: with none, or a broken one, the game is
// silent and says nothing of it.
#pragma once

#include "board/earcons.h"

namespace sudoku::sound {

// Starts talking to the sound service in the background, so that the first
// earcon is ready when a key asks for it. play() starts it too.
void start() noexcept;

// Plays the earcon and returns at once.
void play(Earcon earcon) noexcept;

}  // namespace sudoku::sound
