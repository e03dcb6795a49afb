#include "board/keys.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "board/translation.h"

namespace sudoku::keys {
namespace {

using V = Verb;

void bind_digits(std::vector<Binding>& table, int first_key, unsigned modifiers, Verb verb) {
    for (int digit = 1; digit <= 9; ++digit) {
        table.push_back({{first_key + digit - 1, modifiers}, {verb, digit}});
    }
}

// Plus is Shift and = on many keyboards; the keypad's + and - count too.
void bind_zoom(std::vector<Binding>& table) {
    table.insert(table.end(), {
                                  {{'+', ctrl}, {V::zoom_in}},
                                  {{'=', ctrl | shift}, {V::zoom_in}},
                                  {{'=', ctrl}, {V::zoom_in}},
                                  {{keypad_add, ctrl}, {V::zoom_in}},
                                  {{'-', ctrl}, {V::zoom_out}},
                                  {{keypad_subtract, ctrl}, {V::zoom_out}},
                                  {{'0', ctrl}, {V::zoom_reset}},
                              });
}

// What the whole board holds, moves by box, and the ways back through the history.
void bind_whole_board(std::vector<Binding>& table) {
    table.insert(table.end(), {
                                  {{'f'}, {V::find_number}},
                                  {{'d'}, {V::left_to_place}},
                                  {{'n', shift}, {V::fullest_units}},
                                  {{left, ctrl}, {V::box_left}},
                                  {{right, ctrl}, {V::box_right}},
                                  {{up, ctrl}, {V::box_up}},
                                  {{down, ctrl}, {V::box_down}},
                                  {{'x'}, {V::check_numbers}},
                                  {{back_space, ctrl}, {V::rewind}},
                                  {{'m', ctrl}, {V::set_mark}},
                                  {{'m', ctrl | shift}, {V::back_to_mark}},
                              });
}

// Ctrl+E and Escape both go home, Backspace and Delete both clear. The keypad
// acts as the main keys: with NumLock on its digits, Enter and Delete (the
// decimal key), with NumLock off its arrows, Home and End, which the grid
// itself does not know. The arrows are in the table too, so a move blocked by
// the edge of the board can say the square again.
std::vector<Binding> make_table() {
    std::vector<Binding> table = {
        {{'s', ctrl}, {V::save}},
        {{'e', ctrl}, {V::go_back}},
        {{escape}, {V::escape}},
    };
    bind_digits(table, '1', plain, V::place);
    table.insert(table.end(), {{{'0'}, {V::zero}}, {{keypad_0}, {V::zero}}});
    table.insert(table.end(), {
                                  {{back_space}, {V::clear}},
                                  {{delete_key}, {V::clear}},
                                  {{'n'}, {V::count}},
                                  {{enter}, {V::type_number}},
                              });
    bind_digits(table, keypad_0 + 1, plain, V::place);
    table.insert(table.end(), {
                                  {{keypad_enter}, {V::type_number}},
                                  {{keypad_delete}, {V::clear}},
                                  {{keypad_decimal}, {V::clear}},
                                  {{keypad_left}, {V::left}},
                                  {{keypad_right}, {V::right}},
                                  {{keypad_up}, {V::up}},
                                  {{keypad_down}, {V::down}},
                                  {{keypad_home}, {V::row_start}},
                                  {{keypad_end}, {V::row_end}},
                                  {{'r'}, {V::read_row}},
                                  {{'c'}, {V::read_column}},
                                  {{'b'}, {V::read_box}},
                                  {{'m'}, {V::missing}},
                                  {{'p'}, {V::options}},
                                  {{'e'}, {V::next_empty}},
                                  {{'e', shift}, {V::previous_empty}},
                                  {{' '}, {V::say_square}},
                                  {{'k'}, {V::clashes}},
                                  {{'w'}, {V::why}},
                                  {{'g', ctrl}, {V::go_to}},
                                  {{f1}, {V::key_help}},
                                  {{f2}, {V::settings}},
                                  {{left}, {V::left}},
                                  {{right}, {V::right}},
                                  {{up}, {V::up}},
                                  {{down}, {V::down}},
                                  {{'z', ctrl}, {V::undo}},
                                  {{'y', ctrl}, {V::redo}},
                                  {{'z', ctrl | shift}, {V::redo}},
                              });
    bind_digits(table, '1', ctrl, V::note);
    table.insert(table.end(), {
                                  {{'n', ctrl}, {V::fill_notes}},
                                  {{'h'}, {V::hint}},
                                  {{'t'}, {V::say_time}},
                                  {{'l'}, {V::say_level}},
                                  {{'c', ctrl}, {V::copy_board}},
                              });
    bind_whole_board(table);
    bind_zoom(table);
    return table;
}

struct Named {
    int code;
    const char* name;
};

using texts::for_catalog;

// Keys that do not print as themselves.
constexpr Named special_names[] = {
    {escape, for_catalog("Escape")},
    {back_space, for_catalog("Backspace")},
    {delete_key, for_catalog("Delete")},
    {enter, for_catalog("Enter")},
    {' ', for_catalog("Space")},
    {f1, for_catalog("F1")},
    {f2, for_catalog("F2")},
    {left, for_catalog("Left")},
    {right, for_catalog("Right")},
    {up, for_catalog("Up")},
    {down, for_catalog("Down")},
    {keypad_enter, for_catalog("Keypad Enter")},
    {keypad_delete, for_catalog("Keypad Delete")},
    {keypad_decimal, for_catalog("Keypad decimal point")},
    {keypad_add, for_catalog("Keypad +")},
    {keypad_subtract, for_catalog("Keypad -")},
    {keypad_left, for_catalog("Keypad Left")},
    {keypad_right, for_catalog("Keypad Right")},
    {keypad_up, for_catalog("Keypad Up")},
    {keypad_down, for_catalog("Keypad Down")},
    {keypad_home, for_catalog("Keypad Home")},
    {keypad_end, for_catalog("Keypad End")},
};

std::string base_name(int code) {
    for (const Named& named : special_names) {
        if (named.code == code) {
            return texts::tr(named.name);
        }
    }
    if (code >= keypad_0 && code <= keypad_9) {
        return texts::tr_fill("Keypad %1$s", {std::to_string(code - keypad_0)});
    }
    // A printable ASCII key is its own name; any other code without a name
    // above is written as a number, never as a byte that is not text.
    if (code > ' ' && code < 0x7f) {
        return std::string(1, static_cast<char>(code));
    }
    return texts::tr_fill("Key %1$s", {std::to_string(code)});
}

}  // namespace

std::span<const Binding> bindings() {
    static const std::vector<Binding> table = make_table();
    return table;
}

std::optional<Command> command_for(Key key) {
    const auto table = bindings();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [key](const Binding& binding) { return binding.key == key; });
    return found == table.end() ? std::nullopt : std::optional<Command>(found->command);
}

std::string name(Key key) {
    std::string name = base_name(key.code);
    if ((key.modifiers & (ctrl | shift)) != 0 && name.size() == 1) {
        // With a modifier a letter is written as on the key cap.
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    if ((key.modifiers & shift) != 0) {
        name = texts::tr_fill("Shift+%1$s", {name});
    }
    if ((key.modifiers & ctrl) != 0) {
        name = texts::tr_fill("Ctrl+%1$s", {name});
    }
    return name;
}

std::string help() {
    // Keys of one command share a line, so the list stays short to hear.
    std::vector<std::pair<Command, std::string>> lines;
    for (const Binding& binding : bindings()) {
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const auto& each) {
            return each.first == binding.command;
        });
        if (line == lines.end()) {
            lines.emplace_back(binding.command, name(binding.key));
        } else {
            line->second += ", " + name(binding.key);
        }
    }
    std::string text;
    for (const auto& [command, names] : lines) {
        // Appended piece by piece: GCC 12 warns wrongly on "" + a temporary string.
        if (!text.empty()) {
            text += '\n';
        }
        text += texts::tr_fill("%1$s: %2$s", {names, describe(command)});
    }
    return text;
}

}  // namespace sudoku::keys
