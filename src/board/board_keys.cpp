#include "board/board_keys.h"

#include <array>
#include <vector>

namespace {

using C = BoardCommand;

// Ctrl+E and Escape both go home, Backspace and Delete both clear. The keypad
// acts as the main keys: with NumLock on its digits, Enter and Delete (the
// decimal key), with NumLock off its arrows, Home and End, which the grid
// itself does not know.
constexpr std::array keys = {
    KeyBinding{wxACCEL_CTRL, 's', C::save, "Save the game"},
    KeyBinding{wxACCEL_CTRL, 'E', C::goback, "Back to the main menu"},
    KeyBinding{wxACCEL_NORMAL, WXK_ESCAPE, C::goback, "Back to the main menu"},
    KeyBinding{wxACCEL_NORMAL, '1', C::one, "Place 1"},
    KeyBinding{wxACCEL_NORMAL, '2', C::two, "Place 2"},
    KeyBinding{wxACCEL_NORMAL, '3', C::three, "Place 3"},
    KeyBinding{wxACCEL_NORMAL, '4', C::four, "Place 4"},
    KeyBinding{wxACCEL_NORMAL, '5', C::five, "Place 5"},
    KeyBinding{wxACCEL_NORMAL, '6', C::six, "Place 6"},
    KeyBinding{wxACCEL_NORMAL, '7', C::seven, "Place 7"},
    KeyBinding{wxACCEL_NORMAL, '8', C::eight, "Place 8"},
    KeyBinding{wxACCEL_NORMAL, '9', C::nine, "Place 9"},
    KeyBinding{wxACCEL_NORMAL, WXK_BACK, C::backspace, "Clear the square"},
    KeyBinding{wxACCEL_NORMAL, WXK_DELETE, C::backspace, "Clear the square"},
    KeyBinding{wxACCEL_NORMAL, 'n', C::numb, "Say how many squares are empty"},
    KeyBinding{wxACCEL_NORMAL, WXK_RETURN, C::customval, "Type any number for the square"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD1, C::one, "Place 1"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD2, C::two, "Place 2"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD3, C::three, "Place 3"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD4, C::four, "Place 4"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD5, C::five, "Place 5"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD6, C::six, "Place 6"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD7, C::seven, "Place 7"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD8, C::eight, "Place 8"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD9, C::nine, "Place 9"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_ENTER, C::customval, "Type any number for the square"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_DELETE, C::backspace, "Clear the square"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_DECIMAL, C::backspace, "Clear the square"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_LEFT, C::left, "Move left"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_RIGHT, C::right, "Move right"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_UP, C::up, "Move up"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_DOWN, C::down, "Move down"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_HOME, C::row_start, "Move to the start of the row"},
    KeyBinding{wxACCEL_NORMAL, WXK_NUMPAD_END, C::row_end, "Move to the end of the row"},
    // Plus is Shift and = on many keyboards; the keypad's + and - count too.
    KeyBinding{wxACCEL_CTRL, '+', C::zoom_in, "Larger squares"},
    KeyBinding{wxACCEL_CTRL | wxACCEL_SHIFT, '+', C::zoom_in, "Larger squares"},
    KeyBinding{wxACCEL_CTRL, '=', C::zoom_in, "Larger squares"},
    KeyBinding{wxACCEL_CTRL, WXK_NUMPAD_ADD, C::zoom_in, "Larger squares"},
    KeyBinding{wxACCEL_CTRL, '-', C::zoom_out, "Smaller squares"},
    KeyBinding{wxACCEL_CTRL, WXK_NUMPAD_SUBTRACT, C::zoom_out, "Smaller squares"},
    KeyBinding{wxACCEL_CTRL, '0', C::zoom_reset, "Squares of the usual size"},
};

}  // namespace

std::span<const KeyBinding> board_keys() {
    return keys;
}

int command_id(BoardCommand command) {
    return first_command_id + static_cast<int>(command);
}

BoardCommand command_of(int id) {
    return static_cast<BoardCommand>(id - first_command_id);
}

int last_command_id() {
    return command_id(BoardCommand::zoom_reset);
}

wxAcceleratorTable accelerators(std::span<const KeyBinding> bindings) {
    std::vector<wxAcceleratorEntry> entries;
    entries.reserve(bindings.size());
    for (const KeyBinding& binding : bindings) {
        entries.emplace_back(binding.modifiers, binding.key, command_id(binding.command));
    }
    return {static_cast<int>(entries.size()), entries.data()};
}
