// The settings dialog: one list per setting, each at the item chosen now,
// and OK. Only the drawing lives here; the lists come from the game
// (board/settings.h).
#pragma once

#include <optional>
#include <vector>

#include <wx/dialog.h>

#include "board/settings.h"
#include "dialogs/wx/menu_list.h"

class settings_dlg : public wxDialog {
  public:
    explicit settings_dlg(const sudoku::Settings& now);

    // Empty until OK has been pressed.
    const std::optional<sudoku::Settings>& GetValue() const { return chosen_; }

    // In the order of sudoku::setting_lists().
    std::vector<MenuList*> lists;

  private:
    void press_ok();

    sudoku::Settings now_;
    std::optional<sudoku::Settings> chosen_;
};

// Shows the dialog; no value when it was closed any other way than OK.
std::optional<sudoku::Settings> settings_select(const sudoku::Settings& now);
