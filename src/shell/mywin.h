// The game's one window. Its methods are defined in the folder of the
// subsystem they belong to: shell (screens), board (play), lifecycle (games).
#pragma once

#include <functional>
#include <map>

#include <wx/accel.h>
#include <wx/frame.h>

#include "board/board.h"

class wxCommandEvent;
class wxDataViewEvent;
class wxDataViewListCtrl;
class wxGrid;
class wxGridEvent;
class wxPanel;

class Mywin : public wxFrame {
  public:
    Mywin(wxWindow* parent, const wxString& title);

    // Screens (src/shell).
    void home();
    void mainmenu(wxDataViewEvent& event);
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
    void digit(int number);
    void complete();
    void OnCellChange(wxGridEvent& event);
    bool is_valid(sudoku::Value f);

    // Screen.
    wxPanel* panel = nullptr;
    wxAcceleratorTable accel_tbl;
    wxDataViewListCtrl* items = nullptr;

    // Game state: set by a new or loaded game, read by the board screen.
    sudoku::Board board;
    sudoku::Board original;
    sudoku::BoxSize size;
    double difficulty = 0.0;
    wxGrid* grid = nullptr;
    wxGrid* myGrid = nullptr;

  private:
    struct Square {
        int x;
        int y;
    };
    Square cursor() const;
    sudoku::Cell& square_at(Square square);
    void write_square(Square square, const sudoku::Cell& value);
    void install_board_keys();
    void on_command(wxCommandEvent& event);

    // The commands of the board screen now shown, by identifier. Replaced
    // whole by every new board, so older screens' commands can never act and
    // handlers never pile up on the window.
    std::map<int, std::function<void(wxCommandEvent&)>> commands_;
};
