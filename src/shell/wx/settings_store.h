// The player's settings kept between runs through wxConfig: on Windows in the
// registry (HKEY_CURRENT_USER\Software\Quillmoor\Sudoku), elsewhere in the
// file settings.conf under $XDG_CONFIG_HOME/sudoku (by default ~/.config).
#pragma once

#include <string>

#include <wx/string.h>

#include "board/settings.h"

// Where the settings live, as the player is told it.
std::string settings_place();
// The kept settings; the defaults where the store is missing, unreadable or
// holds what no list knows. Never fails.
sudoku::Settings read_settings();
// At start: the kept settings followed, and the language of the texts
// installed, the one `asked` for (--language) over the kept one. Returns the
// language the texts are in ("de").
std::string start_with_settings(const wxString& asked);
// Keeps the settings for the next run; a store that cannot be written leaves
// them for this run only.
void write_settings(const sudoku::Settings& settings);
