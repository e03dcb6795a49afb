// The board's keys as data: one table of key, modifiers, command and what it
// does. The accelerators are built from it, and so is the key help.
#pragma once

#include <span>
#include <string_view>

#include <wx/accel.h>
#include <wx/defs.h>

enum class BoardCommand {
    save,
    goback,
    one,
    two,
    three,
    four,
    five,
    six,
    seven,
    eight,
    nine,
    customval,
    backspace,
    numb,
    left,
    right,
    up,
    down,
    row_start,
    row_end,
    read_row,
    read_column,
    read_box,
    missing,
    options,
    next_empty,
    previous_empty,
    say_square,
    clashes,
    why,
    go_to,
    key_help,
    undo,
    redo,
    note_one,
    note_two,
    note_three,
    note_four,
    note_five,
    note_six,
    note_seven,
    note_eight,
    note_nine,
    fill_notes,
    hint,
    zoom_in,
    zoom_out,
    zoom_reset,
};

struct KeyBinding {
    int modifiers;
    int key;
    BoardCommand command;
    std::string_view description;
};

// Every key of the board screen, in the order the key help lists them.
std::span<const KeyBinding> board_keys();

// Fixed menu-command identifiers, one per command, the same for every board.
int command_id(BoardCommand command);
BoardCommand command_of(int id);
inline constexpr int first_command_id = wxID_HIGHEST + 1;
int last_command_id();

wxAcceleratorTable accelerators(std::span<const KeyBinding> keys);
