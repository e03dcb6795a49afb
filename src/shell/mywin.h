// The game's one window. Its methods are defined in the folder of the
// subsystem they belong to: shell (screens), board (play), lifecycle (games).
#pragma once

#include <vector>

#include <wx/accel.h>
#include <wx/frame.h>

#include <memory>
#include <optional>
#include <string>

#include "board/play.h"
#include "dialogs/wx/menu_list.h"
#include "lifecycle/autosave.h"

class wxActivateEvent;
class wxCloseEvent;
class wxCommandEvent;
class wxGrid;
class wxGridEvent;
class wxKeyEvent;
class wxPanel;

class Mywin : public wxFrame {
  public:
    Mywin(wxWindow* parent, const wxString& title);

    // Screens (src/shell).
    void home();
    // Another start of the game while this one runs: this window comes
    // forward, and says how to open the file that start was given.
    void called_again(bool with_file);
    void mainmenu(int row);
    void showpanel(wxPanel* new_panel, bool t = true);
    void gohome(wxCommandEvent& event);

    // Games (src/lifecycle).
    void loadgame();
    // Loads the game in `path` as Load Game. does, or says it cannot.
    void load_file(const wxString& path);
    void new_game();
    void savegame();
    // Writes the kept game to the autosave, cursor and time played with it.
    void keepgame();

    // The board (src/board/wx): keys in, the play session's answers out.
    void run_game();
    void OnCellChange(wxGridEvent& event);
    void boardkey(wxKeyEvent& event);
    void perform(sudoku::Command command);
    void show(const sudoku::Answer& answer);

    // Screen.
    wxPanel* panel = nullptr;
    wxAcceleratorTable accel_tbl;
    MenuList* items = nullptr;
    // What each row of the main menu does.
    enum class Choice { continue_game, new_game, load_game, exit };
    std::vector<Choice> choices;

    // The game in play: set by a new or loaded game, shown by the board
    // screen, changed only through its commands.
    sudoku::Play play;
    // A game is kept (left by Escape, or found at start) until it is won or
    // replaced: the menu offers to continue it, and the autosave holds it.
    bool kept = false;
    std::unique_ptr<sudoku::Autosave> autosave;
    // The game as this copy last found or wrote it in the autosave.
    std::optional<sudoku::SavedGame> on_disk;
    wxGrid* grid = nullptr;
    wxGrid* myGrid = nullptr;
    // The board's zoom step, kept for the rest of the session.
    int zoom = 0;
    // Said before the first square of the next board (a level that could not
    // be made), then forgotten.
    std::string notice;

  private:
    // The window closed (its close box, Alt+F4, the session ending): the
    // game is kept through the autosave, and nothing asks.
    void onclose(wxCloseEvent& event);
    // The time played runs only while the board is on screen and the window active.
    void onactivate(wxActivateEvent& event);
    // Moves the grid's cursor to the play session's, without a word: the
    // answer that moved it says the square.
    void follow_cursor();
};
