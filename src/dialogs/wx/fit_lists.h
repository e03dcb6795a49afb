// A dialog of lists above one button, fitted to the screen's height.
#pragma once

#include <vector>

#include "dialogs/wx/menu_list.h"

class wxDialog;

// Shares the screen's height the rest of `dialog` leaves among `lists`.
void fit_lists_to_screen(wxDialog& dialog, const std::vector<MenuList*>& lists);
