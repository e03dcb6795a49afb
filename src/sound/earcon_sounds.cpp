#include "sound/earcon_sounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace sudoku::sound {
namespace {

// Each pitch far from the others, so that the ear (and a test) tells them
// apart by pitch first: the squares in the middle, the refusal low and long,
// the edge a high tick, the finished row and the win rising.
constexpr std::array<Note, 1> empty_notes{{{440.0, 60}}};
constexpr std::array<Note, 1> notes_notes{{{660.0, 60}}};
constexpr std::array<Note, 1> own_notes{{{330.0, 60, 0.3}}};
constexpr std::array<Note, 1> given_notes{{{247.0, 80, 0.45, 0.2}}};
constexpr std::array<Note, 1> refused_notes{{{165.0, 130, 0.0, 0.35}}};
constexpr std::array<Note, 1> edge_notes{{{1320.0, 25}}};
constexpr std::array<Note, 2> unit_notes{{{784.0, 60}, {1047.0, 70}}};
constexpr std::array<Note, 4> win_notes{{{523.0, 35}, {659.0, 35}, {784.0, 35}, {1047.0, 45}}};

// Soft: a quarter of full scale, well under the speech.
constexpr double loudness = 0.25 * 32767.0;
// No click: the note rises over its first 4 ms and falls over its last 8 ms.
constexpr double rise_seconds = 0.004;
constexpr double fall_seconds = 0.008;

double envelope(double t, double length) {
    const double rise = std::min(1.0, t / rise_seconds);
    const double fall = std::min(1.0, (length - t) / fall_seconds);
    // A gentle decay over the note, as a struck bell's.
    return std::sin(rise * std::numbers::pi / 2) * std::sin(fall * std::numbers::pi / 2) *
           std::exp(-3.0 * t / length);
}

void add_note(std::vector<std::int16_t>& samples, const Note& note) {
    const int count = sample_rate * note.milliseconds / 1000;
    const double length = static_cast<double>(count) / sample_rate;
    const double sum = 1.0 + note.second + note.third;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sample_rate;
        const double phase = 2.0 * std::numbers::pi * note.hertz * t;
        const double wave = (std::sin(phase) + note.second * std::sin(2 * phase) +
                             note.third * std::sin(3 * phase)) /
                            sum;
        samples.push_back(
            static_cast<std::int16_t>(std::lround(loudness * envelope(t, length) * wave)));
    }
}

}  // namespace

std::span<const Note> notes_of(Earcon earcon) {
    switch (earcon) {
        case Earcon::empty:
            return empty_notes;
        case Earcon::given:
            return given_notes;
        case Earcon::own_number:
            return own_notes;
        case Earcon::notes:
            return notes_notes;
        case Earcon::refused:
            return refused_notes;
        case Earcon::edge:
            return edge_notes;
        case Earcon::unit_done:
            return unit_notes;
        case Earcon::win:
            break;
    }
    return win_notes;
}

const char* name_of(Earcon earcon) {
    static constexpr std::array<const char*, earcon_count> names = {
        "sudoku-empty",   "sudoku-given", "sudoku-own-number", "sudoku-notes",
        "sudoku-refused", "sudoku-edge",  "sudoku-unit-done",  "sudoku-win"};
    return names[static_cast<std::size_t>(earcon)];
}

std::vector<std::int16_t> samples_of(Earcon earcon) {
    std::vector<std::int16_t> samples;
    for (const Note& note : notes_of(earcon)) {
        add_note(samples, note);
    }
    return samples;
}

}  // namespace sudoku::sound
