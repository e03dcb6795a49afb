#include "board/wx/key_events.h"

#include <wx/defs.h>
#include <wx/event.h>

namespace {

namespace keys = sudoku::keys;

struct Pair {
    int wx;
    int board;
};

// Keys whose codes differ; every printable key is its own character.
constexpr Pair specials[] = {
    {WXK_ESCAPE, keys::escape},
    {WXK_BACK, keys::back_space},
    {WXK_DELETE, keys::delete_key},
    {WXK_RETURN, keys::enter},
    {WXK_F1, keys::f1},
    {WXK_F2, keys::f2},
    {WXK_LEFT, keys::left},
    {WXK_RIGHT, keys::right},
    {WXK_UP, keys::up},
    {WXK_DOWN, keys::down},
    {WXK_NUMPAD0, keys::keypad_0},
    {WXK_NUMPAD1, keys::keypad_0 + 1},
    {WXK_NUMPAD2, keys::keypad_0 + 2},
    {WXK_NUMPAD3, keys::keypad_0 + 3},
    {WXK_NUMPAD4, keys::keypad_0 + 4},
    {WXK_NUMPAD5, keys::keypad_0 + 5},
    {WXK_NUMPAD6, keys::keypad_0 + 6},
    {WXK_NUMPAD7, keys::keypad_0 + 7},
    {WXK_NUMPAD8, keys::keypad_0 + 8},
    {WXK_NUMPAD9, keys::keypad_9},
    {WXK_NUMPAD_ENTER, keys::keypad_enter},
    {WXK_NUMPAD_DELETE, keys::keypad_delete},
    {WXK_NUMPAD_DECIMAL, keys::keypad_decimal},
    {WXK_NUMPAD_ADD, keys::keypad_add},
    {WXK_NUMPAD_SUBTRACT, keys::keypad_subtract},
    {WXK_NUMPAD_LEFT, keys::keypad_left},
    {WXK_NUMPAD_RIGHT, keys::keypad_right},
    {WXK_NUMPAD_UP, keys::keypad_up},
    {WXK_NUMPAD_DOWN, keys::keypad_down},
    {WXK_NUMPAD_HOME, keys::keypad_home},
    {WXK_NUMPAD_END, keys::keypad_end},
};

}  // namespace

keys::Key key_of(const wxKeyEvent& event) {
    int code = event.GetKeyCode();
    for (const Pair& pair : specials) {
        if (pair.wx == code) {
            code = pair.board;
            break;
        }
    }
    // Letters arrive in upper case, with or without Shift.
    if (code >= 'A' && code <= 'Z') {
        code += 'a' - 'A';
    }
    unsigned modifiers = keys::plain;
    modifiers |= event.ControlDown() ? keys::ctrl : 0u;
    modifiers |= event.ShiftDown() ? keys::shift : 0u;
    modifiers |= event.AltDown() ? keys::alt : 0u;
    return {code, modifiers};
}

WxKey wx_key(keys::Key key) {
    int code = key.code;
    for (const Pair& pair : specials) {
        if (pair.board == code) {
            code = pair.wx;
            break;
        }
    }
    int modifiers = wxMOD_NONE;
    modifiers |= (key.modifiers & keys::ctrl) != 0 ? wxMOD_CONTROL : 0;
    modifiers |= (key.modifiers & keys::shift) != 0 ? wxMOD_SHIFT : 0;
    modifiers |= (key.modifiers & keys::alt) != 0 ? wxMOD_ALT : 0;
    return {code, modifiers};
}
