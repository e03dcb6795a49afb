// The one edge between the toolkit's keys and the board's: a key event as the
// board's key codes, and back (for pressing a binding's key in tests).
#pragma once

#include "board/keys.h"

class wxKeyEvent;

// The key pressed and the modifiers held, as the toolkit reports the key
// (its unshifted code: Ctrl+Shift+= is '=' with Ctrl and Shift).
sudoku::keys::Key key_of(const wxKeyEvent& event);

// The toolkit's code and modifiers for a key of the board's.
struct WxKey {
    int code;
    int modifiers;
};
WxKey wx_key(sudoku::keys::Key key);
