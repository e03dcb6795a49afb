// The game's one kind of message box: a text, a short exclamation as its
// title, an OK button and the information icon, with no parent window; a text
// too tall for the screen scrolls in a box of the same kind.
#pragma once

#include <string_view>

#include "dialogs/wx/message_box.h"
#include "shell/wx_text.h"

inline void tell(std::string_view message, std::string_view title) {
    message_box(wx_text(message), wx_text(title));
}
