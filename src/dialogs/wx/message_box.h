// A message box that fits the screen at any scaling: the toolkit's own when
// the text fits, else one whose text scrolls (the key help, on a scaled or
// small screen).
#pragma once

#include <wx/string.h>

void message_box(const wxString& text, const wxString& title);
