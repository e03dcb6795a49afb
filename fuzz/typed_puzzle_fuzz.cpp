// Any text may be typed or pasted as a puzzle. Whatever the reader takes must
// be written out as a copied board reads back, and read back to the very same
// board; whatever it refuses, it refuses with words.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "lifecycle/typed_puzzle.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "typed puzzle round trip broken: %s\n", what);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = sudoku::read_puzzle(text);
    if (const auto* refusal = std::get_if<std::string>(&read)) {
        require(!refusal->empty(), "a refusal without words");
        return 0;
    }
    const sudoku::TypedPuzzle& puzzle = std::get<sudoku::TypedPuzzle>(read);
    const auto again = sudoku::read_puzzle(sudoku::puzzle_text(puzzle.board));
    require(std::holds_alternative<sudoku::TypedPuzzle>(again), "the copied board is refused");
    require(std::get<sudoku::TypedPuzzle>(again).board == puzzle.board, "the board changed");
    return 0;
}
