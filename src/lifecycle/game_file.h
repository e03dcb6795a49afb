// Reading and writing the saved-game file without ever leaving a half-written one.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sudoku {

// The whole file, or nullopt if it cannot be read, is not a regular file (a FIFO,
// device or folder), or holds more than max_bytes; never blocks, and never reads
// more than max_bytes + 1 bytes.
std::optional<std::string> read_file_limited(const std::string& path, std::size_t max_bytes);

// Writes a new file next to the target and renames it over the target, so the target
// always holds either its old content or all of the new. Keeps an existing target's
// permission bits; a new one gets 0644 less the umask. On failure the target is left
// as it was, nothing else is left behind, and the result is false.
bool write_file_atomically(const std::string& path, std::string_view text);

// The folder where the game keeps its own state, which it may make: on Linux
// $XDG_STATE_HOME/sudoku (by default ~/.local/state/sudoku), on Windows
// %LOCALAPPDATA%\Sudoku. Nothing when the environment names no home for it.
std::optional<std::string> state_folder();

}  // namespace sudoku
