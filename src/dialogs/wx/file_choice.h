// Shows a file dialog and gives back the whole path the player chose.
#pragma once

#include <optional>

#include <wx/string.h>

class wxFileDialog;

// The chosen path, or nothing when the dialog was cancelled. A path typed into
// the name box counts with its own folder, not the folder the dialog showed.
std::optional<wxString> choose_file(wxFileDialog& dialog);
