// Escape backs out of a dialog that has no Cancel button: without one wx
// gives Escape no meaning, and a player who cannot see the close box must
// still be able to leave.
#pragma once

class wxDialog;

void escape_cancels(wxDialog& dialog);
