// The key help: every key of the board with what it does, from the key table.
#pragma once

#include <span>
#include <string>

#include "board/board_keys.h"

// One line per description, its keys first, in the order of the table:
// "Backspace, Delete: Clear the square".
std::string key_help(std::span<const KeyBinding> keys);
