// The new-game dialog: box size, share of empty squares, solving level, and "Go!".
// Only the drawing lives here, and fitting it to the screen.
#pragma once

#include <optional>

#include <wx/dialog.h>

#include "dialogs/wx/menu_list.h"
#include "lifecycle/new_game.h"

// The lists' rows and what each means come from the game (lifecycle/new_game.h).
using SizeChoice = sudoku::NewGameChoice;

class size_dlg : public wxDialog {
  public:
    size_dlg();

    void endit(wxCommandEvent& event);
    // Empty until "Go!" has been pressed.
    const std::optional<SizeChoice>& GetValue() const { return s; }

    MenuList* bmenu = nullptr;
    MenuList* dmenu = nullptr;
    MenuList* lmenu = nullptr;

  private:
    std::optional<SizeChoice> s;
};

// Shows the dialog; no value when it was closed any other way than "Go!".
std::optional<SizeChoice> size_select();
