// The board's keys as data, in the game's own key codes: the toolkit's key
// events are turned into these once, at its edge. A key is the key pressed
// and the modifiers held, as on the key cap: Ctrl+Shift+= is '=' with Ctrl
// and Shift, whatever it prints.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "board/commands.h"

namespace sudoku::keys {

// Keys that print nothing. A printable key is its own character, a letter in
// lower case; Space is ' '.
enum Special : int {
    escape = 0x110000,  // above every character
    back_space,
    delete_key,
    enter,
    f1,
    left,
    right,
    up,
    down,
    keypad_0,
    keypad_9 = keypad_0 + 9,
    keypad_enter,
    keypad_delete,
    keypad_decimal,
    keypad_add,
    keypad_subtract,
    keypad_left,
    keypad_right,
    keypad_up,
    keypad_down,
    keypad_home,
    keypad_end,
    f2,
};

enum Modifier : unsigned { plain = 0, ctrl = 1, shift = 2, alt = 4 };

struct Key {
    int code = 0;
    unsigned modifiers = plain;
    bool operator==(const Key&) const = default;
};

struct Binding {
    Key key;
    Command command;
};

// Every key of the board screen, in the order the key help lists them.
std::span<const Binding> bindings();

// The command of a key, if the board has one.
std::optional<Command> command_for(Key key);

// "Ctrl+S", "Shift+E", "r", "Keypad 5", "F1".
std::string name(Key key);

// One line per command, its keys first, in the order of the table:
// "Backspace, Delete: Clear the square".
std::string help();

}  // namespace sudoku::keys
