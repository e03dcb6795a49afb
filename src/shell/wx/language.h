// The player's language: the game's catalog, wxWidgets' own (OK, Cancel) and
// GTK's, in the language asked for or else the system's.
#pragma once

#include <string>

#include <wx/string.h>

// The languages the game has catalogs for, as --language takes them.
inline constexpr const char* languages[] = {"de", "en", "es", "fr"};

// Installs the catalogs for `asked` ("de"; empty: the system's language) and
// makes the core's texts use them. Returns the language the texts are now in
// ("de", or "en" when no catalog matched). Called before any text, and again
// when the player chooses another language.
std::string use_language(const wxString& asked);
