// The board's commands by name: what a key asks the play session to do. Each
// has its description and its handler in one table (play_commands.cpp), from
// which the dispatch and the key help come.
#pragma once

#include <string>

namespace sudoku {

enum class Verb {
    save,
    go_back,
    escape,
    place,
    zero,
    end_number,
    type_number,
    clear,
    count,
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
    note,
    fill_notes,
    hint,
    say_time,
    say_level,
    zoom_in,
    zoom_out,
    zoom_reset,
    settings,
    copy_board,
    find_number,
    left_to_place,
    fullest_units,
    box_left,
    box_right,
    box_up,
    box_down,
    check_numbers,
    rewind,
    set_mark,
    back_to_mark,
};

// A verb and, for place and note, its digit from 1 to 9.
struct Command {
    Verb verb = Verb::say_square;
    int number = 0;
    bool operator==(const Command&) const = default;
};

// What the command does, as the key help says it: "Place 5".
std::string describe(Command command);

}  // namespace sudoku
