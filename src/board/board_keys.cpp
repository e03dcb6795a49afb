#include "board/board_keys.h"

#include <array>
#include <vector>

namespace {

using C = BoardCommand;

// Ctrl+E and Escape both go home, Backspace and Delete both clear. The keypad
// acts as the main keys: with NumLock on its digits, Enter and Delete (the
// decimal key), with NumLock off its arrows, Home and End, which the grid
// itself does not know. The arrows are in the table too, so a move blocked by
// the edge of the board can say the square again.
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
    KeyBinding{wxACCEL_NORMAL, 'r', C::read_row, "Read the row"},
    KeyBinding{wxACCEL_NORMAL, 'c', C::read_column, "Read the column"},
    KeyBinding{wxACCEL_NORMAL, 'b', C::read_box, "Read the box"},
    KeyBinding{wxACCEL_NORMAL, 'm', C::missing, "Say what the row, column and box still need"},
    KeyBinding{wxACCEL_NORMAL, 'p', C::options, "Say the numbers the square can take"},
    KeyBinding{wxACCEL_NORMAL, 'e', C::next_empty, "Go to the next empty square"},
    KeyBinding{wxACCEL_SHIFT, 'E', C::previous_empty, "Go to the previous empty square"},
    KeyBinding{wxACCEL_NORMAL, WXK_SPACE, C::say_square, "Say the square again"},
    KeyBinding{wxACCEL_NORMAL, 'k', C::clashes, "Say where the rule is broken"},
    KeyBinding{wxACCEL_NORMAL, 'w', C::why, "Say why the last digit was refused"},
    KeyBinding{wxACCEL_CTRL, 'G', C::go_to, "Go to a square by its column and row"},
    KeyBinding{wxACCEL_NORMAL, WXK_F1, C::key_help, "List the keys"},
    KeyBinding{wxACCEL_NORMAL, WXK_LEFT, C::left, "Move left"},
    KeyBinding{wxACCEL_NORMAL, WXK_RIGHT, C::right, "Move right"},
    KeyBinding{wxACCEL_NORMAL, WXK_UP, C::up, "Move up"},
    KeyBinding{wxACCEL_NORMAL, WXK_DOWN, C::down, "Move down"},
    KeyBinding{wxACCEL_CTRL, 'Z', C::undo, "Undo the last change"},
    KeyBinding{wxACCEL_CTRL, 'Y', C::redo, "Redo the change undone last"},
    KeyBinding{wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', C::redo, "Redo the change undone last"},
    KeyBinding{wxACCEL_CTRL, '1', C::note_one, "Add or remove the note 1"},
    KeyBinding{wxACCEL_CTRL, '2', C::note_two, "Add or remove the note 2"},
    KeyBinding{wxACCEL_CTRL, '3', C::note_three, "Add or remove the note 3"},
    KeyBinding{wxACCEL_CTRL, '4', C::note_four, "Add or remove the note 4"},
    KeyBinding{wxACCEL_CTRL, '5', C::note_five, "Add or remove the note 5"},
    KeyBinding{wxACCEL_CTRL, '6', C::note_six, "Add or remove the note 6"},
    KeyBinding{wxACCEL_CTRL, '7', C::note_seven, "Add or remove the note 7"},
    KeyBinding{wxACCEL_CTRL, '8', C::note_eight, "Add or remove the note 8"},
    KeyBinding{wxACCEL_CTRL, '9', C::note_nine, "Add or remove the note 9"},
    KeyBinding{wxACCEL_CTRL, 'N', C::fill_notes, "Note every number each empty square can take"},
    KeyBinding{wxACCEL_NORMAL, 'h', C::hint, "Say the next step and why"},
    // Plus is Shift and = on many keyboards; the keypad's + and - count too.
    KeyBinding{wxACCEL_CTRL, '+', C::zoom_in, "Larger squares"},
    KeyBinding{wxACCEL_CTRL | wxACCEL_SHIFT, '=', C::zoom_in, "Larger squares"},
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
