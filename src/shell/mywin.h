// The game's one window. Its methods are defined in the folder of the
// subsystem they belong to: shell (screens), board (play), lifecycle (games).
#pragma once

#include <wx/accel.h>
#include <wx/frame.h>

#include "board/board_reading.h"
#include "board/game.h"
#include "dialogs/menu_list.h"

class wxCommandEvent;
class wxGrid;
class wxGridEvent;
class wxPanel;

class Mywin : public wxFrame {
  public:
    Mywin(wxWindow* parent, const wxString& title);

    // Screens (src/shell).
    void home();
    void mainmenu(int row);
    void showpanel(wxPanel* new_panel, bool t = true);
    void gohome(wxCommandEvent& event);

    // Games (src/lifecycle).
    void loadgame();
    void new_game();
    void savegame(wxCommandEvent& event);

    // Play (src/board).
    void run_game();
    void customval(wxCommandEvent& event);
    void backspace(wxCommandEvent& event);
    void numb(wxCommandEvent& event);
    void hint();
    void digit(int number);
    void complete();
    void OnCellChange(wxGridEvent& event);

    // Hearing the board without walking it (src/board).
    void readgroup(sudoku::Unit unit);
    void missing();
    void options();
    void nextempty(bool forward);
    void sayagain();
    void clashes();
    void why();
    void gotosquare();
    void keyhelp();
    // One square along; at the edge the square is said again.
    void arrow(int dx, int dy);

    // Screen.
    wxPanel* panel = nullptr;
    wxAcceleratorTable accel_tbl;
    MenuList* items = nullptr;

    // The game in play (board, givens, size, difficulty): set by a new or
    // loaded game, shown by the board screen, changed only by its moves.
    sudoku::Game game;
    wxGrid* grid = nullptr;
    wxGrid* myGrid = nullptr;
    // The board's zoom step, kept for the rest of the session.
    int zoom = 0;

  private:
    sudoku::Square cursor() const;
    // Moves the cursor there, which announces it; the square it stands on
    // already is said again, so no key goes unanswered.
    void go_to(sudoku::Square square);
    // Shows and tells what a move did to the square under the cursor.
    void report(const sudoku::Move& move, sudoku::Square square);
    // Moves the cursor without the square's announcement: the caller says it.
    void move_quietly(sudoku::Square square);
    void on_board_command(wxCommandEvent& event);
};
