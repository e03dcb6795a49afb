// The earcons through Windows' own sound: each made once into a WAV image in
// memory and played by PlaySound without waiting (SND_ASYNC). A newer earcon
// cuts off the one playing, as a newer square's words do.
#include <windows.h>

#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <vector>

#include "sound/earcon_sounds.h"
#include "sound/sound_platform.h"

namespace sudoku::sound {
namespace {

void put32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void put16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put_tag(std::vector<std::uint8_t>& bytes, const char (&tag)[5]) {
    bytes.insert(bytes.end(), tag, tag + 4);
}

// A RIFF WAVE image: mono, 16-bit PCM at sample_rate.
std::vector<std::uint8_t> wave_of(Earcon earcon) {
    const std::vector<std::int16_t> samples = samples_of(earcon);
    const auto data_size = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> bytes;
    put_tag(bytes, "RIFF");
    put32(bytes, 36 + data_size);
    put_tag(bytes, "WAVE");
    put_tag(bytes, "fmt ");
    put32(bytes, 16);
    put16(bytes, 1);  // PCM
    put16(bytes, 1);  // mono
    put32(bytes, sample_rate);
    put32(bytes, sample_rate * 2);  // bytes a second
    put16(bytes, 2);                // bytes a frame
    put16(bytes, 16);               // bits a sample
    put_tag(bytes, "data");
    put32(bytes, data_size);
    for (const std::int16_t sample : samples) {
        put16(bytes, static_cast<std::uint16_t>(sample));
    }
    return bytes;
}

// Made once, and kept while PlaySound may still read them.
const std::array<std::vector<std::uint8_t>, earcon_count>& waves() {
    static const auto* const made = [] {
        auto* all = new std::array<std::vector<std::uint8_t>, earcon_count>;
        for (int i = 0; i < earcon_count; ++i) {
            (*all)[static_cast<std::size_t>(i)] = wave_of(static_cast<Earcon>(i));
        }
        return all;
    }();
    return *made;
}

}  // namespace

void platform_start() {
    waves();
}

bool platform_play(Earcon earcon) {
    const std::vector<std::uint8_t>& wave = waves()[static_cast<std::size_t>(earcon)];
    // No device is no error the player hears: PlaySound returns FALSE, silently.
    return PlaySoundA(reinterpret_cast<LPCSTR>(wave.data()), nullptr,
                      SND_MEMORY | SND_ASYNC | SND_NODEFAULT) != FALSE;
}

}  // namespace sudoku::sound
