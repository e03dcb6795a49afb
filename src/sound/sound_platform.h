// What each platform's file (sound_pulse.cpp, sound_windows.cpp) gives
// sound.cpp: called on the GUI thread, returning at once.
#pragma once

#include "board/earcons.h"

namespace sudoku::sound {

void platform_start();
// True when the sound service took the earcon.
bool platform_play(Earcon earcon);

}  // namespace sudoku::sound
