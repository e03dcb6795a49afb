// The game's one window, the front end: it asks the session (the mid-end)
// and draws, speaks and maps keys. Its methods are defined here, one file per
// screen or job: the window, the main menu, a new game, the game files, the
// settings, the board screen and its answers.
#pragma once

#include <wx/accel.h>
#include <wx/frame.h>
#include <wx/timer.h>

#include "board/play.h"
#include "dialogs/wx/menu_list.h"
#include "lifecycle/session.h"

class wxActivateEvent;
class wxCloseEvent;
class wxGrid;
class wxGridEvent;
class wxKeyEvent;
class wxPanel;

class Mywin : public wxFrame {
  public:
    Mywin(wxWindow* parent, const wxString& title);

    // Screens.
    void home();
    // Another start of the game while this one runs: this window comes
    // forward, and says how to open the file that start was given.
    void called_again(bool with_file);
    void mainmenu(int row);
    void showpanel(wxPanel* new_panel, bool t = true);
    // Back to the main menu, the game kept.
    void gohome();

    // Games.
    void loadgame();
    // Loads the game in `path` as Load Game. does, or says it cannot.
    void load_file(const wxString& path);
    void new_game();
    void daily_puzzle();
    void enter_puzzle();
    void show_statistics();
    // A screen of one list the screen reader reads line by line, with the focus.
    MenuList* list_screen(const std::string& heading, const std::vector<std::string>& lines);
    void copy_board();
    void savegame();

    // The settings dialog; what OK chose is followed at once and kept.
    void open_settings();

    // The board: keys in, the session's answers out.
    void run_game();
    void OnCellChange(wxGridEvent& event);
    void boardkey(wxKeyEvent& event);
    void perform(sudoku::Command command);
    void show(const sudoku::Answer& answer);
    // A number typed on the board is placed when the pause after its last
    // digit runs out.
    void end_typing_after_pause();

    // Screen.
    wxPanel* panel = nullptr;
    wxAcceleratorTable accel_tbl;
    MenuList* items = nullptr;

    // The game's life: the game in play, the kept game and its autosave.
    sudoku::Session session;
    wxGrid* grid = nullptr;
    wxGrid* myGrid = nullptr;
    // The board's zoom step, kept for the rest of the session.
    int zoom = 0;
    // The pause after a digit typed on the board, while the number waits for more.
    wxTimer typing_timer{this};

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
