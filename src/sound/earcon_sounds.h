// The earcons as sound: each made here from a few notes, so that no sound
// file (and no licence of one) is needed. Mono, 16-bit, at sample_rate.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "board/earcons.h"

namespace sudoku::sound {

inline constexpr int sample_rate = 44100;

// One note of an earcon: its pitch, its length, and how much of its second
// and third harmonics it has (the timbre: none is a pure, soft tone).
struct Note {
    double hertz;
    int milliseconds;
    double second = 0.0;
    double third = 0.0;
};

// The notes of the earcon, played one after the other.
std::span<const Note> notes_of(Earcon earcon);
// Its name: in the sound server's cache and in the sound log.
const char* name_of(Earcon earcon);
// Its samples, made from its notes.
std::vector<std::int16_t> samples_of(Earcon earcon);

}  // namespace sudoku::sound
