#include "sound/sound.h"

#include <cstdlib>
#include <fstream>

#include "sound/earcon_sounds.h"
#include "sound/sound_platform.h"

namespace sudoku::sound {
namespace {

// The sound log: every earcon the sound service took, by name, one a line,
// appended to the file named by SUDOKU_SOUND_LOG when it is set. Tests read
// it where no sound can be recorded (under Wine, say), as the speech log.
void log_earcon(Earcon earcon) {
    const char* path = std::getenv("SUDOKU_SOUND_LOG");
    if (path == nullptr || *path == '\0') {
        return;
    }
    // Binary, so that Windows writes no carriage returns.
    std::ofstream(path, std::ios::app | std::ios::binary) << name_of(earcon) << '\n';
}

}  // namespace

void start() noexcept {
    try {
        platform_start();
    } catch (...) {
        // No sound is no reason to stop the game.
    }
}

void play(Earcon earcon) noexcept {
    try {
        if (platform_play(earcon)) {
            log_earcon(earcon);
        }
    } catch (...) {
        // As above: silent.
    }
}

}  // namespace sudoku::sound
