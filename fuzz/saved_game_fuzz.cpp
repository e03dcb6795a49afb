// Any bytes may reach the reader from a file the player picks. Whatever it accepts
// must be written back and read again to the very same game, and that text must
// itself be stable when written once more.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lifecycle/saved_game.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "saved game round trip broken: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto game = sudoku::decode_saved_game(text);
    if (!game) {
        return 0;
    }
    const std::string encoded = sudoku::encode_saved_game(*game);
    const auto again = sudoku::decode_saved_game(encoded);
    require(again.has_value(), "the written text is not read back");
    require(*again == *game, "the game read back differs");
    require(sudoku::encode_saved_game(*again) == encoded, "writing again gives other text");
    return 0;
}
