// Only one copy of the game runs on a state folder, so that no copy ever puts
// an older game back over a newer one. A second start leaves its request (a
// file to open, or nothing) in a file there; the running copy takes it up.
#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace sudoku {

// The file of requests in the state folder.
std::string open_request_path(const std::string& folder);

// Leaves a request for the running copy: the whole path of a file to open, or
// "" to be brought forward; true once that copy took it. A request not taken
// within `patience` (a copy that hangs, or a lock its dead owner left) is
// withdrawn: false, and the caller runs the game itself.
bool ask_running_copy(const std::string& folder, const std::string& file,
                      std::chrono::milliseconds patience);

// The request left since the last call, removed: "" or a file; nothing when
// there is none.
std::optional<std::string> take_open_request(const std::string& folder);

// The same name for every copy on this state folder, different for another
// folder: stable across runs and builds.
std::string running_copy_name(const std::string& folder);

}  // namespace sudoku
