// Enter in a box gives its answer at once. GTK presses a button by Enter
// with a short animation and only then ends the box, so the keys a quick
// player types next (an arrow, a note) reached the closing box, not the board.
#pragma once

class wxDialog;

// Enter (or keypad Enter) ends `dialog` with the focused button's answer, or
// with its affirmative answer (OK, Yes) from any other control.
void answer_enter_at_once(wxDialog& dialog);
